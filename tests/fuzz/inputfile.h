#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>

// Writes one fuzz input to a file of the given name in a private folder kept for the run; empty
// when it cannot be written.
inline QString writeInputFile(const QString &name, const std::uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
        return {};
    return path;
}
