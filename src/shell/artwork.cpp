#include "artwork.h"

#include <QConicalGradient>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace {

const QColor Navy(18, 48, 96);
const QColor Teal(0, 128, 140);
const QColor Leaf(88, 160, 48);

QImage blank(const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

// A fan wheel: hub and curved blades, the load a drive saves energy on.
void drawFan(QPainter &p, QPointF centre, double radius)
{
    p.save();
    p.translate(centre);
    QRadialGradient ring(QPointF(0, 0), radius);
    ring.setColorAt(0.0, QColor(230, 240, 250));
    ring.setColorAt(1.0, QColor(190, 210, 230));
    p.setPen(QPen(Navy, radius * 0.06));
    p.setBrush(ring);
    p.drawEllipse(QPointF(0, 0), radius, radius);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.rotate(i * 72.0);
        QPainterPath blade;
        blade.moveTo(0, -radius * 0.18);
        blade.cubicTo(radius * 0.55, -radius * 0.55, radius * 0.75, -radius * 0.15, radius * 0.82, radius * 0.05);
        blade.cubicTo(radius * 0.45, -radius * 0.05, radius * 0.25, radius * 0.05, 0, radius * 0.18);
        blade.closeSubpath();
        QLinearGradient g(0, 0, radius * 0.8, 0);
        g.setColorAt(0, Teal);
        g.setColorAt(1, Navy);
        p.setBrush(g);
        p.drawPath(blade);
        p.restore();
    }
    p.setBrush(Navy);
    p.drawEllipse(QPointF(0, 0), radius * 0.2, radius * 0.2);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0, 0), radius * 0.07, radius * 0.07);
    p.restore();
}

// A falling energy curve: the cube law that makes slowing a fan pay.
void drawCurve(QPainter &p, const QRectF &box)
{
    p.save();
    p.setPen(QPen(QColor(200, 205, 215), 1));
    for (int i = 0; i <= 4; ++i) {
        const double y = box.top() + box.height() * i / 4.0;
        p.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
    }
    QPainterPath cube;
    QPainterPath line;
    for (int i = 0; i <= 40; ++i) {
        const double x = i / 40.0;
        const QPointF a(box.left() + box.width() * x, box.bottom() - box.height() * x * x * x);
        const QPointF b(box.left() + box.width() * x, box.bottom() - box.height() * (0.55 + 0.45 * x));
        if (i == 0) {
            cube.moveTo(a);
            line.moveTo(b);
        } else {
            cube.lineTo(a);
            line.lineTo(b);
        }
    }
    QPainterPath saved = line;
    for (int i = 40; i >= 0; --i) {
        const double x = i / 40.0;
        saved.lineTo(box.left() + box.width() * x, box.bottom() - box.height() * x * x * x);
    }
    QColor fill = Leaf;
    fill.setAlpha(70);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(saved);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(190, 60, 50), 2.5));
    p.drawPath(line);
    p.setPen(QPen(Leaf.darker(120), 3));
    p.drawPath(cube);
    p.restore();
}

void drawTitle(QPainter &p, const QRectF &box, double scale)
{
    p.save();
    QFont big(QStringLiteral("Sans Serif"));
    big.setBold(true);
    big.setPixelSize(std::max(8, int(48 * scale)));
    p.setFont(big);
    p.setPen(Navy);
    p.drawText(box.adjusted(0, 0, 0, -box.height() * 0.45), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("PELNIX"));
    QFont small(QStringLiteral("Sans Serif"));
    small.setPixelSize(std::max(6, int(17 * scale)));
    p.setFont(small);
    p.setPen(Teal);
    p.drawText(box.adjusted(0, box.height() * 0.58, 0, 0), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Veriro Zarired Uviduzudu"));
    QFont maker(QStringLiteral("Sans Serif"));
    maker.setPixelSize(std::max(6, int(12 * scale)));
    p.setFont(maker);
    p.setPen(QColor(110, 115, 125));
    p.drawText(box.adjusted(0, box.height() * 0.80, 0, 0), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("VENDRAM  \u2022  Variable Frequency Drives"));
    p.restore();
}

} // namespace

QImage programPicture(const QSize &size)
{
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    const double scale = std::min(w / 570.0, h / 180.0);
    QLinearGradient band(0, h * 0.88, 0, h);
    band.setColorAt(0, Teal);
    band.setColorAt(1, Navy);
    p.fillRect(QRectF(0, h * 0.9, w, h * 0.1), band);
    const double r = h * 0.36;
    drawFan(p, QPointF(w * 0.5 - 200 * scale, h * 0.45), r);
    drawTitle(p, QRectF(w * 0.5 - 110 * scale, h * 0.1, 300 * scale, h * 0.72), scale);
    drawCurve(p, QRectF(w * 0.5 + 170 * scale, h * 0.18, 95 * scale, h * 0.55));
    return image;
}

QImage productPicture(const QSize &size)
{
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    const double scale = std::min(w / 500.0, h / 350.0);
    QLinearGradient top(0, 0, 0, h * 0.42);
    top.setColorAt(0, QColor(232, 242, 250));
    top.setColorAt(1, Qt::white);
    p.fillRect(QRectF(0, 0, w, h * 0.42), top);
    drawFan(p, QPointF(w * 0.18, h * 0.22), 52 * scale);
    drawTitle(p, QRectF(w * 0.34, h * 0.04, w * 0.62, h * 0.32), scale * 0.8);
    p.fillRect(QRectF(0, h * 0.95, w, h * 0.05), Navy);
    return image;
}

QImage webLinkPicture(const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(2, 2, -2, -2);
    p.setPen(QPen(Teal, std::max(1.0, r.width() / 16)));
    p.setBrush(QColor(235, 245, 250));
    p.drawEllipse(r);
    p.drawEllipse(r.adjusted(r.width() * 0.3, 0, -r.width() * 0.3, 0));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    return image;
}

QImage stepMarkerPicture(const QSize &size, int number)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1, 1, -1, -1);
    p.setPen(QPen(QColor(150, 120, 0), 1));
    p.setBrush(QColor(255, 214, 0));
    p.drawRect(r);
    QFont f(QStringLiteral("Sans Serif"));
    f.setBold(true);
    f.setPixelSize(std::max(6, int(r.height() * 0.7)));
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter, QString::number(number));
    return image;
}
