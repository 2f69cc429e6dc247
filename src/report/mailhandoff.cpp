#include "report/mailhandoff.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include "data/messageservice.h"

#ifdef Q_OS_WIN
#include "report/mailmapi.h"
#endif

namespace {

// A mail program that xdg-email starts in the foreground may stay open for long; once it has run
// this long the message counts as handed over and the process is left running.
constexpr int HandoffWaitMs = 30000;

} // namespace

XdgEmailHandoff::XdgEmailHandoff(QString program) : m_program(std::move(program)) {}

QStringList XdgEmailHandoff::arguments(const MailMessage &message)
{
    QStringList args{QStringLiteral("--utf8")};
    if (message.subject)
        args << QStringLiteral("--subject") << *message.subject;
    if (message.noteText) {
        QString body = *message.noteText;
        body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        args << QStringLiteral("--body") << body;
    }
    for (const MailFile &file : message.files)
        args << QStringLiteral("--attach") << file.pathName;
    for (const MailRecipient &recipient : message.recipients)
        args << PlainAddress(recipient);
    return args;
}

int XdgEmailHandoff::resultOfExitStatus(int exitStatus)
{
    switch (exitStatus) {
    case 0: return MailResult::Success;
    case 2: return MailResult::AttachmentNotFound;    // a file named on the command line is missing
    case 3: return MailResult::LibraryMissing;        // no mail program or helper tool found
    case 5: return 12;                                 // no permission to read the attachment
    default: return MailResult::Failure;
    }
}

int XdgEmailHandoff::send(const MailMessage &message)
{
    auto *process = new QProcess;
    process->setProgram(m_program);
    process->setArguments(arguments(message));
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return MailResult::LibraryMissing;
    }
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(process, &QProcess::finished, &loop, &QEventLoop::quit);
    timer.start(HandoffWaitMs);
    if (process->state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (process->state() != QProcess::NotRunning) {
        // Leave the mail program running; the process object goes when it ends.
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return MailResult::Success;
    }
    const int result = process->exitStatus() == QProcess::NormalExit ? resultOfExitStatus(process->exitCode())
                                                                      : MailResult::Failure;
    delete process;
    return result;
}

std::unique_ptr<MailHandoff> SystemMailHandoff()
{
#ifdef Q_OS_WIN
    return std::make_unique<MapiHandoff>();
#else
    return std::make_unique<XdgEmailHandoff>();
#endif
}

int SendMailWithAttachment(MessageService &messages, MailHandoff &handoff, const QString &subject,
                           const QString &noteText, const QString &attachmentPath, const QString &recipientAddress,
                           const QString &recipientName, const QString &senderAddress, const QString &senderName)
{
    const MailMessage message = BuildMailMessage(subject, noteText, attachmentPath, recipientAddress, recipientName,
                                                 senderAddress, senderName);
    int result = handoff.send(message);
    // Without any hand-off the click would do nothing visible: say so, as for a missing function.
    if (result == MailResult::LibraryMissing || result == MailResult::FunctionMissing) {
        messages.information(QStringLiteral("E-Mail function [MAPI] is not available."));
        return result == MailResult::FunctionMissing ? MailResult::UserAbort : result;
    }
    if (result > MailResult::LogonFailure)
        messages.error(QStringLiteral("Error detected while sending mail [") + MailResultName(result)
                       + QLatin1Char(']'));
    return result;
}
