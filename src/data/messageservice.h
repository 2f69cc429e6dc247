#pragma once

#include <QString>

#include <cstdlib>

// Every message box and beep of the program goes through one service, so the window layer shows
// real boxes while tests script the answers and check the exact texts.
enum class MessageKind { Information, Warning, Error, Confirmation };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, Yes };
enum class MessageAnswer { Ok, Cancel, Yes, No };

class MessageService
{
public:
    virtual ~MessageService() = default;

    // Shows a modal box and returns the button pressed.
    virtual MessageAnswer show(MessageKind kind, const QString &text, MessageButtons buttons) = 0;
    // The system's default beep.
    virtual void beep() = 0;
    // Ends the program at once after a fatal definition error; never returns normally.
    [[noreturn]] virtual void terminateProgram() = 0;

    MessageAnswer information(const QString &text, MessageButtons b = MessageButtons::Ok) { return show(MessageKind::Information, text, b); }
    MessageAnswer warning(const QString &text, MessageButtons b = MessageButtons::Ok) { return show(MessageKind::Warning, text, b); }
    MessageAnswer error(const QString &text, MessageButtons b = MessageButtons::Ok) { return show(MessageKind::Error, text, b); }
    MessageAnswer confirmation(const QString &text, MessageButtons b = MessageButtons::OkCancel) { return show(MessageKind::Confirmation, text, b); }

    // Shows a fatal error and ends the program.
    [[noreturn]] void fatal(MessageKind kind, const QString &text, MessageButtons b = MessageButtons::Ok)
    {
        show(kind, text, b);
        terminateProgram();
        std::abort(); // not reached: terminateProgram does not return
    }
};

// Lower-case names used in logs and by the command line: "information", "warning", ...
QString messageKindName(MessageKind kind);
