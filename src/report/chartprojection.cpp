#include "report/chartprojection.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;
// Depth of the box at 100 %, as a share of the smaller plot side.
constexpr double FullDepthShare = 0.7;
// The oblique view draws depth at 45 degrees; the rotated view looks down at 15 degrees.
constexpr double ObliqueShare = 0.70710678;
constexpr double ElevationDegrees = 15;

} // namespace

ChartProjection::ChartProjection(const QRectF &plot, const View3D &view)
    : m_width(plot.width()), m_height(plot.height()), m_depth(0)
{
    if (view.on) {
        const int depth = std::clamp(view.depth, 1, 100);
        m_depth = depth / 100.0 * FullDepthShare * std::min(m_width, m_height);
        if (view.orthogonal) {
            m_cx = ObliqueShare;
            m_cy = ObliqueShare;
        } else {
            const double turn = (360 - std::clamp(view.rotation, 270, 360)) * Pi / 180;
            const double tilt = ElevationDegrees * Pi / 180;
            m_ax = std::cos(turn);
            m_cx = std::sin(turn);
            m_ay = -std::sin(turn) * std::sin(tilt);
            m_by = std::cos(tilt);
            m_cy = std::cos(turn) * std::sin(tilt);
        }
    }

    // Fit the projected box into the plot; never enlarge beyond the flat chart.
    double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
    for (double x : {0.0, m_width})
        for (double y : {0.0, m_height})
            for (double z : {0.0, 1.0}) {
                const QPointF r = raw(x, y, z);
                minX = std::min(minX, r.x());
                maxX = std::max(maxX, r.x());
                minY = std::min(minY, r.y());
                maxY = std::max(maxY, r.y());
            }
    const double boxWidth = std::max(1e-9, maxX - minX);
    const double boxHeight = std::max(1e-9, maxY - minY);
    m_scaleX = std::min(1.0, m_width / boxWidth);
    m_scaleY = std::min(1.0, m_height / boxHeight);
    const double left = plot.left() + (m_width - boxWidth * m_scaleX) / 2;
    const double bottom = plot.bottom() - (m_height - boxHeight * m_scaleY) / 2;
    m_origin = QPointF(left - minX * m_scaleX, bottom + minY * m_scaleY);
}

QPointF ChartProjection::raw(double x, double y, double z) const
{
    const double depth = z * m_depth;
    return {m_ax * x + m_bx * y + m_cx * depth, m_ay * x + m_by * y + m_cy * depth};
}

QPointF ChartProjection::map(double x, double y, double z) const
{
    const QPointF r = raw(x, y, z);
    return {m_origin.x() + r.x() * m_scaleX, m_origin.y() - r.y() * m_scaleY};
}

QPolygonF ChartProjection::outline() const
{
    std::array<QPointF, 8> corners;
    size_t n = 0;
    for (double x : {0.0, m_width})
        for (double y : {0.0, m_height})
            for (double z : {0.0, 1.0})
                corners[n++] = map(x, y, z);
    // Convex hull (monotone chain) of the eight corners.
    std::sort(corners.begin(), corners.end(), [](QPointF a, QPointF b) {
        return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
    });
    auto cross = [](QPointF o, QPointF a, QPointF b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
    QPolygonF hull;
    for (int pass = 0; pass < 2; ++pass) {
        const qsizetype start = hull.size();
        for (size_t k = 0; k < corners.size(); ++k) {
            const QPointF p = pass == 0 ? corners[k] : corners[corners.size() - 1 - k];
            while (hull.size() >= start + 2 && cross(hull[hull.size() - 2], hull.back(), p) <= 0)
                hull.removeLast();
            hull.append(p);
        }
        hull.removeLast();
    }
    return hull;
}

QPolygonF ChartProjection::ribbon(QPointF a, QPointF b, double z0, double z1) const
{
    return QPolygonF({map(a.x(), a.y(), z0), map(b.x(), b.y(), z0), map(b.x(), b.y(), z1), map(a.x(), a.y(), z1)});
}
