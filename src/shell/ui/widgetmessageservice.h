#pragma once

#include "data/messageservice.h"

class QWidget;

// The program's real message boxes and beep.
class WidgetMessageService final : public MessageService
{
public:
    MessageAnswer show(MessageKind kind, const QString &text, MessageButtons buttons) override;
    void beep() override;
    [[noreturn]] void terminateProgram() override;
};
