#include "reportthumbnail.h"

#include <QPainter>

void drawNumberBadge(QPainter &painter, const QPointF &centre, qreal radius, int number)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x80, 0, 0), 1));
    painter.setBrush(QColor(0xd0, 0x20, 0x20));
    painter.drawEllipse(centre, radius, radius);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(static_cast<int>(radius * 1.3));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), Qt::AlignCenter,
                     QString::number(number));
    painter.restore();
}

ReportThumbnail::ReportThumbnail(QWidget *parent) : QWidget(parent)
{
    setFixedSize(sizeHint());
}

void ReportThumbnail::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRectF page = QRectF(rect()).adjusted(2, 2, -5, -5);
    // Page with a drop shadow, letter proportions.
    p.fillRect(page.translated(3, 3), QColor(0x80, 0x80, 0x80));
    p.fillRect(page, Qt::white);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawRect(page);

    const qreal w = page.width();
    const qreal left = page.left() + w * 0.08;
    const qreal right = page.right() - w * 0.08;
    const QColor ink(0x70, 0x70, 0x70);
    const QColor blockInk(0x20, 0x40, 0x90);

    // Company block, top left.
    const QRectF company(left, page.top() + 10, w * 0.42, 26);
    p.fillRect(company, QColor(0xdd, 0xe6, 0xf6));
    p.setPen(blockInk);
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(company.left() + 3, company.top() + 5 + i * 5.5),
                   QPointF(company.right() - 3 - (i % 2) * 12, company.top() + 5 + i * 5.5));

    // Title bar across the page.
    p.fillRect(QRectF(left, page.top() + 44, right - left, 8), QColor(0x90, 0x90, 0x90));

    // Preparer block, right.
    const QRectF preparer(page.left() + w * 0.55, page.top() + 60, right - page.left() - w * 0.55, 24);
    p.fillRect(preparer, QColor(0xdd, 0xe6, 0xf6));
    p.setPen(blockInk);
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(preparer.left() + 3, preparer.top() + 5 + i * 6),
                   QPointF(preparer.right() - 3 - (i % 2) * 10, preparer.top() + 5 + i * 6));

    // Body text and a small chart.
    p.setPen(ink);
    for (qreal y = page.top() + 94; y < page.top() + 130; y += 5)
        p.drawLine(QPointF(left, y), QPointF(y > page.top() + 120 ? left + (right - left) * 0.6 : right, y));
    const QRectF chart(left, page.top() + 136, right - left, page.bottom() - page.top() - 146);
    p.drawRect(chart);
    const qreal barWidth = chart.width() / 13;
    for (int i = 0; i < 6; ++i) {
        const qreal h = chart.height() * (0.85 - i * 0.12);
        p.fillRect(QRectF(chart.left() + barWidth * (1 + 2 * i), chart.bottom() - h, barWidth, h),
                   i == 0 ? QColor(0x30, 0x90, 0x30) : QColor(0x50, 0x70, 0xb0));
    }

    drawNumberBadge(p, QPointF(company.right() + 8, company.top() + 6), 7, 1);
    drawNumberBadge(p, QPointF(preparer.left() - 8, preparer.top() + 6), 7, 2);
}

NumberBadge::NumberBadge(QWidget *parent) : QWidget(parent)
{
    setFixedSize(sizeHint());
}

void NumberBadge::setNumber(int number)
{
    m_number = number;
    update();
}

void NumberBadge::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    drawNumberBadge(p, QRectF(rect()).center(), 9, m_number);
}
