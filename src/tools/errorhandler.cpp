#include "errorhandler.h"

#include "data/messageservice.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

QString unhandledErrorText(const QString &message, const QString &recoveryPath)
{
    QString text = QStringLiteral("EXCEPTION ERROR : ") + message + QStringLiteral(" Program Aborted !");
    if (!recoveryPath.isEmpty())
        text += QStringLiteral("\n\nThe active project was saved as a recovery copy:\n") + recoveryPath;
    return text;
}

UnhandledErrorHandler::UnhandledErrorHandler(MessageService &messages) : m_messages(messages) {}

void UnhandledErrorHandler::handle(const QString &message)
{
    // A second error while the box is up (its event loop runs handlers) ends the program at once.
    if (m_handling)
        m_messages.terminateProgram();
    m_handling = true;
    QString recoveryPath;
    if (m_recovery) {
        try {
            recoveryPath = m_recovery();
        } catch (...) {
            recoveryPath.clear();
        }
    }
    m_messages.error(unhandledErrorText(message, recoveryPath));
    m_messages.terminateProgram();
    std::abort(); // not reached: terminateProgram does not return
}

bool guardedDispatch(UnhandledErrorHandler *handler, const std::function<bool()> &dispatch)
{
    QString message;
    try {
        return dispatch();
    } catch (const std::exception &error) {
        message = QString::fromLocal8Bit(error.what());
    } catch (...) {
        message = QStringLiteral("Unknown error");
    }
    if (handler)
        handler->handle(message);
    std::fprintf(stderr, "%s\n", qPrintable(unhandledErrorText(message)));
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}
