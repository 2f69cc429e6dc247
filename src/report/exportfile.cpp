#include "report/exportfile.h"

#include <QSaveFile>

QString WriteExportFile(const QString &fileName, const QByteArray &data)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(data) != data.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

ExportResult WriteDocumentExport(const QString &fileName, const QByteArray &data, int pageCount,
                                 const ExportProgress &progress)
{
    ExportResult result;
    result.errorString = WriteExportFile(fileName, data);
    if (!result.errorString.isEmpty())
        return result;
    if (progress)
        progress(pageCount, pageCount);
    result.ok = true;
    result.files << fileName;
    return result;
}
