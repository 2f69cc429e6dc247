#include "report/exportformats.h"

#include <QImageWriter>

#include "report/gifwriter.h"
#include "report/reportlayer.h"

ExportResult ExportPictures(const PreparedReport &report, ExportFormat format, const QString &fileName,
                            const ExportOptions &options, const ExportProgress &progress)
{
    ExportResult result;
    const int dpi = std::clamp(options.dotsPerInch, 36, 1200);
    for (int i = 0; i < report.pageCount(); ++i) {
        const QString pageFile = PageFileName(fileName, i + 1);
        const QImage page = RenderPageImage(report.pages[static_cast<std::size_t>(i)], dpi);
        QString error;
        if (format == ExportFormat::Gif) {
            if (!WriteGif(page, pageFile, &error)) {
                result.errorString = error;
                return result;
            }
        } else {
            const QByteArray kind = format == ExportFormat::Bmp ? "bmp" : format == ExportFormat::Jpeg ? "jpeg" : "tiff";
            QImageWriter writer(pageFile, kind);
            if (format == ExportFormat::Jpeg)
                writer.setQuality(options.jpegQuality);
            if (format == ExportFormat::Tiff)
                writer.setCompression(1); // LZW
            if (!writer.write(page.convertToFormat(QImage::Format_RGB888))) {
                result.errorString = writer.errorString();
                return result;
            }
        }
        result.files << pageFile;
        if (progress && !progress(i + 1, report.pageCount())) {
            result.errorString = QStringLiteral("Cancelled");
            return result;
        }
    }
    result.ok = true;
    return result;
}
