#pragma once

#include <QPointF>
#include <QRectF>

class QPainter;
struct ChartModel;

// Draws `chart` into `area` of any paint device (screen, printer, PDF, SVG, image). The layout is
// made at 96 dots per inch and scaled to the device, so every target shows the same picture.
// `pan` moves the axes by that many layout pixels, as a mouse drag does on screen.
void renderChart(QPainter &p, const QRectF &area, const ChartModel &chart, QPointF pan = {});
