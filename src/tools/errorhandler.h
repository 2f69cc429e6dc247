#pragma once

#include <QString>

#include <functional>

class MessageService;

// The text of the box shown for an error that nothing else caught; names the recovery copy when
// one was written.
QString unhandledErrorText(const QString &message, const QString &recoveryPath = QString());

// The last stop of an error that escaped every event handler: saves what can be saved, tells the
// user and ends the program.
class UnhandledErrorHandler final
{
public:
    // Writes a recovery copy of the active project; returns its path, or empty when none was made.
    using RecoveryWriter = std::function<QString()>;

    explicit UnhandledErrorHandler(MessageService &messages);

    void setRecoveryWriter(RecoveryWriter writer) { m_recovery = std::move(writer); }
    [[noreturn]] void handle(const QString &message);

private:
    MessageService &m_messages;
    RecoveryWriter m_recovery;
    bool m_handling = false;
};

// Runs one event dispatch; an error escaping it goes to `handler` (which ends the program). Without
// a handler the error is written to the error stream and the program ends.
bool guardedDispatch(UnhandledErrorHandler *handler, const std::function<bool()> &dispatch);
