#include "report/rtfwriter.h"

#include <QBuffer>
#include <QImage>

#include "report/exportfile.h"
#include "report/exportlayout.h"
#include "report/reportlayer.h"

namespace {

constexpr double TwipsPerMm = 1440.0 / 25.4;
constexpr double WordSlackMm = 3.0;

int twips(double mm)
{
    return qRound(mm * TwipsPerMm);
}

// RTF text: control characters escaped, everything beyond ASCII as \uN with a "?" fallback.
QByteArray rtfText(const QString &text)
{
    QByteArray out;
    for (const QChar ch : text) {
        const ushort u = ch.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += static_cast<char>(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u >= 0x20 && u < 0x80) {
            out += static_cast<char>(u);
        } else if (u >= 0x80) {
            out += "\\u" + QByteArray::number(static_cast<short>(u)) + '?';
        }
    }
    return out;
}

QByteArray framePosition(const QRectF &mm)
{
    return "\\pvpg\\phpg\\posx" + QByteArray::number(twips(mm.left())) + "\\posy" + QByteArray::number(twips(mm.top()))
        + "\\absw" + QByteArray::number(twips(mm.width())) + "\\absh" + QByteArray::number(twips(mm.height()))
        + "\\dxfrtext0\\dfrmtxtx0\\dfrmtxty0\\nowrap";
}

QByteArray textFrame(const ReportPage &page, const ReportObject &object)
{
    const QStringList lines = ObjectLines(object);
    if (lines.isEmpty())
        return {};
    QRectF frame = DocumentTextFrameMm(page, object, WordSlackMm);
    frame.setTop(frame.top() + ReportTextTopPadMm);
    QByteArray align = "\\ql";
    if (object.alignment & Qt::AlignRight)
        align = "\\qr";
    else if (object.alignment & Qt::AlignHCenter)
        align = "\\qc";
    const int pad = twips(ReportTextPadMm);
    QByteArray out = "{\\pard\\plain" + framePosition(frame) + align + "\\li" + QByteArray::number(pad) + "\\ri"
        + QByteArray::number(pad) + "\\sb0\\sa0\\sl" + QByteArray::number(-twips(LineHeightMm(object.font)))
        + "\\slmult0\\f0\\cf1\\fs" + QByteArray::number(qRound(object.font.pointSize * 2));
    if (object.font.bold)
        out += "\\b";
    if (object.font.underline)
        out += "\\ul";
    out += ' ';
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out += "\\line ";
        out += rtfText(lines[i]);
    }
    out += "\\par}\n";
    return out;
}

QByteArray pictureFrame(const ReportPage &page, const ReportObject &object, int dotsPerInch)
{
    if (object.picture.isNull())
        return {};
    const QRectF placed = PictureRectMm(object, page.paperRect(object));
    const QSize pixels(std::max(1, qRound(placed.width() / 25.4 * dotsPerInch)),
                       std::max(1, qRound(placed.height() / 25.4 * dotsPerInch)));
    const QImage image = object.picture.isSvg() ? object.picture.toImage(pixels) : object.picture.image();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    QByteArray out = "{\\pard\\plain" + framePosition(placed) + "\\ql\\sb0\\sa0{\\pict\\pngblip\\picw"
        + QByteArray::number(image.width()) + "\\pich" + QByteArray::number(image.height()) + "\\picwgoal"
        + QByteArray::number(twips(placed.width())) + "\\pichgoal" + QByteArray::number(twips(placed.height())) + "\n";
    const QByteArray hex = png.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128)
        out += hex.mid(i, 128) + '\n';
    out += "}\\par}\n";
    return out;
}

QByteArray rectangleShape(const ReportPage &page, const ReportObject &object, int z)
{
    const QRectF mm = page.paperRect(object);
    const bool panel = object.kind == ReportObjectKind::Panel;
    return "{\\shp{\\*\\shpinst\\shpleft" + QByteArray::number(twips(mm.left())) + "\\shptop"
        + QByteArray::number(twips(mm.top())) + "\\shpright" + QByteArray::number(twips(mm.right())) + "\\shpbottom"
        + QByteArray::number(twips(mm.bottom()))
        + "\\shpfhdr0\\shpbxpage\\shpbxignore\\shpbypage\\shpbyignore\\shpwr3\\shpwrk0\\shpfblwtxt1\\shpz"
        + QByteArray::number(z) + "{\\sp{\\sn shapeType}{\\sv 1}}{\\sp{\\sn fFilled}{\\sv " + (panel ? "1" : "0")
        + "}}{\\sp{\\sn fillColor}{\\sv 16777215}}{\\sp{\\sn lineColor}{\\sv " + (panel ? "0" : "12632256")
        + "}}{\\sp{\\sn lineWidth}{\\sv 9525}}{\\sp{\\sn fBehindDocument}{\\sv 1}}{\\sp{\\sn fLayoutInCell}{\\sv 1}}}}";
}

} // namespace

QByteArray RtfDocument(const PreparedReport &report, const ExportOptions &options)
{
    const QSizeF paper = report.pages.empty() ? QSizeF(215.9, 279.4) : report.pages.front().page.paperMm;
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
                     "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
                     "{\\colortbl;\\red0\\green0\\blue0;\\red192\\green192\\blue192;\\red255\\green255\\blue255;}\n"
                     "{\\info{\\title Standard Report}}\n";
    out += "\\paperw" + QByteArray::number(twips(paper.width())) + "\\paperh" + QByteArray::number(twips(paper.height()))
        + "\\margl567\\margr567\\margt567\\margb567\\viewkind1\n";

    int z = 0;
    for (std::size_t p = 0; p < report.pages.size(); ++p) {
        const ReportPage &page = report.pages[p].page;
        // The page's first paragraph carries the rectangles; panels come first so they lie behind.
        out += "{\\pard\\plain";
        if (p > 0)
            out += "\\pagebb";
        out += "\\sb0\\sa0\\fs2 ";
        for (const ReportObjectKind kind : {ReportObjectKind::Panel, ReportObjectKind::Box})
            for (const ReportObject &object : page.objects)
                if (object.visible && object.kind == kind)
                    out += rectangleShape(page, object, z++);
        out += "\\par}\n";
        for (const ReportObject &object : page.objects) {
            if (!object.visible)
                continue;
            if (object.kind == ReportObjectKind::Picture)
                out += pictureFrame(page, object, options.dotsPerInch);
            else if (object.kind != ReportObjectKind::Box && object.kind != ReportObjectKind::Panel)
                out += textFrame(page, object);
        }
        // Frames belong to the paragraph after them: keep one on this page.
        out += "{\\pard\\plain\\sb0\\sa0\\fs2\\par}\n";
    }
    out += "}\n";
    return out;
}

ExportResult WriteRtfReport(const PreparedReport &report, const QString &fileName, const ExportOptions &options,
                            const ExportProgress &progress)
{
    return WriteDocumentExport(fileName, RtfDocument(report, options), report.pageCount(), progress);
}
