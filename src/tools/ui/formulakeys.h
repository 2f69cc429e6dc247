#pragma once

class QKeyEvent;

// Whether a key typed into a formula field passes: backspace, the point and the digits. Keys that
// type nothing (arrows, Delete) and focus moves pass too.
bool formulaKeyPasses(const QKeyEvent &event);

// Whether a typed key would make the field longer than `maxLength`, counting the selection it
// replaces. Only typing is held to the limit: the texts the window writes stay whole.
bool formulaTypingExceedsLimit(const QKeyEvent &event, int length, int selectedLength, int maxLength);
