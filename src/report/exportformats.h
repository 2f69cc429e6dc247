#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class PreparedReport;

// Export formats in the order of the export list.
enum class ExportFormat { Pdf, Rtf, Html, Gif, Bmp, Jpeg, Tiff };
inline constexpr int ExportFormatCount = 7;

// The items of the export list, index = ExportFormat.
const QStringList &ExportSelectionItems();
// File-dialog filter and default suffix of a format ("pdf", "rtf", "html", "gif", "bmp", "jpg", "tif").
QString ExportFileFilter(ExportFormat format);
QString ExportSuffix(ExportFormat format);
// Format by its command-line name or suffix ("pdf", "jpeg", "tiff", …); false when unknown.
bool ExportFormatFromName(const QString &name, ExportFormat &format);
// Picture formats write one file per page.
bool IsPictureFormat(ExportFormat format);

struct ExportOptions
{
    int dotsPerInch = 150; // picture formats and pictures embedded in RTF/HTML
    int jpegQuality = 90;
};

// Called after each page is written (page number, page count); returns false to cancel.
using ExportProgress = std::function<bool(int page, int pageCount)>;

struct ExportResult
{
    bool ok = false;
    QString errorString;
    QStringList files; // every file written
};

// File name of page `page` (1-based) of a picture export: page 1 keeps the name, later pages get
// "-<page>" before the suffix ("report.png", "report-2.png").
QString PageFileName(const QString &fileName, int page);

// Writes the prepared report to `fileName` in `format`.
ExportResult ExportPreparedReport(const PreparedReport &report, ExportFormat format, const QString &fileName,
                                  const ExportOptions &options = {}, const ExportProgress &progress = {});

// The single writers, each usable on its own.
ExportResult ExportPdf(const PreparedReport &report, const QString &fileName, const ExportProgress &progress = {});
ExportResult ExportPictures(const PreparedReport &report, ExportFormat format, const QString &fileName,
                            const ExportOptions &options, const ExportProgress &progress = {});
