#include "report/chartpainter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QPainterPath>

#include "report/charthatch.h"

namespace {

// Share of the space between two flow steps that a group of bars fills.
constexpr double BarGroupShare = 0.7;

} // namespace

// Depth lane of the series drawn `order`-th: the first drawn lies at the back.
std::pair<double, double> ChartPainter::lane(int order) const
{
    const double n = std::max<double>(1, static_cast<double>(m_plotted.size()));
    const double back = n - order;
    return {(back - 1 + 0.15) / n, (back - 0.15) / n};
}

void ChartPainter::drawSeries(const ChartProjection &proj)
{
    m_p.save();
    if (!m_pan.isNull()) {
        QPainterPath clip;
        clip.addPolygon(proj.outline());
        m_p.setClipPath(clip);
    }
    switch (m_chart.kind) {
    case SeriesKind::Area: drawArea(proj); break;
    case SeriesKind::Line: drawLine(proj, false); break;
    case SeriesKind::FastLine: drawLine(proj, true); break;
    case SeriesKind::Point: drawPoints(proj); break;
    case SeriesKind::Bar:
    case SeriesKind::HorizontalBar: drawBars(proj); break;
    }
    m_p.restore();
}

void ChartPainter::drawArea(const ChartProjection &proj)
{
    const double base = yAt(std::clamp(0.0, m_y.min, m_y.max), proj);
    for (const PlottedSeries &pl : m_plotted) {
        const ChartSeries &s = *pl.series;
        if (s.points.isEmpty())
            continue;
        std::vector<QPointF> pts;
        pts.reserve(static_cast<size_t>(s.points.size()));
        for (const QPointF &pt : s.points)
            pts.emplace_back(xAt(pt.x(), proj), yAt(pt.y(), proj));

        const auto [z0, z1] = proj.is3D() ? lane(pl.order) : std::pair<double, double>{0, 0};
        QPolygonF front;
        front << proj.map(pts.front().x(), base, z0);
        for (const QPointF &pt : pts)
            front << proj.map(pt.x(), pt.y(), z0);
        front << proj.map(pts.back().x(), base, z0);

        if (proj.is3D()) {
            const QPen edge(s.color.darker(160), std::max(0.5, 0.7 * m_scale));
            for (size_t i = 0; i + 1 < pts.size(); ++i)
                fillFace(m_p, proj.ribbon(pts[i], pts[i + 1], z0, z1), s.color.darker(118), HatchStyle::Solid, edge,
                         px(6));
            fillFace(m_p, proj.ribbon(QPointF(pts.back().x(), base), pts.back(), z0, z1), s.color.darker(145),
                     HatchStyle::Solid, edge, px(6));
        }
        m_p.setPen(outlinePen());
        m_p.setBrush(s.color);
        m_p.drawPolygon(front);
    }
}

void ChartPainter::drawLine(const ChartProjection &proj, bool fast)
{
    for (const PlottedSeries &pl : m_plotted) {
        const ChartSeries &s = *pl.series;
        if (s.points.isEmpty())
            continue;
        std::vector<QPointF> pts;
        for (const QPointF &pt : s.points)
            pts.emplace_back(xAt(pt.x(), proj), yAt(pt.y(), proj));

        if (proj.is3D() && !fast) {
            const auto [z0, z1] = lane(pl.order);
            const QPen edge(s.color.darker(170), std::max(0.5, 0.7 * m_scale));
            for (size_t i = 0; i + 1 < pts.size(); ++i) {
                // Rising parts face the viewer less: shade them a little darker.
                const bool rising = pts[i + 1].y() > pts[i].y();
                fillFace(m_p, proj.ribbon(pts[i], pts[i + 1], z0, z1), rising ? s.color.darker(125) : s.color,
                         HatchStyle::Solid, edge, px(6));
            }
            continue;
        }
        const double z = proj.is3D() ? (lane(pl.order).first + lane(pl.order).second) / 2 : 0;
        QPolygonF line;
        for (const QPointF &pt : pts)
            line << proj.map(pt.x(), pt.y(), z);
        QPen pen(s.color, fast ? 2 * std::max(0.75, m_scale) : 1.6 * std::max(0.75, m_scale));
        pen.setJoinStyle(Qt::RoundJoin);
        pen.setCapStyle(Qt::RoundCap);
        m_p.setPen(pen);
        m_p.setBrush(Qt::NoBrush);
        m_p.drawPolyline(line);
    }
}

void ChartPainter::drawPoints(const ChartProjection &proj)
{
    const double half = px(4.5);
    for (const PlottedSeries &pl : m_plotted) {
        const ChartSeries &s = *pl.series;
        std::vector<QPointF> pts;
        for (const QPointF &pt : s.points)
            pts.emplace_back(xAt(pt.x(), proj), yAt(pt.y(), proj));
        std::sort(pts.begin(), pts.end(), [](QPointF a, QPointF b) { return a.x() < b.x(); });
        const QPen pen = outlinePen();
        for (const QPointF &c : pts) {
            if (!proj.is3D()) {
                fillFace(m_p,
                         QPolygonF({proj.map(c.x() - half, c.y() - half, 0), proj.map(c.x() + half, c.y() - half, 0),
                                    proj.map(c.x() + half, c.y() + half, 0), proj.map(c.x() - half, c.y() + half, 0)}),
                         s.color, s.hatch, pen, px(3));
                continue;
            }
            // A small cube at the middle of the series' lane.
            const auto [l0, l1] = lane(pl.order);
            const double mid = (l0 + l1) / 2;
            const double dz = std::min((l1 - l0) / 2, half / std::max(1.0, proj.depth()));
            drawBox(proj, QRectF(QPointF(c.x() - half, c.y() - half), QPointF(c.x() + half, c.y() + half)),
                    mid - dz, mid + dz, s);
        }
    }
}

// A box from `box` (plot pixels, y up) at depth z0 to z1: the faces a viewer above and to the
// right sees, back ones first.
void ChartPainter::drawBox(const ChartProjection &proj, QRectF box, double z0, double z1, const ChartSeries &s)
{
    const double l = box.left(), r = box.right(), b = box.top(), t = box.bottom();
    const QPen pen = outlinePen(0.8);
    const double spacing = px(m_chart.kind == SeriesKind::Point ? 3 : 6);
    fillFace(m_p, QPolygonF({proj.map(l, t, z0), proj.map(r, t, z0), proj.map(r, t, z1), proj.map(l, t, z1)}),
             s.color.darker(115), s.hatch, pen, spacing);
    fillFace(m_p, QPolygonF({proj.map(r, b, z0), proj.map(r, t, z0), proj.map(r, t, z1), proj.map(r, b, z1)}),
             s.color.darker(145), s.hatch, pen, spacing);
    fillFace(m_p, QPolygonF({proj.map(l, b, z0), proj.map(r, b, z0), proj.map(r, t, z0), proj.map(l, t, z0)}), s.color,
             s.hatch, pen, spacing);
}

void ChartPainter::drawBars(const ChartProjection &proj)
{
    const bool horizontal = m_chart.horizontal;
    const int n = static_cast<int>(m_plotted.size());
    if (n == 0)
        return;

    struct Bar
    {
        QRectF box; // plot pixels, y up: top() is the lower edge
        const ChartSeries *series;
    };
    std::vector<Bar> bars;
    const AxisScale &valueScale = horizontal ? m_x : m_y;
    const double zero = std::clamp(0.0, valueScale.min, valueScale.max);
    const double group = m_flowSpacing * BarGroupShare;
    for (const PlottedSeries &pl : m_plotted) {
        // Bars of one flow step stand side by side in drawing order (top to bottom when horizontal).
        const double offset = -group / 2 + group * (horizontal ? n - 1 - pl.order : pl.order) / n;
        for (const QPointF &pt : pl.series->points) {
            const double flow = horizontal ? pt.y() : pt.x();
            const double value = horizontal ? pt.x() : pt.y();
            if (value == 0)
                continue;
            const double f0 = flow + offset, f1 = flow + offset + group / n;
            QRectF box;
            if (horizontal) {
                const double x0 = xAt(zero, proj), x1 = xAt(value, proj);
                box = QRectF(QPointF(std::min(x0, x1), yAt(f0, proj)), QPointF(std::max(x0, x1), yAt(f1, proj)));
            } else {
                const double y0 = yAt(zero, proj), y1 = yAt(value, proj);
                box = QRectF(QPointF(xAt(f0, proj), std::min(y0, y1)), QPointF(xAt(f1, proj), std::max(y0, y1)));
            }
            bars.push_back({box, pl.series});
        }
    }

    if (!proj.is3D()) {
        const QPen pen = outlinePen();
        for (const Bar &bar : bars) {
            const QRectF &r = bar.box;
            fillFace(m_p,
                     QPolygonF({proj.map(r.left(), r.top(), 0), proj.map(r.right(), r.top(), 0),
                                proj.map(r.right(), r.bottom(), 0), proj.map(r.left(), r.bottom(), 0)}),
                     bar.series->color, bar.series->hatch, pen, px(6));
        }
        return;
    }
    // Left to right and bottom to top, so nearer faces cover the sides and tops behind them.
    std::stable_sort(bars.begin(), bars.end(), [](const Bar &a, const Bar &b) {
        if (a.box.left() != b.box.left())
            return a.box.left() < b.box.left();
        return a.box.top() < b.box.top();
    });
    // A bar is about as deep as it is wide and stands at the front, where the axes are read.
    for (const Bar &bar : bars) {
        const double thickness = horizontal ? bar.box.height() : bar.box.width();
        const double dz = std::min(0.85, 1.2 * thickness / std::max(1.0, proj.depth()));
        drawBox(proj, bar.box, 0, dz, *bar.series);
    }
}
