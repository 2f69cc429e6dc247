#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The records handed to the platform's simple mail interface, field by field as that interface
// defines them (reserved fields kept so the Windows hand-off can copy them one to one).
struct MailRecipient
{
    unsigned long reserved = 0;
    unsigned long recipientClass = 1; // 0 originator, 1 primary "To" recipient
    QString name;
    QString address;                  // "SMTP:" + address
    unsigned long entryIdSize = 0;
};

struct MailFile
{
    unsigned long reserved = 0;
    unsigned long flags = 0;
    long position = -1; // not placed in the note text
    QString pathName;
    QString fileName;
};

struct MailMessage
{
    unsigned long reserved = 0;
    std::optional<QString> subject;  // none when empty
    std::optional<QString> noteText; // none when empty
    unsigned long flags = 0;
    std::optional<MailRecipient> originator;
    std::vector<MailRecipient> recipients;
    std::vector<MailFile> files;
};

// Result codes of the simple mail interface.
namespace MailResult {
inline constexpr int LibraryMissing = -1;
inline constexpr int Success = 0;
inline constexpr int UserAbort = 1;
inline constexpr int Failure = 2;
inline constexpr int LogonFailure = 3;
inline constexpr int AttachmentNotFound = 11;
inline constexpr int UnknownRecipient = 14;
} // namespace MailResult

// Name of a result code as the error message shows it ("UNKNOWN RECIPIENT", "UNKNOWN").
QString MailResultName(int code);

// The message for one attachment. A recipient name, when given, replaces the address as the
// recipient's name; a sender address adds an originator record.
MailMessage BuildMailMessage(const QString &subject, const QString &noteText, const QString &attachmentPath,
                             const QString &recipientAddress, const QString &recipientName = {},
                             const QString &senderAddress = {}, const QString &senderName = {});

// The address part of a record's "SMTP:" address.
QString PlainAddress(const MailRecipient &recipient);
