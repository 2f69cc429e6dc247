#include "recoverycopy.h"

#include "data/projectfile.h"
#include "shell/appstate.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {

QString candidate(const QString &folder, const QString &base, int n)
{
    const QString suffix = n == 1 ? QStringLiteral(" (recovery)") : QStringLiteral(" (recovery %1)").arg(n);
    return QDir(folder).filePath(base + suffix + QStringLiteral(".PXF"));
}

QString baseName(const QString &projectFileName)
{
    if (projectFileName.isEmpty())
        return QStringLiteral("PelnixProject");
    const QString base = QFileInfo(projectFileName).completeBaseName();
    return base.isEmpty() ? QStringLiteral("PelnixProject") : base;
}

// Creates the file only if it does not exist yet, so even a file that appears meanwhile is kept.
QString writeNew(const QString &folder, const QString &base, const QByteArray &bytes)
{
    if (folder.isEmpty())
        return {};
    for (int n = 1; n < 1000; ++n) {
        const QString path = candidate(folder, base, n);
        if (QFileInfo::exists(path))
            continue;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return {};
        if (file.write(bytes) != bytes.size() || !file.flush()) {
            file.close();
            file.remove();
            return {};
        }
        file.close();
        return path;
    }
    return {};
}

} // namespace

QString recoveryCopyPath(const QString &projectFileName, const QString &documentsFolder,
                         const std::function<bool(const QString &)> &exists)
{
    const QString folder =
        projectFileName.isEmpty() ? documentsFolder : QFileInfo(projectFileName).absolutePath();
    const QString base = baseName(projectFileName);
    for (int n = 1;; ++n) {
        const QString path = candidate(folder, base, n);
        if (!exists(path))
            return path;
    }
}

QString writeRecoveryCopy(const AppState &state, const ProjectTexts &texts, const QString &documentsFolder)
{
    const ProjectRecord &record = state.record;
    if (!record.projectActive || !record.projectModified)
        return {};
    const QByteArray bytes =
        projectFileBytes(record.applicationName, state.parameters, texts,
                         QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    const QString base = baseName(record.projectFileName);
    if (!record.projectFileName.isEmpty()) {
        const QString beside = writeNew(QFileInfo(record.projectFileName).absolutePath(), base, bytes);
        if (!beside.isEmpty())
            return beside;
    }
    // A folder that cannot be written (or a project never saved): the documents folder, made if
    // the user has none yet.
    if (!documentsFolder.isEmpty())
        QDir().mkpath(documentsFolder);
    return writeNew(documentsFolder, base, bytes);
}
