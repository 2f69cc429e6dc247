#include "report/mailmessage.h"

#include <QFileInfo>

QString MailResultName(int code)
{
    switch (code) {
    case 0: return QStringLiteral("SUCCESS");
    case 1: return QStringLiteral("USER_ABORT");
    case 2: return QStringLiteral("EMAIL FAILURE");
    case 3: return QStringLiteral("LOGON FAILURE");
    case 4: return QStringLiteral("DISK FULL");
    case 5: return QStringLiteral("INSUFFICIENT MEMORY");
    case 6: return QStringLiteral("ACCESS DENIED");
    case 8: return QStringLiteral("TOO MANY SESSIONS");
    case 9: return QStringLiteral("TOO MANY FILES");
    case 10: return QStringLiteral("TOO MANY RECIPIENTS");
    case 11: return QStringLiteral("ATTACHMENT NOT FOUND");
    case 12: return QStringLiteral("ATTACHMENT OPEN FAILURE");
    case 13: return QStringLiteral("ATTACHMENT WRITE FAILURE");
    case 14: return QStringLiteral("UNKNOWN RECIPIENT");
    case 15:
    case 16: return QStringLiteral("NO MESSAGES / BAD RECIPIENT");
    case 17: return QStringLiteral("INVALID MESSAGE");
    case 18: return QStringLiteral("MESSAGE TOO BIG");
    case 19: return QStringLiteral("INVALID SESSION");
    case 20: return QStringLiteral("MAIL TYPE NOT SUPPORTED");
    case 21: return QStringLiteral("AMBIGUOUS RECIPIENT");
    case 22: return QStringLiteral("MESSAGE IN USE");
    case 23: return QStringLiteral("NETWORK FAILURE");
    case 24: return QStringLiteral("INVALID EDIT FIELDS");
    case 25: return QStringLiteral("INVALID RECIPIENTS");
    case 26: return QStringLiteral("NO SUPPORTED");
    default: return QStringLiteral("UNKNOWN");
    }
}

MailMessage BuildMailMessage(const QString &subject, const QString &noteText, const QString &attachmentPath,
                             const QString &recipientAddress, const QString &recipientName,
                             const QString &senderAddress, const QString &senderName)
{
    MailMessage message;
    if (!subject.isEmpty())
        message.subject = subject;
    if (!noteText.isEmpty())
        message.noteText = noteText;
    if (!senderAddress.isEmpty()) {
        MailRecipient originator;
        originator.recipientClass = 0;
        originator.name = senderName.isEmpty() ? senderAddress : senderName;
        originator.address = QStringLiteral("SMTP:") + senderAddress;
        message.originator = originator;
    }
    if (!recipientAddress.isEmpty()) {
        MailRecipient recipient;
        recipient.name = recipientName.isEmpty() ? recipientAddress : recipientName;
        recipient.address = QStringLiteral("SMTP:") + recipientAddress;
        message.recipients.push_back(recipient);
    }
    MailFile file;
    file.pathName = attachmentPath;
    file.fileName = QFileInfo(attachmentPath).fileName();
    message.files.push_back(file);
    return message;
}

QString PlainAddress(const MailRecipient &recipient)
{
    const QString prefix = QStringLiteral("SMTP:");
    return recipient.address.startsWith(prefix) ? recipient.address.mid(prefix.size()) : recipient.address;
}
