#include "analysis/ui/fanform.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "analysis/ui/analysisfield.h"
#include "report/ui/graphpanel.h"
#include "report/ui/reportpanel.h"
#include "shell/appstate.h"

namespace {

constexpr int DesignWidth = 775;
constexpr int DesignHeight = 500;
} // namespace

TFANFORM::TFANFORM(AppState &state, QWidget *parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("FANFORM"));
    setWindowTitle(DesignCaption());
    setModal(true);
    resize(DesignWidth, DesignHeight);
    m_tags.fill(PlaceholderTag);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setDocumentMode(false);
    // The graph page is built before the report page, which draws its charts.
    QWidget *customer = buildCustomerPage();
    QWidget *system = buildSystemDataPage();
    QWidget *estimation = buildEstimationPage();
    QWidget *graphs = buildGraphPage();
    QWidget *report = buildReportPage();
    const std::array<QWidget *, AnalysisPageCount> pages{customer, system, estimation, graphs, report};
    for (int page = 0; page < AnalysisPageCount; ++page) {
        pages[static_cast<size_t>(page)]->setObjectName(QStringLiteral("cxTabSheet%1").arg(page + 1));
        m_pages->addTab(pages[static_cast<size_t>(page)], PageCaption(page));
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_pages);

    connect(m_pages, &QTabWidget::currentChanged, this, &TFANFORM::PageControl1Change);

    BindParameterFields();
    // The fields hold the table's values from the start, so no check ever sees them empty.
    set_fields(0);
    showPage(static_cast<int>(AnalysisPage::Customer));
    m_state.analysisFormReady = true;
}

TFANFORM::~TFANFORM() = default;

void TFANFORM::setSaveCommand(std::function<void()> save)
{
    m_save = std::move(save);
}

void TFANFORM::setOverviewWindow(TCALCREP *window)
{
    m_overview = window;
}

void TFANFORM::setSetupDialog(SetupDialog *dialog)
{
    m_setup = dialog;
}

void TFANFORM::setGraphTypeDialog(GraphTypeDialog *dialog)
{
    m_graphPanel->setGraphTypeDialog(dialog);
}

void TFANFORM::setEmailDialog(EmailDialog *dialog)
{
    m_reportPanel->setEmailDialog(dialog);
}

QString TFANFORM::text(ProjectText which) const
{
    return m_texts[static_cast<size_t>(which)]->text();
}

void TFANFORM::setText(ProjectText which, const QString &text)
{
    AnalysisField *field = m_texts[static_cast<size_t>(which)];
    field->setText(text);
    // A text from a file may be longer than the field: show its beginning.
    field->setCursorPosition(0);
}

// --- Window events ---------------------------------------------------------------------------

bool TFANFORM::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowActivate: BindParameterFields(); break;
    case QEvent::WindowDeactivate: FormDeactivate(); break;
    default: break;
    }
    return QDialog::event(event);
}

void TFANFORM::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFANFORM::hideEvent(QHideEvent *event)
{
    // Closing the window hands the values to the table like any other deactivation.
    FormDeactivate();
    QDialog::hideEvent(event);
}

void TFANFORM::keyPressEvent(QKeyEvent *event)
{
    // Escape presses the page's "Go Back" (which on the first page closes the window).
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (QPushButton *back = m_goBack[static_cast<size_t>(m_pages->currentIndex())]) {
            back->animateClick();
            event->accept();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void TFANFORM::FormDeactivate()
{
    set_fields(1);
}

void TFANFORM::showMessageBoxFirst()
{
    // A message box in front deactivates the window: the values move to the table first.
    FormDeactivate();
}

void TFANFORM::FormShow()
{
    m_graphPanel->setChartHints(false);
    ShowCustomerNote();
    showPage(static_cast<int>(AnalysisPage::Customer));
    raise();
    activateWindow();
    if (m_state.analysisFormReady)
        set_fields(0);
    m_driveEfficiency->setText(DriveEfficiencyText(m_state.options.driveEfficiency()));
    ShowDutyTotal();
    if (CheckDutyTotal()) {
        const QString caption = ApplicationCaption(m_state.record.applicationKind);
        if (!caption.isEmpty())
            setWindowTitle(caption);
        // ShowDutyTotal has just made this estimation and reported any refusal.
        if (runEstimation(false))
            showEstimationPage();
    }
    m_graphPanel->prepareForShow();
}

