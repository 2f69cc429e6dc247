// The "Energy Estimation" page: the static layout and the page fields bound to the estimation page.
#include "analysis/ui/fanform.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "analysis/ui/formstyle.h"
#include "engine/estimationpage.h"
#include "shell/appstate.h"

namespace {

QLabel *valueField(const QString &name, QWidget *parent)
{
    auto *value = new QLabel(parent);
    value->setObjectName(name);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setFrameShape(QFrame::StyledPanel);
    value->setFrameShadow(QFrame::Sunken);
    value->setAutoFillBackground(true);
    QPalette palette = value->palette();
    palette.setColor(QPalette::Window, Qt::white);
    value->setPalette(palette);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("$-00,000,000")) + 12);
    value->setContentsMargins(4, 1, 4, 1);
    value->setFixedHeight(value->sizeHint().height() + 2);
    return value;
}

QLabel *captionField(const QString &name, QWidget *parent)
{
    auto *caption = new QLabel(parent);
    caption->setObjectName(name);
    caption->setMinimumWidth(caption->fontMetrics().horizontalAdvance(QStringLiteral("Throttling Valve Control")));
    return caption;
}

QLabel *panelHeading(const QString &text, QWidget *parent)
{
    // Wraps rather than widening the page beyond its 775 pixels where fonts run wide.
    QLabel *heading = formstyle::boldLabel(text, parent);
    heading->setWordWrap(true);
    return heading;
}

} // namespace

QWidget *TFANFORM::buildEstimationPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 8, 6, 8);
    layout->setSpacing(8);

    auto *title = formstyle::boldLabel(QString(), page);
    title->setObjectName(QStringLiteral("FLOWM"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() + 3);
    title->setFont(titleFont);
    m_pageFields.insert(title->objectName(), title);
    layout->addWidget(title);

    // Annual energy cost: the method buttons with their costs, custom methods in the right column.
    auto *costPanel = formstyle::panel(QStringLiteral("CostPanel"), page);
    auto *cost = new QGridLayout(costPanel);
    cost->setHorizontalSpacing(10);
    cost->setVerticalSpacing(0);
    cost->addWidget(panelHeading(QStringLiteral("Annual Energy Cost"), costPanel), 0, 0, 1, 5);
    const auto methodButton = [&](const QString &name, MethodButton which, int row, int column) {
        auto *button = new QPushButton(costPanel);
        button->setObjectName(name);
        button->setAutoDefault(false);
        button->setCursor(Qt::PointingHandCursor);
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("Throttling Valve Control")) +
                                24);
        m_pageFields.insert(name, button);
        cost->addWidget(button, row, column);
        // A hidden row keeps its place, as every row has its fixed position on the page.
        cost->setRowMinimumHeight(row, button->sizeHint().height() + 4);
        connect(button, &QPushButton::clicked, this, [this, which] { methodButtonClick(which); });
    };
    const auto costValue = [&](const QString &name, int row, int column) {
        QLabel *value = valueField(name, costPanel);
        m_pageFields.insert(name, value);
        cost->addWidget(value, row, column);
    };
    const MethodButton lines[] = {MethodButton::Line1, MethodButton::Line2, MethodButton::Line3, MethodButton::Line4};
    for (int i = 0; i < 4; ++i) {
        methodButton(QStringLiteral("LINE%1").arg(i + 1), lines[i], i + 1, 0);
        costValue(QStringLiteral("VAL%1").arg(i + 1), i + 1, 1);
    }
    cost->setColumnMinimumWidth(2, 24);
    methodButton(QStringLiteral("LINECUSTOM1"), MethodButton::Custom1, 1, 3);
    costValue(QStringLiteral("VALCUSTOM1"), 1, 4);
    methodButton(QStringLiteral("LINECUSTOM2"), MethodButton::Custom2, 2, 3);
    costValue(QStringLiteral("VALCUSTOM2"), 2, 4);
    auto *hint = new QLabel(QStringLiteral("Click control buttons for individual energy estimations"), costPanel);
    hint->setObjectName(QStringLiteral("LabelClickControl"));
    hint->setWordWrap(true);
    formstyle::setColour(hint, formstyle::navy());
    cost->addWidget(hint, 3, 3, 2, 2, Qt::AlignTop);
    cost->setColumnStretch(2, 1);
    layout->addWidget(costPanel);

    // Savings and payback side by side, five rows each.
    auto *lower = new QHBoxLayout;
    lower->setSpacing(6);
    const auto rowsPanel = [&](const QString &name, QLabel *heading, QLabel *note, const QString &captionPrefix,
                               const QString &valuePrefix) {
        auto *panel = formstyle::panel(name, page);
        auto *grid = new QGridLayout(panel);
        grid->setContentsMargins(6, 6, 6, 6);
        grid->setHorizontalSpacing(8);
        grid->setVerticalSpacing(0);
        heading->setParent(panel);
        auto *headingRow = new QHBoxLayout;
        headingRow->addWidget(heading, 1); // the heading takes the row's room before it wraps
        if (note) {
            note->setParent(panel);
            headingRow->addWidget(note, 0, Qt::AlignRight | Qt::AlignTop);
        }
        grid->addLayout(headingRow, 0, 0, 1, 2);
        for (int i = 1; i <= 5; ++i) {
            QLabel *caption = captionField(captionPrefix + QString::number(i), panel);
            QLabel *value = valueField(valuePrefix + QString::number(i), panel);
            m_pageFields.insert(caption->objectName(), caption);
            m_pageFields.insert(value->objectName(), value);
            grid->addWidget(caption, i, 0);
            grid->addWidget(value, i, 1);
            grid->setRowMinimumHeight(i, value->sizeHint().height() + 10);
        }
        grid->setColumnStretch(0, 1);
        lower->addWidget(panel, 1);
    };
    rowsPanel(QStringLiteral("SavingsPanel"),
              panelHeading(QStringLiteral(" Annual Energy Savings using a Vendram VFD versus:"), page), nullptr,
              QStringLiteral("CONTROL"), QStringLiteral("VALUE"));
    auto *includes = new QLabel(QStringLiteral("(Includes Incentive)"), page);
    includes->setObjectName(QStringLiteral("LabelIncludesIncentive"));
    formstyle::setColour(includes, formstyle::navy());
    rowsPanel(QStringLiteral("PaybackPanel"), panelHeading(QStringLiteral("Payback Time Vendram VFD versus:"), page),
              includes, QStringLiteral("PAYBACK"), QStringLiteral("PAYBACKVALUE"));
    layout->addLayout(lower);
    layout->addStretch(1);

    layout->addLayout(stepNavigation(AnalysisPage::Estimation, page, QStringLiteral("BitBtn6"),
                                     QStringLiteral("BitBtn7"), QStringLiteral("BitBtn8")));

    showEstimationPage();
    return page;
}

void TFANFORM::showEstimationPage()
{
    for (const QString &name : EstimationPage::fieldNames()) {
        QWidget *widget = m_pageFields.value(name);
        if (!widget)
            continue;
        const PageField &field = m_state.page.field(name);
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            label->setText(field.text);
            // An unused row (a custom method not in use) shows no empty box.
            if (label->frameShape() != QFrame::NoFrame || label->property("valueField").toBool()) {
                label->setProperty("valueField", true);
                label->setFrameShape(field.text.isEmpty() ? QFrame::NoFrame : QFrame::StyledPanel);
                label->setAutoFillBackground(!field.text.isEmpty());
            }
        }
        else if (auto *button = qobject_cast<QPushButton *>(widget))
            button->setText(field.text);
        formstyle::setColour(widget, field.red ? QColor(Qt::red) : QColor(Qt::black));
        widget->setVisible(field.visible);
    }
}
