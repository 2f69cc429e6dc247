#include "report/exportlayout.h"

#include "report/reportlayer.h"

QRectF DocumentTextFrameMm(const ReportPage &page, const ReportObject &object, double slackMm)
{
    QRectF rect = page.paperRect(object);
    if (object.kind == ReportObjectKind::MultiLineText)
        return rect;
    double needed = 0;
    for (const QString &line : ObjectLines(object))
        needed = std::max(needed, TextWidthMm(line, object.font));
    needed += 2 * ReportTextPadMm + slackMm;
    if (needed <= rect.width())
        return rect;
    if (object.alignment & Qt::AlignRight)
        rect.setLeft(rect.right() - needed);
    else if (object.alignment & Qt::AlignHCenter)
        rect = QRectF(rect.center().x() - needed / 2, rect.top(), needed, rect.height());
    else
        rect.setWidth(needed);
    return rect;
}
