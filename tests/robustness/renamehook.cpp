#include "renamehook.h"

#include <cstdio>

#include <dlfcn.h>

namespace {
RenameHook::Action g_action;
int g_calls = 0;
} // namespace

void RenameHook::arm(Action beforeRename)
{
    g_action = std::move(beforeRename);
    g_calls = 0;
}

void RenameHook::disarm() { g_action = nullptr; }

int RenameHook::calls() { return g_calls; }

// Interposes the C library's rename for the whole test binary; Qt's file layer calls it to put a
// saved file in place. Unarmed it only forwards.
extern "C" int rename(const char *from, const char *to) noexcept
{
    using RealRename = int (*)(const char *, const char *);
    static const auto real = reinterpret_cast<RealRename>(dlsym(RTLD_NEXT, "rename"));
    if (g_action) {
        ++g_calls;
        const RenameHook::Action action = g_action;
        action(QByteArray(from), QByteArray(to));
    }
    return real(from, to);
}
