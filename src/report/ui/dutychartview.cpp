#include "report/ui/dutychartview.h"

#include <QVBoxLayout>

#include "report/energygraphs.h"
#include "report/ui/chartview.h"
#include "shell/appstate.h"

DutyChartView::DutyChartView(AppState &state, QWidget *parent)
    : QWidget(parent), m_state(state), m_model(dutyChartModel(1, state.results, true)),
      m_view(new ChartView(m_model, this))
{
    setObjectName(QStringLiteral("DutyChart"));
    m_view->setObjectName(QStringLiteral("DutySeries1"));
    m_view->setPanEnabled(false);
    m_view->setMinimumSize(160, 120);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    m_model.thousandSep = state.thousandSep();
}

void DutyChartView::redraw(int kind)
{
    m_model = dutyChartModel(kind, m_state.results, m_blue);
    m_model.thousandSep = m_state.thousandSep();
    m_view->update();
}

void DutyChartView::setBarsBlue(bool blue)
{
    m_blue = blue;
    m_model.series[0].color = blue ? QColor(0, 0, 255) : QColor(255, 0, 0);
    m_view->update();
}
