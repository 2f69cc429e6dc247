#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <functional>

// Rules of the project commands that need no window: file-name fixing, the recent-file history
// and the command line.

inline const QString ProjectExtension = QStringLiteral("PXF");
inline const QString DefaultProjectFileName = QStringLiteral("PelnixProject.PXF");

// A path chosen in the Save As dialog, brought to the program's extension.
struct SaveAsPath
{
    QString path;                // ends in ".PXF"
    bool wrongExtension = false; // the chosen name had another extension: the user is told
};
SaveAsPath fixProjectExtension(const QString &chosen);

// The file name without its folder, as the main window's caption shows it.
QString projectCaption(const QString &projectFileName);

using RecentFiles = std::array<QString, 4>;
using FileExists = std::function<bool(const QString &path)>;

// Puts `path` on top; the oldest entry drops out.
void pushHistory(RecentFiles &history, const QString &path);
// Empties every entry that repeats an earlier one (exact, case-sensitive).
void removeHistoryDuplicates(RecentFiles &history);
// Captions of the four history items: the path, or empty when the item is hidden (no such file,
// or an entry beginning with "*").
RecentFiles historyCaptions(const RecentFiles &history, const FileExists &exists);

// The project file named on the command line: every argument after the program's own name, joined
// with single blanks, so a path with blanks need not be quoted.
QString commandLineFile(const QStringList &arguments);

// True when `path` names an existing file (not a folder).
bool projectFileExists(const QString &path);
