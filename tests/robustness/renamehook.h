#pragma once

#include <QByteArray>

#include <functional>

// Stands in for another program at the moment a save puts its finished file in place: the test
// binary's own rename() runs `beforeRename` with the paths, then does the real rename.
namespace RenameHook {
using Action = std::function<void(const QByteArray &from, const QByteArray &to)>;
void arm(Action beforeRename);
void disarm();
// Renames seen while armed.
int calls();
} // namespace RenameHook

// Disarms at the end of a scope, whatever the test's outcome.
struct ArmedRename
{
    explicit ArmedRename(RenameHook::Action action) { RenameHook::arm(std::move(action)); }
    ~ArmedRename() { RenameHook::disarm(); }
    ArmedRename(const ArmedRename &) = delete;
    ArmedRename &operator=(const ArmedRename &) = delete;
};
