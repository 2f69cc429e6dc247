#include "programpaths.h"

#include <QCoreApplication>
#include <QDir>
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
        // QTemporaryDir creates a uniquely named folder with owner-only permissions, so no other
        // user can plant or read the pictures and attachments the program writes there.
        m_temp = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/pelnix-XXXXXX"));
    }
    return m_temp->isValid() ? m_temp->path() : QString();
}
