#include "report/htmlwriter.h"

#include <QBuffer>
#include <QImage>

#include "report/exportfile.h"
#include "report/exportlayout.h"
#include "report/reportlayer.h"

namespace {

constexpr double BrowserSlackMm = 3.0;

QString mm(double value)
{
    return QString::number(value, 'f', 2) + QStringLiteral("mm");
}

QString boxStyle(const QRectF &rect)
{
    return QStringLiteral("left:%1;top:%2;width:%3;height:%4")
        .arg(mm(rect.left()), mm(rect.top()), mm(rect.width()), mm(rect.height()));
}

QString textBlock(const ReportPage &page, const ReportObject &object)
{
    const QStringList lines = ObjectLines(object);
    if (lines.isEmpty())
        return {};
    const QRectF frame = DocumentTextFrameMm(page, object, BrowserSlackMm);
    QString style = boxStyle(frame) + QStringLiteral(";font-size:%1pt;line-height:%2")
                                          .arg(object.font.pointSize)
                                          .arg(mm(LineHeightMm(object.font)));
    if (object.font.bold)
        style += QStringLiteral(";font-weight:bold");
    if (object.font.underline)
        style += QStringLiteral(";text-decoration:underline");
    if (object.alignment & Qt::AlignRight)
        style += QStringLiteral(";text-align:right");
    else if (object.alignment & Qt::AlignHCenter)
        style += QStringLiteral(";text-align:center");
    QStringList escaped;
    for (const QString &line : lines)
        escaped << line.toHtmlEscaped();
    return QStringLiteral("<div class=\"t\" id=\"%1\" style=\"%2\">%3</div>\n")
        .arg(object.name.toHtmlEscaped(), style, escaped.join(QStringLiteral("<br/>")));
}

QString pictureBlock(const ReportPage &page, const ReportObject &object, int dotsPerInch)
{
    if (object.picture.isNull())
        return {};
    const QRectF placed = PictureRectMm(object, page.paperRect(object));
    QString source;
    if (object.picture.isSvg()) {
        source = QStringLiteral("data:image/svg+xml;base64,") + QString::fromLatin1(object.picture.svg().toBase64());
    } else {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage image = object.picture.image();
        const QSize pixels(qRound(placed.width() / 25.4 * dotsPerInch), qRound(placed.height() / 25.4 * dotsPerInch));
        if (image.width() > pixels.width() * 2 && pixels.width() > 0)
            image = image.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        image.save(&buffer, "PNG");
        source = QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
    }
    return QStringLiteral("<img id=\"%1\" alt=\"\" style=\"%2\" src=\"%3\"/>\n")
        .arg(object.name.toHtmlEscaped(), boxStyle(placed), source);
}

QString frameBlock(const ReportPage &page, const ReportObject &object)
{
    const QString kind = object.kind == ReportObjectKind::Panel ? QStringLiteral("panel") : QStringLiteral("box");
    return QStringLiteral("<div class=\"%1\" id=\"%2\" style=\"%3\"></div>\n")
        .arg(kind, object.name.toHtmlEscaped(), boxStyle(page.paperRect(object)));
}

} // namespace

QByteArray HtmlDocument(const PreparedReport &report, const ExportOptions &options)
{
    const QSizeF paper = report.pages.empty() ? QSizeF(215.9, 279.4) : report.pages.front().page.paperMm;
    QString html = QStringLiteral(
        "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n<head>\n"
        "<meta charset=\"utf-8\"/>\n<title>Standard Report</title>\n<style>\n"
        "@page { size: letter; margin: 0; }\n"
        "body { margin: 0; padding: 8mm 0; background: #808080; }\n"
        ".page { position: relative; overflow: hidden; background: #fff; margin: 0 auto 8mm; "
        "box-shadow: 0 1mm 4mm rgba(0,0,0,0.4); width: %1; height: %2; }\n"
        ".page > * { position: absolute; margin: 0; box-sizing: border-box; }\n"
        ".t { font-family: Arial, 'Liberation Sans', Helvetica, sans-serif; color: #000; white-space: pre; "
        "padding: 0.3mm 0.5mm 0 0.5mm; overflow: visible; }\n"
        ".box { border: 1px solid #c0c0c0; }\n"
        ".panel { border: 1px solid #000; background: #fff; }\n"
        "@media print { body { background: none; padding: 0; } .page { margin: 0; box-shadow: none; "
        "page-break-after: always; } }\n"
        "</style>\n</head>\n<body>\n")
                       .arg(mm(paper.width()), mm(paper.height()));
    for (const PreparedPage &prepared : report.pages) {
        const ReportPage &page = prepared.page;
        html += QStringLiteral("<div class=\"page\" id=\"page%1\">\n").arg(prepared.number);
        // Panels first: they lie behind the objects placed on them.
        for (const ReportObject &object : page.objects)
            if (object.visible && object.kind == ReportObjectKind::Panel)
                html += frameBlock(page, object);
        for (const ReportObject &object : page.objects) {
            if (!object.visible || object.kind == ReportObjectKind::Panel)
                continue;
            if (object.kind == ReportObjectKind::Box)
                html += frameBlock(page, object);
            else if (object.kind == ReportObjectKind::Picture)
                html += pictureBlock(page, object, options.dotsPerInch);
            else
                html += textBlock(page, object);
        }
        html += QStringLiteral("</div>\n");
    }
    html += QStringLiteral("</body>\n</html>\n");
    return html.toUtf8();
}

ExportResult WriteHtmlReport(const PreparedReport &report, const QString &fileName, const ExportOptions &options,
                             const ExportProgress &progress)
{
    return WriteDocumentExport(fileName, HtmlDocument(report, options), report.pageCount(), progress);
}
