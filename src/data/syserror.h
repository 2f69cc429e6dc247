#pragma once

#include <QString>

class MessageService;

// The operating system's own text for an error code (errno on POSIX, GetLastError on Windows).
QString systemErrorText(int code);

// Shows the system's text for a file-operation error code as a warning with OK and returns true;
// code 0 shows nothing and returns false.
bool ShowSysError(MessageService &messages, int code);
// Shows an error text that a file layer already put into words (a warning with OK); empty shows nothing.
bool ShowSysError(MessageService &messages, const QString &text);
