// The layout of the analysis window's pages other than the estimation page.
#include "analysis/ui/fanform.h"

#include <vector>

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "analysis/ui/analysisfield.h"
#include "analysis/ui/formstyle.h"
#include "report/ui/dutychartview.h"
#include "report/ui/graphpanel.h"
#include "report/ui/reportpanel.h"
#include "shell/appstate.h"

namespace {

constexpr int NumericTypedLimit = 6;

struct SystemRow
{
    int number;
    const char *label;
    const char *unit;
};

// The System Data rows by group, in page order; A107 (drive efficiency) is kept but hidden.
struct SystemGroup
{
    const char *heading;
    std::vector<SystemRow> rows;
};

const std::vector<SystemGroup> &systemGroups()
{
    static const std::vector<SystemGroup> groups{
        {"Operation:",
         {{1, "Hours per Day of operation :", "Hours"},
          {2, "Days per Week of Operation :", "Days"},
          {3, "Weeks per Year of Operation :", "Weeks"},
          {4, "Cost per kWh :", "Cents"}}},
        {"AC Motor Data:", {{5, "Motor Horsepower :", "HP"}, {6, "Motor Efficiency :", "%"}}},
        {"Incentive", {{8, "Company Incentive :", "$/HP"}}},
        {"VFD / Inverter Data", {{9, "Variable Frequency Drive Cost :", "$"}, {7, "Drive Efficiency :", "%"}}},
    };
    return groups;
}

struct CustomerRow
{
    ProjectText which;
    const char *label;
    int typedLimit;
};

} // namespace

AnalysisField *TFANFORM::addParameterField(int number, QWidget *parent)
{
    auto *field = new AnalysisField(ParameterFieldName(number), NumericTypedLimit, true, parent);
    field->setProperty("tag", PlaceholderTag);
    field->setAlignment(Qt::AlignRight);
    field->setFixedWidth(formstyle::numericFieldWidth(field));
    m_fields[static_cast<size_t>(number - 1)] = field;
    if (number >= 10)
        connect(field, &AnalysisField::left, this, [this, field] { A110Exit(field); });
    else
        connect(field, &AnalysisField::left, this, [this, field] { CheckRange(field); });
    return field;
}

AnalysisField *TFANFORM::addTextField(ProjectText which, int typedLimit, QWidget *parent)
{
    auto *field = new AnalysisField(ProjectTextFieldNames[static_cast<size_t>(which)], typedLimit, false, parent);
    field->setProperty("tag", PlaceholderTag);
    field->setFixedWidth(formstyle::textFieldWidth(field, typedLimit));
    m_texts[static_cast<size_t>(which)] = field;
    connect(field, &QLineEdit::textChanged, this, &TFANFORM::TEXTChange);
    return field;
}

QHBoxLayout *TFANFORM::navigationRow(int page, QPushButton *goBack, QPushButton *help, QPushButton *forward)
{
    m_goBack[static_cast<size_t>(page)] = goBack;
    m_forward[static_cast<size_t>(page)] = forward;
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(goBack);
    row->addWidget(help);
    if (forward)
        row->addWidget(forward);
    connect(help, &QPushButton::clicked, this, [this, page] { helpClick(page); });
    return row;
}

QHBoxLayout *TFANFORM::stepNavigation(AnalysisPage page, QWidget *parent, const QString &goBackName,
                                      const QString &helpName, const QString &continueName)
{
    auto *goBack = formstyle::button(goBackName, QStringLiteral("&Go Back"), QStringLiteral("Go back one step"),
                                     QStyle::SP_ArrowBack, parent);
    auto *help = formstyle::button(helpName, QStringLiteral("&Help"), QStringLiteral("Get Help!"),
                                   QStyle::SP_DialogHelpButton, parent);
    auto *forward = formstyle::button(continueName, QStringLiteral("&Continue"),
                                      QStringLiteral("Continue to next step!"), QStyle::SP_ArrowForward, parent);
    connect(goBack, &QPushButton::clicked, this, &TFANFORM::GOBACKCLICK);
    connect(forward, &QPushButton::clicked, this, &TFANFORM::CONTINUECLICK);
    return navigationRow(static_cast<int>(page), goBack, help, forward);
}

QWidget *TFANFORM::buildCustomerPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(14, 12, 14, 8);

    auto *projectRow = new QHBoxLayout;
    auto *projectLabel = formstyle::boldLabel(QStringLiteral("Project Name:"), page);
    projectLabel->setObjectName(QStringLiteral("LabelPROJECTNAME"));
    AnalysisField *projectName = addTextField(ProjectText::ProjectName, 45, page);
    projectLabel->setBuddy(projectName);
    projectRow->addWidget(projectLabel);
    projectRow->addWidget(projectName);
    projectRow->addStretch(1);
    layout->addLayout(projectRow);

    auto *group = new QGroupBox(QStringLiteral("Customer Information"), page);
    group->setObjectName(QStringLiteral("CustomerGroup"));
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(5);
    const CustomerRow rows[] = {
        {ProjectText::Company, "Company :", 45},     {ProjectText::Name, "Name :", 45},
        {ProjectText::Title, "Title :", 5},          {ProjectText::Address, "Address :", 45},
        {ProjectText::CityStateZip, "City / State / Zip :", 45}, {ProjectText::Country, "Country:", 25},
        {ProjectText::Telephone, "Telephone number :", 25},    {ProjectText::Fax, "Fax number :", 25},
        {ProjectText::Email, "E-Mail Address:", 45},
    };
    int r = 0;
    for (const CustomerRow &row : rows) {
        auto *label = new QLabel(QString::fromUtf8(row.label), group);
        label->setObjectName(QStringLiteral("Label") + ProjectTextFieldNames[static_cast<size_t>(row.which)]);
        AnalysisField *field = addTextField(row.which, row.typedLimit, group);
        label->setBuddy(field);
        grid->addWidget(label, r, 0, Qt::AlignRight);
        grid->addWidget(field, r, 1, Qt::AlignLeft);
        ++r;
    }
    grid->setColumnStretch(2, 1);
    layout->addWidget(group);

    auto *done = new QLabel(QStringLiteral("Click on \"Continue\" button when done."), page);
    done->setObjectName(QStringLiteral("LabelDone"));
    formstyle::setColour(done, formstyle::navy());
    layout->addWidget(done);

    auto *noteRow = new QHBoxLayout;
    noteRow->setSpacing(4);
    m_notes[0] = formstyle::boldLabel(QStringLiteral("NOTE:"), page);
    m_notes[0]->setObjectName(QStringLiteral("NOTE1"));
    formstyle::setColour(m_notes[0], Qt::red);
    m_notes[1] = new QLabel(QStringLiteral("Customer information is currently disabled and will not show on the "
                                           "final report, to enable click "),
                            page);
    m_notes[1]->setObjectName(QStringLiteral("NOTE2"));
    m_notes[2] = new QLabel(QStringLiteral("here."), page);
    m_notes[2]->setObjectName(QStringLiteral("NOTE3"));
    m_notes[2]->setToolTip(QStringLiteral("Click here to change customer information setting."));
    m_notes[2]->setCursor(Qt::PointingHandCursor);
    QFont underlined = m_notes[2]->font();
    underlined.setUnderline(true);
    m_notes[2]->setFont(underlined);
    formstyle::setColour(m_notes[2], Qt::blue);
    for (QLabel *note : m_notes)
        noteRow->addWidget(note);
    noteRow->addStretch(1);
    layout->addLayout(noteRow);
    layout->addStretch(1);

    auto *reset = formstyle::button(QStringLiteral("BitBtn20"), QStringLiteral("&Reset"),
                                    QStringLiteral("Clear customer information"), QStyle::SP_DialogResetButton, page);
    auto *reportLayout = formstyle::button(QStringLiteral("BitBtn18"), QStringLiteral("&Report Layout"),
                                           QStringLiteral("View/Edit Report layout"),
                                           QStyle::SP_FileDialogDetailedView, page);
    auto *goBack = formstyle::button(QStringLiteral("BitBtn1"), QStringLiteral("&Go Back"),
                                     QStringLiteral("GO back to the main menu"), QStyle::SP_ArrowBack, page);
    auto *help = formstyle::button(QStringLiteral("BitBtn4"), QStringLiteral("&Help"), QStringLiteral("Get Help!"),
                                   QStyle::SP_DialogHelpButton, page);
    auto *forward = formstyle::button(QStringLiteral("BitBtn5"), QStringLiteral("&Continue"),
                                      QStringLiteral("Continue to next step!"), QStyle::SP_ArrowForward, page);
    QHBoxLayout *row = navigationRow(static_cast<int>(AnalysisPage::Customer), goBack, help, forward);
    row->insertWidget(0, reset);
    row->insertWidget(1, reportLayout);
    layout->addLayout(row);

    connect(reset, &QPushButton::clicked, this, &TFANFORM::BitBtn20Click);
    connect(reportLayout, &QPushButton::clicked, this, &TFANFORM::BitBtn18Click);
    // Leaving from the first page needs no check.
    connect(goBack, &QPushButton::clicked, this, &QDialog::reject);
    connect(forward, &QPushButton::clicked, this, &TFANFORM::CONTINUECLICK);
    return page;
}

QWidget *TFANFORM::buildSystemDataPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(10, 10, 10, 8);
    auto *panels = new QHBoxLayout;
    panels->setSpacing(10);

    auto *left = formstyle::panel(QStringLiteral("SystemPanel"), page);
    auto *grid = new QGridLayout(left);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    int r = 0;
    for (const SystemGroup &group : systemGroups()) {
        auto *heading = formstyle::boldLabel(QString::fromUtf8(group.heading), left);
        formstyle::setColour(heading, formstyle::navy());
        if (r > 0)
            grid->setRowMinimumHeight(r++, 6);
        grid->addWidget(heading, r++, 0, 1, 3);
        for (const SystemRow &row : group.rows) {
            const QString name = ParameterFieldName(row.number);
            auto *label = new QLabel(QString::fromUtf8(row.label), left);
            label->setObjectName(QStringLiteral("Label") + name);
            AnalysisField *field = addParameterField(row.number, left);
            label->setBuddy(field);
            auto *unit = new QLabel(QString::fromUtf8(row.unit), left);
            unit->setObjectName(QStringLiteral("Unit") + name);
            grid->addWidget(label, r, 0);
            grid->addWidget(field, r, 1);
            grid->addWidget(unit, r, 2);
            if (row.number == 7) {
                // The drive efficiency comes from the VFD table; field and labels stay hidden.
                m_driveEfficiency = new QLabel(left);
                m_driveEfficiency->setObjectName(QStringLiteral("DRIVEEFF"));
                grid->addWidget(m_driveEfficiency, r, 3);
                for (QWidget *hidden : std::initializer_list<QWidget *>{label, field, unit, m_driveEfficiency})
                    hidden->setVisible(false);
            }
            ++r;
        }
    }
    grid->setRowStretch(r, 1);
    grid->setColumnStretch(3, 1);
    panels->addWidget(left, 5);
    panels->addWidget(buildDutyCyclePanel(page), 6);
    layout->addLayout(panels, 1);

    layout->addLayout(stepNavigation(AnalysisPage::SystemData, page, QStringLiteral("ESCCANCEL"),
                                     QStringLiteral("Help"), QStringLiteral("BitBtn2")));
    return page;
}

QWidget *TFANFORM::buildDutyCyclePanel(QWidget *parent)
{
    auto *panel = formstyle::panel(QStringLiteral("DutyPanel"), parent);
    auto *outer = new QVBoxLayout(panel);
    auto *heading = formstyle::boldLabel(QStringLiteral("Duty Cycle Percentages:"), panel);
    heading->setObjectName(QStringLiteral("DutyHeading"));
    formstyle::setColour(heading, Qt::blue);
    outer->addWidget(heading);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);
    for (int step = 0; step < FlowStepCount; ++step) {
        const int number = 10 + step;
        auto *caption = new QLabel(QStringLiteral("%1 %").arg((FlowStepCount - step) * 10), panel);
        caption->setObjectName(QStringLiteral("Label") + ParameterFieldName(number));
        AnalysisField *field = addParameterField(number, panel);
        field->setToolTip(QStringLiteral("Enter duty cycle percentage, total 100%"));
        caption->setBuddy(field);
        grid->addWidget(caption, step, 0, Qt::AlignRight);
        grid->addWidget(field, step, 1);
        grid->addWidget(new QLabel(QStringLiteral("%"), panel), step, 2);
    }
    auto *sumLine = new QLabel(QStringLiteral("_____ +"), panel);
    sumLine->setObjectName(QStringLiteral("SumLine"));
    grid->addWidget(sumLine, FlowStepCount, 1, 1, 2, Qt::AlignLeft);
    m_dutyChart = new DutyChartView(m_state, panel);
    grid->addWidget(m_dutyChart, 0, 3, FlowStepCount + 1, 1);
    // A wrong total is long: the label runs on under the chart, left of the Reset button.
    m_dutyTotal = formstyle::boldLabel(QStringLiteral("100 %"), panel);
    m_dutyTotal->setObjectName(QStringLiteral("Label50"));
    grid->addWidget(m_dutyTotal, FlowStepCount + 1, 0, 1, 4, Qt::AlignLeft | Qt::AlignVCenter);
    auto *reset = formstyle::button(QStringLiteral("BitBtn19"), QStringLiteral("&Reset"),
                                    QStringLiteral("Reset Duty Cycle to Default Values"), QStyle::SP_DialogResetButton,
                                    panel);
    grid->addWidget(reset, FlowStepCount + 1, 3, Qt::AlignRight);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(FlowStepCount + 2, 1);
    outer->addLayout(grid, 1);
    connect(reset, &QPushButton::clicked, this, &TFANFORM::BitBtn19Click);
    return panel;
}

QWidget *TFANFORM::buildGraphPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 2, 0, 8);
    m_graphPanel = new GraphPanel(m_state, page);
    layout->addWidget(m_graphPanel, 1);
    layout->addLayout(stepNavigation(AnalysisPage::Graphs, page, QStringLiteral("BitBtn11"),
                                     QStringLiteral("BitBtn12"), QStringLiteral("BitBtn13")));
    return page;
}

QWidget *TFANFORM::buildReportPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(10, 10, 10, 8);
    m_reportPanel = new ReportPanel(m_state, *this, *m_graphPanel, page);
    layout->addWidget(m_reportPanel, 1);
    auto *goBack = formstyle::button(QStringLiteral("BitBtn3"), QStringLiteral("&Go Back"),
                                     QStringLiteral("Go back one step"), QStyle::SP_ArrowBack, page);
    auto *help = formstyle::button(QStringLiteral("BitBtn10"), QStringLiteral("&Help"), QStringLiteral("Get Help!"),
                                   QStyle::SP_DialogHelpButton, page);
    auto *save = formstyle::button(QStringLiteral("BitBtn14"), QStringLiteral("Save Estimation"),
                                   QStringLiteral("Save Energy Estimation"), QStyle::SP_DialogSaveButton, page);
    auto *close = formstyle::button(QStringLiteral("BitBtn15"), QStringLiteral("&Close"),
                                    QStringLiteral("Close Energy Estimation"), QStyle::SP_DialogCloseButton, page);
    QHBoxLayout *row = navigationRow(static_cast<int>(AnalysisPage::Report), goBack, help, nullptr);
    row->addWidget(save);
    row->addWidget(close);
    layout->addLayout(row);
    connect(goBack, &QPushButton::clicked, this, &TFANFORM::GOBACKCLICK);
    connect(save, &QPushButton::clicked, this, &TFANFORM::BitBtn14Click);
    // Closing from the last page needs no check.
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    return page;
}
