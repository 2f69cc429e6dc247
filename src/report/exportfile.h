#pragma once

#include "report/exportformats.h"

#include <QByteArray>
#include <QString>

// Writes `data` to `fileName` through a save file, so a failed export never leaves half a file.
// Returns an empty string on success, otherwise the reason.
QString WriteExportFile(const QString &fileName, const QByteArray &data);

// Writes a whole-document export (one file holding every page) and reports it as done.
ExportResult WriteDocumentExport(const QString &fileName, const QByteArray &data, int pageCount,
                                 const ExportProgress &progress);
