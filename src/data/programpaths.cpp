#include "programpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

ProgramPaths::ProgramPaths() = default;
ProgramPaths::~ProgramPaths() = default;

QString ProgramPaths::programPath() const
{
    QString path = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (path.size() > 1 && (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\'))))
        path.chop(1);
    return path;
}

QString ProgramPaths::tempPath() const
{
    if (!m_temp) {
        // A temporary folder that does not exist comes back from Qt as an empty path, which would
        // put the private folder at the root of the file system: no folder at all instead.
        const QString base = QDir::tempPath();
        if (base.isEmpty() || !QFileInfo(base).isDir())
            return QString();
        // QTemporaryDir creates a uniquely named folder with owner-only permissions, so no other
        // user can plant or read the pictures and attachments the program writes there.
        m_temp = std::make_unique<QTemporaryDir>(base + QStringLiteral("/pelnix-XXXXXX"));
    }
    return m_temp->isValid() ? m_temp->path() : QString();
}
