#include "report/ui/chartview.h"

#include <QMouseEvent>
#include <QPainter>

#include "report/chartrenderer.h"

ChartView::ChartView(const ChartModel &model, QWidget *parent) : QWidget(parent), m_model(&model)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
}

void ChartView::undoPan()
{
    m_pan = {};
    m_dragging = false;
    update();
}

void ChartView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    renderChart(p, QRectF(rect()), *m_model, m_pan);
}

void ChartView::mousePressEvent(QMouseEvent *event)
{
    if (!m_panEnabled || (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_dragging = true;
    m_dragStart = event->position();
    m_panAtDragStart = m_pan;
    setCursor(Qt::ClosedHandCursor);
}

void ChartView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    m_pan = m_panAtDragStart + (event->position() - m_dragStart);
    update();
}

void ChartView::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragging) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_dragging = false;
    unsetCursor();
}

bool ChartView::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && !m_hints)
        return true;
    return QWidget::event(event);
}
