#include "report/charthatch.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QPainter>

namespace {

struct Direction
{
    double dx;
    double dy;
};

// Line directions of a hatch in screen coordinates (y down).
std::vector<Direction> hatchDirections(HatchStyle hatch)
{
    switch (hatch) {
    case HatchStyle::BackwardDiagonal: return {{1, 1}};
    case HatchStyle::ForwardDiagonal: return {{1, -1}};
    case HatchStyle::Cross: return {{1, 0}, {0, 1}};
    case HatchStyle::DiagonalCross: return {{1, 1}, {1, -1}};
    case HatchStyle::Horizontal: return {{1, 0}};
    case HatchStyle::Solid: break;
    }
    return {};
}

double signedArea(const QPolygonF &poly)
{
    double area = 0;
    for (qsizetype i = 0; i < poly.size(); ++i) {
        const QPointF &a = poly[i];
        const QPointF &b = poly[(i + 1) % poly.size()];
        area += a.x() * b.y() - b.x() * a.y();
    }
    return area / 2;
}

} // namespace

bool clipToConvex(QPointF &a, QPointF &b, const QPolygonF &poly)
{
    if (poly.size() < 3)
        return false;
    const double orientation = signedArea(poly) >= 0 ? 1 : -1;
    const QPointF d = b - a;
    double tEnter = 0, tLeave = 1;
    for (qsizetype i = 0; i < poly.size(); ++i) {
        const QPointF &p0 = poly[i];
        const QPointF &p1 = poly[(i + 1) % poly.size()];
        const QPointF edge = p1 - p0;
        // Inward normal of the edge.
        const QPointF normal(-edge.y() * orientation, edge.x() * orientation);
        const double denom = normal.x() * d.x() + normal.y() * d.y();
        const double num = normal.x() * (a.x() - p0.x()) + normal.y() * (a.y() - p0.y());
        if (std::abs(denom) < 1e-12) {
            if (num < 0)
                return false;
            continue;
        }
        const double t = -num / denom;
        if (denom > 0)
            tEnter = std::max(tEnter, t);
        else
            tLeave = std::min(tLeave, t);
        if (tEnter > tLeave)
            return false;
    }
    const QPointF start = a + d * tEnter;
    b = a + d * tLeave;
    a = start;
    return true;
}

void fillFace(QPainter &p, const QPolygonF &face, const QColor &color, HatchStyle hatch, const QPen &outline,
              double spacing)
{
    if (hatch == HatchStyle::Solid) {
        p.setPen(outline);
        p.setBrush(color);
        p.drawPolygon(face);
        return;
    }

    // A pale ground keeps the colour recognisable on screen and nearly white on a B/W printer.
    const QColor ground((color.red() + 5 * 255) / 6, (color.green() + 5 * 255) / 6, (color.blue() + 5 * 255) / 6);
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    p.drawPolygon(face);

    const QColor ink = color.lightness() > 100 ? color.darker(170) : color;
    const QRectF box = face.boundingRect();
    const double reach = box.width() + box.height();
    const QPointF centre = box.center();
    QPen pen(ink, std::max(0.6, spacing / 6));
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    for (const Direction &dir : hatchDirections(hatch)) {
        const double len = std::hypot(dir.dx, dir.dy);
        const QPointF along(dir.dx / len, dir.dy / len);
        const QPointF across(-along.y(), along.x());
        // Lines sit on a grid anchored at the page origin so neighbouring faces line up.
        const double offset0 = centre.x() * across.x() + centre.y() * across.y();
        const double firstK = std::floor((offset0 - reach) / spacing);
        const double lastK = std::ceil((offset0 + reach) / spacing);
        for (double k = firstK; k <= lastK; k += 1) {
            const double shift = k * spacing - offset0;
            const QPointF mid = centre + across * shift;
            QPointF a = mid - along * reach;
            QPointF b = mid + along * reach;
            if (clipToConvex(a, b, face))
                p.drawLine(a, b);
        }
    }
    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(face);
}
