// The mail records, result names, messages and the xdg-email hand-off.
#include "report/mailhandoff.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "support/scriptedmessages.h"

namespace {

TEST(MailMessage, RecordsForOneAttachment)
{
    const MailMessage m = BuildMailMessage(QStringLiteral("Energy report"), QStringLiteral("Hello\r\nSee attached."),
                                           QStringLiteral("/tmp/x/report.pdf"), QStringLiteral("smith@acme.example"));
    EXPECT_EQ(m.reserved, 0u);
    EXPECT_EQ(m.flags, 0u);
    EXPECT_EQ(m.subject, QStringLiteral("Energy report"));
    EXPECT_EQ(m.noteText, QStringLiteral("Hello\r\nSee attached."));
    EXPECT_FALSE(m.originator.has_value());
    ASSERT_EQ(m.recipients.size(), 1u);
    EXPECT_EQ(m.recipients[0].recipientClass, 1u);
    EXPECT_EQ(m.recipients[0].name, QStringLiteral("smith@acme.example"));
    EXPECT_EQ(m.recipients[0].address, QStringLiteral("SMTP:smith@acme.example"));
    EXPECT_EQ(m.recipients[0].entryIdSize, 0u);
    ASSERT_EQ(m.files.size(), 1u);
    EXPECT_EQ(m.files[0].position, -1);
    EXPECT_EQ(m.files[0].flags, 0u);
    EXPECT_EQ(m.files[0].pathName, QStringLiteral("/tmp/x/report.pdf"));
    EXPECT_EQ(m.files[0].fileName, QStringLiteral("report.pdf"));

    // Empty texts and address: no subject, no note, no recipient, the file still attached.
    const MailMessage bare = BuildMailMessage({}, {}, QStringLiteral("/tmp/x/report.pdf"), {});
    EXPECT_FALSE(bare.subject.has_value());
    EXPECT_FALSE(bare.noteText.has_value());
    EXPECT_TRUE(bare.recipients.empty());
    EXPECT_EQ(bare.files.size(), 1u);

    // A recipient name replaces the address as name; a sender adds the originator.
    const MailMessage named = BuildMailMessage({}, {}, QStringLiteral("r.pdf"), QStringLiteral("a@b.example"),
                                               QStringLiteral("Ann B"), QStringLiteral("me@c.example"), {});
    EXPECT_EQ(named.recipients[0].name, QStringLiteral("Ann B"));
    ASSERT_TRUE(named.originator.has_value());
    EXPECT_EQ(named.originator->recipientClass, 0u);
    EXPECT_EQ(named.originator->name, QStringLiteral("me@c.example"));
    EXPECT_EQ(named.originator->address, QStringLiteral("SMTP:me@c.example"));
}

TEST(MailMessage, ResultNames)
{
    const std::pair<int, const char *> names[] = {
        {0, "SUCCESS"}, {1, "USER_ABORT"}, {2, "EMAIL FAILURE"}, {3, "LOGON FAILURE"}, {4, "DISK FULL"},
        {5, "INSUFFICIENT MEMORY"}, {6, "ACCESS DENIED"}, {7, "UNKNOWN"}, {8, "TOO MANY SESSIONS"},
        {9, "TOO MANY FILES"}, {10, "TOO MANY RECIPIENTS"}, {11, "ATTACHMENT NOT FOUND"},
        {12, "ATTACHMENT OPEN FAILURE"}, {13, "ATTACHMENT WRITE FAILURE"}, {14, "UNKNOWN RECIPIENT"},
        {15, "NO MESSAGES / BAD RECIPIENT"}, {16, "NO MESSAGES / BAD RECIPIENT"}, {17, "INVALID MESSAGE"},
        {18, "MESSAGE TOO BIG"}, {19, "INVALID SESSION"}, {20, "MAIL TYPE NOT SUPPORTED"},
        {21, "AMBIGUOUS RECIPIENT"}, {22, "MESSAGE IN USE"}, {23, "NETWORK FAILURE"}, {24, "INVALID EDIT FIELDS"},
        {25, "INVALID RECIPIENTS"}, {26, "NO SUPPORTED"}, {27, "UNKNOWN"}, {-1, "UNKNOWN"},
    };
    for (const auto &[code, name] : names)
        EXPECT_EQ(MailResultName(code), QLatin1String(name)) << code;
}

class FixedHandoff final : public MailHandoff
{
public:
    explicit FixedHandoff(int result) : m_result(result) {}
    int send(const MailMessage &message) override
    {
        sent.push_back(message);
        return m_result;
    }
    std::vector<MailMessage> sent;

private:
    int m_result;
};

TEST(SendMail, ResultsAboveThreeShowTheirNameAndTheFirstFourShowNothing)
{
    struct Case
    {
        int code;
        int returned;
        const char *message; // nullptr: no box
        MessageKind kind;
    };
    const Case cases[] = {
        {0, 0, nullptr, MessageKind::Error},
        {1, 1, nullptr, MessageKind::Error},
        {2, 2, nullptr, MessageKind::Error},
        {3, 3, nullptr, MessageKind::Error},
        {14, 14, "Error detected while sending mail [UNKNOWN RECIPIENT]", MessageKind::Error},
        {7, 7, "Error detected while sending mail [UNKNOWN]", MessageKind::Error},
        {MailResult::FunctionMissing, 1, "E-Mail function [MAPI] is not available.", MessageKind::Information},
        // No hand-off at all: the click must not end silently.
        {MailResult::LibraryMissing, -1, "E-Mail function [MAPI] is not available.", MessageKind::Information},
    };
    for (const Case &c : cases) {
        ScriptedMessages messages;
        if (c.message)
            messages.expect(MessageAnswer::Ok);
        FixedHandoff handoff(c.code);
        const int result = SendMailWithAttachment(messages, handoff, QStringLiteral("S"), QStringLiteral("B"),
                                                  QStringLiteral("/t/report.pdf"), QStringLiteral("a@b.example"));
        EXPECT_EQ(result, c.returned) << c.code;
        ASSERT_EQ(handoff.sent.size(), 1u);
        EXPECT_EQ(handoff.sent[0].recipients.at(0).address, QStringLiteral("SMTP:a@b.example"));
        if (c.message) {
            ASSERT_EQ(messages.shown().size(), 1u) << c.code;
            EXPECT_EQ(messages.shown()[0].text, QLatin1String(c.message));
            EXPECT_EQ(messages.shown()[0].kind, c.kind);
            EXPECT_EQ(messages.shown()[0].buttons, MessageButtons::Ok);
        } else {
            EXPECT_TRUE(messages.shown().empty()) << c.code;
        }
    }
}

// A stand-in for xdg-email that records its arguments, one per line, and exits with a set status.
class XdgEmailStub : public ::testing::Test
{
protected:
    XdgEmailStub()
    {
        m_script = m_dir.filePath(QStringLiteral("xdg-email"));
        m_record = m_dir.filePath(QStringLiteral("args.txt"));
        m_oldPath = qgetenv("PATH");
        qputenv("PATH", m_dir.path().toLocal8Bit() + ':' + m_oldPath);
    }
    ~XdgEmailStub() override { qputenv("PATH", m_oldPath); }

    void writeStub(int exitStatus)
    {
        QFile file(m_script);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("#!/bin/sh\n: > \"" + m_record.toLocal8Bit() + "\"\nfor a in \"$@\"; do printf '%s\\n--next--\\n' \"$a\" >> \""
                   + m_record.toLocal8Bit() + "\"; done\nexit " + QByteArray::number(exitStatus) + "\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QStringList recordedArguments() const
    {
        QFile file(m_record);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList args = QString::fromUtf8(file.readAll()).split(QStringLiteral("\n--next--\n"));
        args.removeLast();
        return args;
    }

    QTemporaryDir m_dir;
    QString m_script;
    QString m_record;
    QByteArray m_oldPath;
};

TEST_F(XdgEmailStub, HandsOverSubjectBodyAttachmentAndAddressAsSeparateArguments)
{
    writeStub(0);
    ScriptedMessages messages;
    XdgEmailHandoff handoff;
    // Shell metacharacters reach the mail program unchanged: no shell is involved.
    const QString subject = QStringLiteral("Report; rm -rf \"$HOME\" `id` & more");
    const int result = SendMailWithAttachment(messages, handoff, subject, QStringLiteral("Line 1\r\nLine 2"),
                                              QStringLiteral("/tmp/p dir/report.pdf"), QStringLiteral("smith@acme.example"));
    EXPECT_EQ(result, MailResult::Success);
    EXPECT_EQ(recordedArguments(),
              QStringList({QStringLiteral("--utf8"), QStringLiteral("--subject"), subject, QStringLiteral("--body"),
                           QStringLiteral("Line 1\nLine 2"), QStringLiteral("--attach"),
                           QStringLiteral("/tmp/p dir/report.pdf"), QStringLiteral("smith@acme.example")}));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(XdgEmailStub, EmptyFieldsAreLeftOutAndExitStatusesMapToResultCodes)
{
    writeStub(0);
    ScriptedMessages messages;
    XdgEmailHandoff handoff;
    EXPECT_EQ(SendMailWithAttachment(messages, handoff, {}, {}, QStringLiteral("/t/report.pdf"), {}), 0);
    EXPECT_EQ(recordedArguments(),
              QStringList({QStringLiteral("--utf8"), QStringLiteral("--attach"), QStringLiteral("/t/report.pdf")}));

    const std::pair<int, int> statuses[] = {{1, 2}, {2, 11}, {3, -1}, {4, 2}, {5, 12}};
    for (const auto &[status, code] : statuses) {
        writeStub(status);
        EXPECT_EQ(handoff.send(BuildMailMessage({}, {}, QStringLiteral("/t/report.pdf"), {})), code) << status;
    }

    writeStub(2);
    messages.expect(MessageAnswer::Ok);
    EXPECT_EQ(SendMailWithAttachment(messages, handoff, {}, {}, QStringLiteral("/t/report.pdf"), {}), 11);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("Error detected while sending mail [ATTACHMENT NOT FOUND]"));
}

TEST(XdgEmail, MissingProgramMeansNoHandoff)
{
    ScriptedMessages messages;
    messages.expect(MessageAnswer::Ok);
    XdgEmailHandoff handoff(QStringLiteral("/nonexistent/xdg-email"));
    EXPECT_EQ(SendMailWithAttachment(messages, handoff, {}, {}, QStringLiteral("/t/report.pdf"), {}),
              MailResult::LibraryMissing);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("E-Mail function [MAPI] is not available."));
}

} // namespace
