#pragma once

#include <QString>

#include <memory>

class QTemporaryDir;

// The folders the program works in.
class ProgramPaths
{
public:
    ProgramPaths();
    ~ProgramPaths();

    // Folder of the executable, without a trailing separator.
    QString programPath() const;
    // Private per-user folder (owner-only) for graph pictures and mail attachments, created on first
    // use and removed at the end of the run. Empty when it cannot be created.
    QString tempPath() const;

private:
    mutable std::unique_ptr<QTemporaryDir> m_temp;
};
