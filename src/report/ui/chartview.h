#pragma once

#include <QPointF>
#include <QWidget>

#include "report/chartmodel.h"

// Shows one chart model; a mouse drag pans the axes (no zoom). Paints only while visible.
class ChartView final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChartView)

public:
    explicit ChartView(const ChartModel &model, QWidget *parent = nullptr);

    const ChartModel &model() const { return *m_model; }
    QPointF pan() const { return m_pan; }
    void setPanEnabled(bool on) { m_panEnabled = on; }
    // The axes back to their automatic ranges.
    void undoPan();
    // Whether hints (tool tips) may show over the chart.
    void setHintsEnabled(bool on) { m_hints = on; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    const ChartModel *m_model;
    QPointF m_pan;
    QPointF m_dragStart;
    QPointF m_panAtDragStart;
    bool m_dragging = false;
    bool m_panEnabled = true;
    bool m_hints = true;
};
