#pragma once

#include "data/messageservice.h"

#include <QString>

#include <deque>
#include <stdexcept>
#include <vector>

// A message service for tests: records every box and beep, answers from a script, and fails the
// test when a box comes that the script did not expect.
class ScriptedMessages final : public MessageService
{
public:
    struct Shown
    {
        MessageKind kind;
        QString text;
        MessageButtons buttons;
    };
    // Thrown by terminateProgram so a test can observe a fatal stop.
    struct Terminated : std::runtime_error
    {
        Terminated() : std::runtime_error("program terminated") {}
    };

    ~ScriptedMessages() override;

    // Queue the answer for the next box.
    ScriptedMessages &expect(MessageAnswer answer);
    // Answer every box without a queued answer with its first button (OK/Yes) instead of failing.
    void answerAllWithDefault(bool on = true) { m_defaultAnswers = on; }

    MessageAnswer show(MessageKind kind, const QString &text, MessageButtons buttons) override;
    void beep() override { ++m_beeps; }
    [[noreturn]] void terminateProgram() override { throw Terminated(); }

    const std::vector<Shown> &shown() const { return m_shown; }
    int beeps() const { return m_beeps; }
    int pendingAnswers() const { return static_cast<int>(m_answers.size()); }
    void clear();

private:
    std::vector<Shown> m_shown;
    std::deque<MessageAnswer> m_answers;
    int m_beeps = 0;
    bool m_defaultAnswers = false;
};
