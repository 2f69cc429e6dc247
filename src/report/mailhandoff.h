#pragma once

#include "report/mailmessage.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class MessageService;

// Hands a message to the user's mail program; the program never sends mail itself.
class MailHandoff
{
public:
    virtual ~MailHandoff() = default;

    // LibraryMissing when no hand-off exists on this system; FunctionMissing when it exists but
    // cannot send; otherwise a result code of the simple mail interface.
    virtual int send(const MailMessage &message) = 0;
};

namespace MailResult {
// The hand-off library is there but lacks its send function.
inline constexpr int FunctionMissing = 1000;
} // namespace MailResult

// Linux and other free desktops: "xdg-email" run directly (no shell) with the message as its
// arguments; its exit status is mapped to the result codes.
class XdgEmailHandoff final : public MailHandoff
{
public:
    explicit XdgEmailHandoff(QString program = QStringLiteral("xdg-email"));
    int send(const MailMessage &message) override;

    // The argument list for a message ("--subject", "--body", "--attach", address).
    static QStringList arguments(const MailMessage &message);
    // Result code of an xdg-email exit status.
    static int resultOfExitStatus(int exitStatus);

private:
    QString m_program;
};

// The system's hand-off: Simple MAPI on Windows, xdg-email elsewhere.
std::unique_ptr<MailHandoff> SystemMailHandoff();

// Builds the message and hands it over. Tells the user when no hand-off is available and when the
// mail interface reports an error above 3 ("Error detected while sending mail [NAME]"). Returns the
// result code, -1 when no hand-off exists.
int SendMailWithAttachment(MessageService &messages, MailHandoff &handoff, const QString &subject,
                           const QString &noteText, const QString &attachmentPath,
                           const QString &recipientAddress, const QString &recipientName = {},
                           const QString &senderAddress = {}, const QString &senderName = {});
