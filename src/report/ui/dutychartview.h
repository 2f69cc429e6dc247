#pragma once

#include <QWidget>

#include "report/chartmodel.h"

struct AppState;
class ChartView;

// The duty-cycle chart of the "System Data" page (objectName "DutyChart").
class DutyChartView final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DutyChartView)

public:
    explicit DutyChartView(AppState &state, QWidget *parent = nullptr);

    // Fills the bars from the duty percents of the last estimation of application kind `kind`.
    void redraw(int kind);
    // Blue while the duty cycle adds up to 100, red otherwise.
    void setBarsBlue(bool blue);
    bool barsBlue() const { return m_blue; }
    const ChartModel &model() const { return m_model; }

private:
    AppState &m_state;
    ChartModel m_model;
    ChartView *m_view;
    bool m_blue = true;
};
