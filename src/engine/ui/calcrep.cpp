#include "calcrep.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "data/helprouter.h"
#include "engine/overview.h"
#include "shell/appstate.h"

namespace {

QFrame *band(QWidget *parent, const QString &name)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setAutoFillBackground(true);
    return frame;
}

QLabel *plainLabel(QWidget *parent, const QString &text, Qt::Alignment alignment, bool bold = false)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(alignment | Qt::AlignVCenter);
    if (bold) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    return label;
}

} // namespace

TCALCREP::TCALCREP(AppState &state, QWidget *parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("CALCREP"));
    setWindowTitle(QStringLiteral("Pelnix Energy Calculation Overview"));
    setModal(true);

    auto *outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    outer->setSpacing(6);

    const Qt::Alignment right = Qt::AlignRight;
    const Qt::Alignment centre = Qt::AlignHCenter;

    // Heading band: two lines of column headings.
    QFrame *heading = band(this, QStringLiteral("HeadingBand"));
    auto *head = new QGridLayout(heading);
    head->setHorizontalSpacing(14);
    QLabel *flowm = plainLabel(heading, QStringLiteral("AIR"), centre, true);
    flowm->setObjectName(QStringLiteral("FLOWM"));
    QPalette red = flowm->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    flowm->setPalette(red);
    m_values.insert(flowm->objectName(), flowm);
    head->addWidget(flowm, 0, 0);
    head->addWidget(plainLabel(heading, QStringLiteral("Annual Operating Time"), centre, true), 0, 1, 1, 2);
    head->addWidget(plainLabel(heading, QStringLiteral("Operational"), centre, true), 0, 3);
    QLabel *mult1 = plainLabel(heading, QStringLiteral("x1"), centre, true);
    mult1->setObjectName(QStringLiteral("MULT1"));
    head->addWidget(mult1, 0, 4);
    QLabel *mult2 = plainLabel(heading, QStringLiteral("x1"), centre, true);
    mult2->setObjectName(QStringLiteral("MULT2"));
    head->addWidget(mult2, 0, 5);
    const QStringList second{QStringLiteral("Flow"),          QStringLiteral("%"),
                             QStringLiteral("hrs/year"),      QStringLiteral("Shaft HP"),
                             QStringLiteral("Cost per Hour"), QStringLiteral("Operating Cost")};
    for (int c = 0; c < second.size(); ++c)
        head->addWidget(plainLabel(heading, second[c], centre, true), 1, c);
    outer->addWidget(heading);

    // Ten rows, 100 % flow at the top; the same column widths as the heading.
    const int widths[] = {60, 60, 90, 90, 100, 120};
    for (int c = 0; c < 6; ++c)
        head->setColumnMinimumWidth(c, widths[c]);

    QFrame *table = band(this, QStringLiteral("RowBand"));
    auto *grid = new QGridLayout(table);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(3);
    for (int c = 0; c < 6; ++c)
        grid->setColumnMinimumWidth(c, widths[c]);
    const QStringList prefixes{QStringLiteral("Ap"), QStringLiteral("HRY"), QStringLiteral("SHP"), QStringLiteral("CPH"),
                               QStringLiteral("OC")};
    for (int r = 0; r < FlowStepCount; ++r) {
        grid->addWidget(plainLabel(table, QString::number((FlowStepCount - r) * 10), centre, true), r, 0);
        for (int c = 0; c < prefixes.size(); ++c) {
            QLabel *value = plainLabel(table, QString(), right);
            value->setObjectName(overviewFieldName(prefixes[c], r));
            m_values.insert(value->objectName(), value);
            grid->addWidget(value, r, c + 1);
        }
    }
    outer->addWidget(table);

    // Total band.
    QFrame *totals = band(this, QStringLiteral("TotalBand"));
    auto *tot = new QGridLayout(totals);
    tot->setHorizontalSpacing(14);
    for (int c = 0; c < 6; ++c)
        tot->setColumnMinimumWidth(c, widths[c]);
    tot->addWidget(plainLabel(totals, QStringLiteral("TOTAL :"), Qt::AlignLeft, true), 0, 0);
    tot->addWidget(plainLabel(totals, QStringLiteral("100"), right, true), 0, 1);
    for (const QString &name : {QStringLiteral("TOTHOUR"), QStringLiteral("TOTALCOST")}) {
        QLabel *value = plainLabel(totals, QString(), right, true);
        value->setObjectName(name);
        m_values.insert(name, value);
        tot->addWidget(value, 0, name == QStringLiteral("TOTHOUR") ? 2 : 5);
    }
    outer->addWidget(totals);

    // Button band.
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *back = new QPushButton(QStringLiteral("&Go Back"), this);
    back->setObjectName(QStringLiteral("ESCCANCEL"));
    back->setToolTip(QStringLiteral("Go one step back"));
    back->setAutoDefault(false);
    auto *help = new QPushButton(QStringLiteral("&Help"), this);
    help->setObjectName(QStringLiteral("Help"));
    help->setToolTip(QStringLiteral("Get Help!"));
    help->setAutoDefault(false);
    buttons->addWidget(back);
    buttons->addWidget(help);
    outer->addLayout(buttons);

    // Escape rejects the dialog, which is what "Go Back" does as well.
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &TCALCREP::HelpClick);
}

TCALCREP::~TCALCREP() = default;

void TCALCREP::FillFromState()
{
    const OverviewTexts texts =
        FillOverview(m_state.overviewKind, m_state.overviewMethod, m_state.results, m_state.thousandSep());
    for (const auto &[name, text] : texts.namedTexts()) {
        if (QLabel *label = m_values.value(name))
            label->setText(text);
    }
}

void TCALCREP::showEvent(QShowEvent *event)
{
    FillFromState();
    QDialog::showEvent(event);
}

void TCALCREP::HelpClick()
{
    if (m_state.help)
        m_state.help->showTopic(QStringLiteral("STEP4"));
    // Help carries the cancel result, so the window closes after the topic opens.
    reject();
}
