#pragma once

#include <QByteArray>
#include <QString>

// Writes `data` to `fileName` through a save file, so a failed export never leaves half a file.
// Returns an empty string on success, otherwise the reason.
QString WriteExportFile(const QString &fileName, const QByteArray &data);
