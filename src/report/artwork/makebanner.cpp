// Draws the report's 432 x 95 title banner (product name, maker's mark, subtitle) and writes it
// as a 24-bit PNG. Run once by hand when the artwork changes:
//   g++ -std=c++20 -fPIC makebanner.cpp $(pkg-config --cflags --libs Qt6Gui) -o makebanner
//   QT_QPA_PLATFORM=offscreen ./makebanner titlebanner.png
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString target = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("titlebanner.png");

    QImage image(432, 95, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QColor navy(16, 42, 96);
    const QColor teal(0, 128, 150);
    const QColor lime(120, 190, 32);

    // Maker's mark: a rounded tile with a "V" drawn as a rising wave.
    QLinearGradient tile(QPointF(8, 8), QPointF(80, 80));
    tile.setColorAt(0, QColor(30, 70, 150));
    tile.setColorAt(1, navy);
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(8, 8, 68, 62), 10, 10);
    QPainterPath mark;
    mark.moveTo(20, 22);
    mark.lineTo(36, 58);
    mark.lineTo(42, 58);
    mark.lineTo(64, 18);
    mark.lineTo(56, 18);
    mark.lineTo(39, 49);
    mark.lineTo(28, 22);
    mark.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(mark);
    p.setBrush(lime);
    p.drawEllipse(QPointF(60, 54), 5, 5);

    QFont maker(QStringLiteral("Arial"));
    maker.setPixelSize(11);
    maker.setBold(true);
    maker.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(maker);
    p.setPen(navy);
    p.drawText(QRectF(0, 74, 84, 14), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("VENDRAM"));

    // Product name and subtitle.
    QFont name(QStringLiteral("Arial"));
    name.setPixelSize(40);
    name.setBold(true);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(name);
    p.setPen(navy);
    p.drawText(QPointF(96, 46), QStringLiteral("PELNIX"));

    QFont sub(QStringLiteral("Arial"));
    sub.setPixelSize(14);
    sub.setBold(true);
    p.setFont(sub);
    p.setPen(teal);
    p.drawText(QPointF(97, 66), QStringLiteral("VFD Veriro Zarired Uviduzudu"));
    QFont sub2(QStringLiteral("Arial"));
    sub2.setPixelSize(12);
    p.setFont(sub2);
    p.setPen(QColor(70, 70, 70));
    p.drawText(QPointF(97, 82), QStringLiteral("for HVAC and Pumping Applications"));

    // Accent: a rising curve of savings on the right.
    QPainterPath curve;
    curve.moveTo(300, 52);
    curve.cubicTo(340, 50, 370, 36, 420, 12);
    QPen pen(lime, 4, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    p.setPen(QPen(teal, 2));
    p.drawLine(QPointF(96, 88), QPointF(424, 88));
    p.end();

    return image.save(target, "PNG") ? 0 : 1;
}
