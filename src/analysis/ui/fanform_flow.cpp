// The duty-cycle check, the page flow and the method buttons of the analysis window.
#include "analysis/ui/fanform.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "analysis/ui/analysisfield.h"
#include "data/helprouter.h"
#include "data/messageservice.h"
#include "engine/payback.h"
#include "engine/ui/calcrep.h"
#include "report/ui/dutychartview.h"
#include "report/ui/graphpanel.h"
#include "setup/ui/setupdialog.h"
#include "shell/appstate.h"

namespace {

constexpr int FanKind = 1;
constexpr int PumpKind = 2;
// L1: "Show Customer Information on final report".
constexpr int ShowCustomerOption = 1;

bool isApplicationKind(int kind)
{
    return kind == FanKind || kind == PumpKind;
}

} // namespace

// --- Duty cycle ------------------------------------------------------------------------------

bool TFANFORM::CheckDutyTotal()
{
    m_state.results.dutyTexts = DutyWorkingCopy(dutyFieldTexts());
    const int sum = DutyTotal(m_state.results.dutyTexts);
    if (sum == RequiredDutyTotal)
        return true;
    showMessageBoxFirst();
    m_state.messages.error(DutyTotalMessage(sum));
    return false;
}

void TFANFORM::ShowDutyTotal()
{
    m_state.results.dutyTexts = DutyWorkingCopy(dutyFieldTexts());
    const int sum = DutyTotal(m_state.results.dutyTexts);
    const bool right = sum == RequiredDutyTotal;
    m_dutyChart->setBarsBlue(right);
    m_dutyTotal->setText(DutyTotalLabelText(sum));
    QPalette palette = m_dutyTotal->palette();
    palette.setColor(QPalette::WindowText, right ? Qt::black : Qt::red);
    m_dutyTotal->setPalette(palette);
    if (right)
        RefreshResults();
}

void TFANFORM::RefreshResults()
{
    refresh();
}

bool TFANFORM::refresh()
{
    const bool refreshed = CheckDutyTotal() && runEstimation(true);
    if (refreshed) {
        showEstimationPage();
        m_graphPanel->drawSelectedGraph();
    }
    m_dutyChart->redraw(m_state.record.applicationKind);
    return refreshed;
}

bool TFANFORM::calculate(bool reportRefusal)
{
    // A window shown with no application chosen has nothing to estimate.
    const int kind = m_state.record.applicationKind;
    if (!isApplicationKind(kind))
        return false;
    if (const auto refused = CalculateEstimation(kind, systemDataTexts(), m_state.options, m_state.results)) {
        if (reportRefusal) {
            showMessageBoxFirst();
            m_state.messages.error(refused->message);
        }
        return false;
    }
    return true;
}

bool TFANFORM::runEstimation(bool reportRefusal)
{
    if (!calculate(reportRefusal))
        return false;
    ShowEstimation(m_state.record.applicationKind, m_state.results, m_state.options, m_state.thousandSep(),
                   m_state.page);
    return true;
}

void TFANFORM::BitBtn19Click()
{
    const DutyTexts &defaults = DefaultDutyTexts();
    for (int step = 0; step < FlowStepCount; ++step)
        parameterField(10 + step)->setText(defaults[static_cast<size_t>(step)]);
    ShowDutyTotal();
}

void TFANFORM::ShowCustomerNote()
{
    const bool visible = !m_state.options.flag(ShowCustomerOption);
    for (QLabel *note : m_notes)
        note->setVisible(visible);
}

void TFANFORM::BitBtn20Click()
{
    for (ProjectText which : {ProjectText::Company, ProjectText::Name, ProjectText::Title, ProjectText::Address,
                              ProjectText::CityStateZip, ProjectText::Country, ProjectText::Telephone,
                              ProjectText::Fax, ProjectText::Email, ProjectText::ProjectName})
        setText(which, QString());
}

// --- Page flow -------------------------------------------------------------------------------

void TFANFORM::showPage(int page)
{
    // A page chosen by the program runs no check of its own: only a tab choice does.
    m_programPageChange = true;
    m_pages->setCurrentIndex(page);
    m_programPageChange = false;
    applyPageButtons(page);
}

void TFANFORM::applyPageButtons(int page)
{
    for (int p = 0; p < AnalysisPageCount; ++p) {
        if (QPushButton *forward = m_forward[static_cast<size_t>(p)])
            forward->setDefault(p == page);
    }
}

void TFANFORM::CONTINUECLICK()
{
    commitFocusedField();
    // A refused estimation keeps the page like a wrong duty cycle does.
    if (!CheckDutyTotal() || !refresh())
        return;
    showPage(PageAfterContinue(m_pages->currentIndex()));
}

void TFANFORM::GOBACKCLICK()
{
    commitFocusedField();
    // A refused estimation keeps the page like a wrong duty cycle does.
    if (!CheckDutyTotal() || !refresh())
        return;
    showPage(PageAfterGoBack(m_pages->currentIndex()));
}

void TFANFORM::PageControl1Change(int index)
{
    if (m_programPageChange)
        return;
    applyPageButtons(index);
    if (!m_state.analysisFormReady)
        return;
    if (!CheckDutyTotal() || !refresh())
        showPage(static_cast<int>(AnalysisPage::SystemData));
}

void TFANFORM::helpClick(int page)
{
    if (m_state.help)
        m_state.help->showTopic(PageHelpTopic(page));
}

void TFANFORM::BitBtn18Click()
{
    if (!m_setup)
        return;
    FormDeactivate();
    m_setup->openOnReportLayout();
}

void TFANFORM::BitBtn14Click()
{
    commitFocusedField();
    set_fields(1);
    if (m_save)
        m_save();
}

void TFANFORM::methodButtonClick(MethodButton button)
{
    if (button == MethodButton::Line1) {
        showMessageBoxFirst();
        m_state.messages.information(NoSpeedControlMessage());
        return;
    }
    if (!CheckDutyTotal())
        return;
    const int kind = m_state.record.applicationKind;
    const std::optional<OverviewChoice> choice = MethodButtonOverview(button, kind);
    if (!choice)
        return;
    if (!calculate(true))
        return;
    m_state.overviewKind = choice->kind;
    m_state.overviewMethod = choice->method;
    if (m_overview) {
        FormDeactivate();
        m_overview->exec();
    }
}
