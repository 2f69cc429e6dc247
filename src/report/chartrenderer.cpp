#include "report/chartrenderer.h"

#include <QPainter>

#include "report/chartmodel.h"

void renderChart(QPainter &p, const QRectF &area, const ChartModel &chart, QPointF pan)
{
    Q_UNUSED(chart);
    Q_UNUSED(pan);
    p.fillRect(area, Qt::white);
}
