#pragma once

#include <QString>

#include <functional>

class ProjectTexts;
struct AppState;

// Where the recovery copy of the active project goes: beside its file, or in `documentsFolder`
// for a project never saved, named "<name> (recovery).PXF", "<name> (recovery 2).PXF", … so that
// no existing file is touched. `exists` tells whether a path is taken.
QString recoveryCopyPath(const QString &projectFileName, const QString &documentsFolder,
                         const std::function<bool(const QString &)> &exists);

// Writes a recovery copy of the active, modified project without any message box. Returns the
// path written, or empty when there was nothing to save or no place could be written.
QString writeRecoveryCopy(const AppState &state, const ProjectTexts &texts, const QString &documentsFolder);
