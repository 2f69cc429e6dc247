#include "syserror.h"

#include "messageservice.h"

#include <cstring>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

QString systemErrorText(int code)
{
#ifdef Q_OS_WIN
    wchar_t *buffer = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   static_cast<DWORD>(code), 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    const QString text = buffer ? QString::fromWCharArray(buffer).trimmed() : QString::number(code);
    LocalFree(buffer);
    return text;
#else
    return QString::fromLocal8Bit(std::strerror(code));
#endif
}

bool ShowSysError(MessageService &messages, int code)
{
    if (code == 0)
        return false;
    messages.warning(systemErrorText(code));
    return true;
}

bool ShowSysError(MessageService &messages, const QString &text)
{
    if (text.isEmpty())
        return false;
    messages.warning(text);
    return true;
}
