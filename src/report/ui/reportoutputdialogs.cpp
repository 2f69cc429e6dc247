#include "report/ui/reportoutputdialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

void SetUpReportPrinter(QPrinter &printer)
{
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setDocName(QStringLiteral("Standard Report"));
}

QString ChooseExportFile(QWidget *parent, ExportFormat format)
{
    const QString suffix = ExportSuffix(format);
    QString fileName = QFileDialog::getSaveFileName(parent, QStringLiteral("Export Report"),
                                                    QStringLiteral("report.") + suffix, ExportFileFilter(format));
    if (!fileName.isEmpty() && QFileInfo(fileName).suffix().isEmpty())
        fileName += QLatin1Char('.') + suffix;
    return fileName;
}

int ChooseExportResolution(QWidget *parent, int current)
{
    bool ok = false;
    const int dpi = QInputDialog::getInt(parent, QStringLiteral("Export Report"),
                                         QStringLiteral("Picture resolution (dots per inch):"), current, 72, 600, 25, &ok);
    return ok ? dpi : 0;
}
