#include "report/exportformats.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "data/programidentity.h"
#include "report/reportlayer.h"

ExportResult ExportPdf(const PreparedReport &report, const QString &fileName, const ExportProgress &progress)
{
    ExportResult result;
    {
        QPdfWriter writer(fileName);
        writer.setResolution(1200);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                         QPageLayout::Millimeter));
        writer.setTitle(QStringLiteral("Standard Report"));
        writer.setCreator(ProgramIdentity::ProgramTitle);
        if (!PaintReport(writer, report, progress)) {
            result.errorString = QStringLiteral("The PDF file could not be written: ") + fileName;
            return result;
        }
    }
    // The writer reports no write errors itself; an empty or missing file is a failure.
    if (QFileInfo(fileName).size() <= 0) {
        result.errorString = QStringLiteral("The PDF file could not be written: ") + fileName;
        return result;
    }
    result.ok = true;
    result.files << fileName;
    return result;
}
