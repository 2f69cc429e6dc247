#pragma once

#include "data/messageservice.h"

#include <QString>

#include <vector>

class QTextStream;

// The message service of the command line: every box is recorded and, unless silent, printed as
// "kind: text"; questions are answered by the --answer choice instead of a user.
class CliMessageService final : public MessageService
{
public:
    struct Shown
    {
        MessageKind kind;
        QString text;
    };

    // `out` may be null: the messages are then only recorded (JSON output).
    CliMessageService(QTextStream *out, bool answerCancel);

    MessageAnswer show(MessageKind kind, const QString &text, MessageButtons buttons) override;
    void beep() override {}
    [[noreturn]] void terminateProgram() override;

    const std::vector<Shown> &shown() const { return m_shown; }
    void clear() { m_shown.clear(); }

    // One line of text: line breaks inside a message are written as "\n".
    static QString oneLine(const QString &text);

private:
    QTextStream *m_out;
    bool m_answerCancel;
    std::vector<Shown> m_shown;
};
