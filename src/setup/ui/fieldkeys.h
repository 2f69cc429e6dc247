#pragma once

#include <QString>

class QKeyEvent;

// Whether a key typed into a number field passes: backspace, the point and the digits. Keys that
// type nothing (arrows, Delete, Home) and focus moves (Tab) are left to the field.
bool numberKeyPasses(const QKeyEvent &event);

// Whether a typed key would push a field past `maxLength` characters, counting the selection it
// replaces. The limit holds for typing only: texts the program puts into the field stay whole.
bool typingExceedsLimit(const QKeyEvent &event, int length, int selectedLength, int maxLength);
