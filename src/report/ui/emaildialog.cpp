#include "report/ui/emaildialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/messageservice.h"
#include "data/projectrecord.h"
#include "report/exportformats.h"
#include "report/mailhandoff.h"
#include "report/reportfilling.h"
#include "report/reportlayer.h"
#include "shell/appstate.h"

EmailDialog::EmailDialog(AppState &state, ProjectTexts &texts, QWidget *parent)
    : QDialog(parent), m_state(state), m_texts(texts), m_handoff(SystemMailHandoff())
{
    setObjectName(QStringLiteral("EmailDialog"));
    setWindowTitle(QStringLiteral("E-Mail Report"));
    setModal(true);

    m_addr = new QLineEdit;
    m_addr->setObjectName(QStringLiteral("Addr"));
    m_subject = new QLineEdit;
    m_subject->setObjectName(QStringLiteral("SUBJECT"));
    m_memo = new QPlainTextEdit;
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setTabChangesFocus(true);
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("MAILSTAT"));
    m_createMail = new QPushButton(QStringLiteral("Create &E-Mail"));
    m_createMail->setObjectName(QStringLiteral("CreateMail"));
    m_createMail->setDefault(true);
    m_goBack = new QPushButton(QStringLiteral("&Go back"));
    m_goBack->setObjectName(QStringLiteral("GoBack2"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("To:"), m_addr);
    form->addRow(QStringLiteral("Subject:"), m_subject);
    form->addRow(QStringLiteral("Message:"), m_memo);
    form->addRow(QStringLiteral("Status:"), m_status);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_createMail);
    buttons->addWidget(m_goBack);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    resize(460, 340);
    setFixedSize(sizeHint().expandedTo(QSize(460, 340)));

    connect(m_createMail, &QPushButton::clicked, this, &EmailDialog::CreateMailClick);
    // Escape answers "Go back" through QDialog's reject.
    connect(m_goBack, &QPushButton::clicked, this, &EmailDialog::GoBackButtonClick);
}

EmailDialog::~EmailDialog() = default;

void EmailDialog::setMailHandoff(std::unique_ptr<MailHandoff> handoff) { m_handoff = std::move(handoff); }

QString EmailDialog::attachmentPath() const
{
    const QString temp = m_state.paths.tempPath();
    return temp.isEmpty() ? QString() : temp + QStringLiteral("/report.pdf");
}

void EmailDialog::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void EmailDialog::FormShow()
{
    m_status->clear();
    m_addr->setText(m_texts.text(ProjectText::Email));
}

void EmailDialog::CreateMailClick()
{
    m_createMail->setEnabled(false);
    m_status->setText(QStringLiteral("Preparing Attachement..."));
    m_status->repaint();

    const QString path = attachmentPath();
    bool exported = false;
    try {
        const PreparedReport report = PrepareEnergyReport(CollectReportSources(m_state, m_texts));
        exported = !path.isEmpty() && ExportPdf(report, path).ok;
    } catch (const std::exception &) {
        exported = false;
    }
    if (!exported) {
        m_state.messages.error(QStringLiteral("An error occurred during export of the report !"));
        m_createMail->setEnabled(true);
        reject();
        return;
    }

    m_status->setText(QStringLiteral("Opening email program..."));
    m_status->repaint();
    QString body = m_memo->toPlainText();
    body.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    SendMailWithAttachment(m_state.messages, *m_handoff, m_subject->text(), body, path, m_addr->text());
    m_status->setText(QStringLiteral("Ok"));
    m_createMail->setEnabled(true);
    accept();
}

void EmailDialog::GoBackButtonClick() { reject(); }
