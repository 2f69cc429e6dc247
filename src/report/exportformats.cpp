#include "report/exportformats.h"

#include <QDir>
#include <QFileInfo>

#include "report/htmlwriter.h"
#include "report/reportlayer.h"
#include "report/rtfwriter.h"

const QStringList &ExportSelectionItems()
{
    static const QStringList items{
        QStringLiteral("PDF File (Adobe Acrobat Reader)"), QStringLiteral("RTF (MS-Word)"),
        QStringLiteral("HTML File (Web Browser)"),         QStringLiteral("GIF (Graphics Program)"),
        QStringLiteral("BMP (Graphics Program)"),          QStringLiteral("JPG (Graphics Program)"),
        QStringLiteral("TIF (Graphics Program)"),
    };
    return items;
}

QString ExportSuffix(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Pdf: return QStringLiteral("pdf");
    case ExportFormat::Rtf: return QStringLiteral("rtf");
    case ExportFormat::Html: return QStringLiteral("html");
    case ExportFormat::Gif: return QStringLiteral("gif");
    case ExportFormat::Bmp: return QStringLiteral("bmp");
    case ExportFormat::Jpeg: return QStringLiteral("jpg");
    case ExportFormat::Tiff: return QStringLiteral("tif");
    }
    return QStringLiteral("pdf");
}

QString ExportFileFilter(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Pdf: return QStringLiteral("PDF File (*.pdf)");
    case ExportFormat::Rtf: return QStringLiteral("Rich Text Format (*.rtf)");
    case ExportFormat::Html: return QStringLiteral("HTML File (*.html *.htm)");
    case ExportFormat::Gif: return QStringLiteral("GIF Picture (*.gif)");
    case ExportFormat::Bmp: return QStringLiteral("BMP Picture (*.bmp)");
    case ExportFormat::Jpeg: return QStringLiteral("JPEG Picture (*.jpg *.jpeg)");
    case ExportFormat::Tiff: return QStringLiteral("TIFF Picture (*.tif *.tiff)");
    }
    return {};
}

bool ExportFormatFromName(const QString &name, ExportFormat &format)
{
    const QString n = name.toLower();
    static const std::pair<const char *, ExportFormat> names[] = {
        {"pdf", ExportFormat::Pdf},   {"rtf", ExportFormat::Rtf},  {"html", ExportFormat::Html},
        {"htm", ExportFormat::Html},  {"gif", ExportFormat::Gif},  {"bmp", ExportFormat::Bmp},
        {"jpg", ExportFormat::Jpeg},  {"jpeg", ExportFormat::Jpeg}, {"tif", ExportFormat::Tiff},
        {"tiff", ExportFormat::Tiff},
    };
    for (const auto &[text, value] : names) {
        if (n == QLatin1String(text)) {
            format = value;
            return true;
        }
    }
    return false;
}

bool IsPictureFormat(ExportFormat format)
{
    return format == ExportFormat::Gif || format == ExportFormat::Bmp || format == ExportFormat::Jpeg
        || format == ExportFormat::Tiff;
}

QString PageFileName(const QString &fileName, int page)
{
    if (page <= 1)
        return fileName;
    const QFileInfo info(fileName);
    const QString suffix = info.suffix();
    const QString base = suffix.isEmpty() ? info.fileName() : info.completeBaseName();
    QString name = base + QStringLiteral("-%1").arg(page);
    if (!suffix.isEmpty())
        name += QLatin1Char('.') + suffix;
    return info.dir().filePath(name);
}

ExportResult ExportPreparedReport(const PreparedReport &report, ExportFormat format, const QString &fileName,
                                  const ExportOptions &options, const ExportProgress &progress)
{
    if (fileName.isEmpty())
        return {false, QStringLiteral("No file name given"), {}};
    switch (format) {
    case ExportFormat::Pdf:
        return ExportPdf(report, fileName, progress);
    case ExportFormat::Rtf:
        return WriteRtfReport(report, fileName, options, progress);
    case ExportFormat::Html:
        return WriteHtmlReport(report, fileName, options, progress);
    case ExportFormat::Gif:
    case ExportFormat::Bmp:
    case ExportFormat::Jpeg:
    case ExportFormat::Tiff:
        return ExportPictures(report, format, fileName, options, progress);
    }
    return {false, QStringLiteral("Unknown export format"), {}};
}
