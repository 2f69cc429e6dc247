// "E-Mail Report": the recipient from the project, the silent PDF and the hand-off.
#include "report/ui/emaildialog.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "report/mailhandoff.h"
#include "reportpanelfixture.h"

namespace {

class RecordingHandoff final : public MailHandoff
{
public:
    RecordingHandoff(std::vector<MailMessage> &sent, int result, QString &status, const QLabel *label)
        : m_sent(sent), m_result(result), m_status(status), m_label(label)
    {
    }
    int send(const MailMessage &message) override
    {
        m_sent.push_back(message);
        m_status = m_label->text();
        return m_result;
    }

private:
    std::vector<MailMessage> &m_sent;
    int m_result;
    QString &m_status;
    const QLabel *m_label;
};

class EmailDialogTest : public ReportStateTest
{
protected:
    EmailDialogTest() : m_dialog(m_state, m_texts) {}

    template <typename T> T *child(const char *name) { return m_dialog.findChild<T *>(QLatin1String(name)); }
    void useHandoff(int result)
    {
        m_dialog.setMailHandoff(std::make_unique<RecordingHandoff>(m_sent, result, m_statusAtSend,
                                                                   child<QLabel>("MAILSTAT")));
    }

    EmailDialog m_dialog;
    std::vector<MailMessage> m_sent;
    QString m_statusAtSend;
};

TEST_F(EmailDialogTest, ShowTakesTheRecipientFromTheProjectAndKeepsSubjectAndMessage)
{
    EXPECT_EQ(m_dialog.windowTitle(), QStringLiteral("E-Mail Report"));
    EXPECT_EQ(child<QPushButton>("CreateMail")->text(), QStringLiteral("Create &E-Mail"));
    EXPECT_EQ(child<QPushButton>("GoBack2")->text(), QStringLiteral("&Go back"));
    child<QLabel>("MAILSTAT")->setText(QStringLiteral("Ok"));
    m_dialog.show();
    EXPECT_EQ(child<QLineEdit>("Addr")->text(), QStringLiteral("smith@acme.example"));
    EXPECT_TRUE(child<QLabel>("MAILSTAT")->text().isEmpty());
    const QByteArray dir = qgetenv("PELNIX_RENDER_DIR");
    if (!dir.isEmpty())
        m_dialog.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/emaildialog.png"));

    QTest::keyClicks(child<QLineEdit>("SUBJECT"), QStringLiteral("Energy savings"));
    child<QLineEdit>("Addr")->setText(QStringLiteral("typed@else.example"));
    QTest::mouseClick(child<QPushButton>("GoBack2"), Qt::LeftButton);
    EXPECT_FALSE(m_dialog.isVisible());

    m_texts.setText(ProjectText::Email, QStringLiteral("new@acme.example"));
    m_dialog.show();
    EXPECT_EQ(child<QLineEdit>("Addr")->text(), QStringLiteral("new@acme.example"));
    EXPECT_EQ(child<QLineEdit>("SUBJECT")->text(), QStringLiteral("Energy savings"));
}

TEST_F(EmailDialogTest, CreateMailWritesThePdfAndHandsItOver)
{
    useHandoff(MailResult::Success);
    m_dialog.show();
    child<QLineEdit>("SUBJECT")->setText(QStringLiteral("Energy savings"));
    child<QPlainTextEdit>("Memo1")->setPlainText(QStringLiteral("Dear Mr. Smith,\nsee attached."));
    QTest::mouseClick(child<QPushButton>("CreateMail"), Qt::LeftButton);

    ASSERT_EQ(m_sent.size(), 1u);
    const MailMessage &m = m_sent[0];
    EXPECT_EQ(m_statusAtSend, QStringLiteral("Opening email program..."));
    EXPECT_EQ(m.subject, QStringLiteral("Energy savings"));
    EXPECT_EQ(m.noteText, QStringLiteral("Dear Mr. Smith,\r\nsee attached."));
    ASSERT_EQ(m.recipients.size(), 1u);
    EXPECT_EQ(m.recipients[0].address, QStringLiteral("SMTP:smith@acme.example"));
    ASSERT_EQ(m.files.size(), 1u);
    EXPECT_EQ(m.files[0].pathName, tempFile(QStringLiteral("report.pdf")));
    EXPECT_EQ(m.files[0].fileName, QStringLiteral("report.pdf"));
    QFile pdf(m.files[0].pathName);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");

    EXPECT_EQ(child<QLabel>("MAILSTAT")->text(), QStringLiteral("Ok"));
    EXPECT_TRUE(child<QPushButton>("CreateMail")->isEnabled());
    EXPECT_FALSE(m_dialog.isVisible());
    EXPECT_TRUE(m_messages.shown().empty());
}

TEST_F(EmailDialogTest, AnEmptyRecipientHandsOverAMessageWithoutRecipients)
{
    useHandoff(MailResult::UserAbort);
    m_texts.setText(ProjectText::Email, QString());
    m_dialog.show();
    QTest::mouseClick(child<QPushButton>("CreateMail"), Qt::LeftButton);
    ASSERT_EQ(m_sent.size(), 1u);
    EXPECT_TRUE(m_sent[0].recipients.empty());
    EXPECT_EQ(m_sent[0].files.size(), 1u);
    EXPECT_TRUE(m_messages.shown().empty()); // the user closed the compose window
}

TEST_F(EmailDialogTest, MailErrorsAreNamedAndTheDialogStillCloses)
{
    useHandoff(14);
    m_dialog.show();
    m_messages.expect(MessageAnswer::Ok);
    QTest::mouseClick(child<QPushButton>("CreateMail"), Qt::LeftButton);
    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_EQ(m_messages.shown()[0].text, QStringLiteral("Error detected while sending mail [UNKNOWN RECIPIENT]"));
    EXPECT_FALSE(m_dialog.isVisible());
    EXPECT_TRUE(child<QPushButton>("CreateMail")->isEnabled());
}

TEST_F(EmailDialogTest, AFailingExportClosesTheDialogWithoutMail)
{
    useHandoff(MailResult::Success);
    ASSERT_TRUE(QDir().mkpath(tempFile(QStringLiteral("report.pdf"))));
    m_dialog.show();
    m_messages.expect(MessageAnswer::Ok);
    QTest::mouseClick(child<QPushButton>("CreateMail"), Qt::LeftButton);
    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_EQ(m_messages.shown()[0].kind, MessageKind::Error);
    EXPECT_EQ(m_messages.shown()[0].text, QStringLiteral("An error occurred during export of the report !"));
    EXPECT_TRUE(m_sent.empty());
    EXPECT_FALSE(m_dialog.isVisible());
    m_dialog.show();
    EXPECT_TRUE(child<QPushButton>("CreateMail")->isEnabled());
}

} // namespace
