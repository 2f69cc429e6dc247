#pragma once

#include <QByteArray>
#include <QString>

// Project files are Windows-1252 text on every platform, so they move between systems unchanged.
QString decodeWindows1252(const QByteArray &bytes);
// Characters that Windows-1252 cannot hold become "?".
QByteArray encodeWindows1252(const QString &text);
