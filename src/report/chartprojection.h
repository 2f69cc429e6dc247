#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QRectF>

#include "report/chartmodel.h"

// Maps the chart's box onto the page: x across the plot, y up the plot (both in plot pixels from
// the front bottom-left corner) and z into the depth as a fraction 0 (front) … 1 (back). In 2D z
// is ignored. The box is fitted into `plot` so walls and series never leave it.
class ChartProjection
{
public:
    ChartProjection(const QRectF &plot, const View3D &view);

    QPointF map(double x, double y, double z) const;
    double width() const { return m_width; }
    double height() const { return m_height; }
    bool is3D() const { return m_depth > 0; }
    // The depth of the box in plot pixels (0 in 2D).
    double depth() const { return m_depth; }
    // Outline of the whole projected box, for clipping a panned chart.
    QPolygonF outline() const;
    // Quad at constant z between two (x, y) points and their copies at `z1`.
    QPolygonF ribbon(QPointF a, QPointF b, double z0, double z1) const;

private:
    QPointF raw(double x, double y, double z) const;

    double m_width;
    double m_height;
    double m_depth;
    // Linear part: screen x = ax·x + bx·y + cx·z, screen y (up) = ay·x + by·y + cy·z.
    double m_ax = 1, m_bx = 0, m_cx = 0;
    double m_ay = 0, m_by = 1, m_cy = 0;
    double m_scaleX = 1, m_scaleY = 1;
    QPointF m_origin; // where raw (0, 0) lands on the page
};
