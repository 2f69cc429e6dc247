#include "projectrules.h"

#include <QFileInfo>

namespace {

// Position of the extension's dot, or -1: only a dot after the last folder separator counts.
qsizetype extensionDot(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype sep = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return dot > sep ? dot : -1;
}

} // namespace

SaveAsPath fixProjectExtension(const QString &chosen)
{
    SaveAsPath result;
    const qsizetype dot = extensionDot(chosen);
    QString base = chosen;
    if (dot >= 0) {
        result.wrongExtension = chosen.mid(dot).toUpper() != QLatin1Char('.') + ProjectExtension;
        base = chosen.left(dot);
    }
    result.path = base + QLatin1Char('.') + ProjectExtension;
    return result;
}

QString projectCaption(const QString &projectFileName)
{
    const qsizetype sep = std::max(projectFileName.lastIndexOf(QLatin1Char('/')),
                                   projectFileName.lastIndexOf(QLatin1Char('\\')));
    return projectFileName.mid(sep + 1);
}

void pushHistory(RecentFiles &history, const QString &path)
{
    for (std::size_t i = history.size() - 1; i > 0; --i)
        history[i] = history[i - 1];
    history[0] = path;
}

void removeHistoryDuplicates(RecentFiles &history)
{
    for (std::size_t i = 1; i < history.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (!history[i].isEmpty() && history[i] == history[j]) {
                history[i].clear();
                break;
            }
}

RecentFiles historyCaptions(const RecentFiles &history, const FileExists &exists)
{
    RecentFiles captions;
    for (std::size_t i = 0; i < history.size(); ++i)
        if (!history[i].isEmpty() && !history[i].startsWith(QLatin1Char('*')) && exists(history[i]))
            captions[i] = history[i];
    return captions;
}

QString commandLineFile(const QStringList &arguments)
{
    return arguments.mid(1).join(QLatin1Char(' '));
}

bool projectFileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}
