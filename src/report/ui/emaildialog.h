#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class MailHandoff;
class ProjectTexts;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
struct AppState;

// "E-Mail Report": recipient, subject and message; "Create E-Mail" writes the report as a PDF in
// the private temporary folder and hands it to the user's mail program. Created once, reused:
// subject and message stay between openings, the recipient comes from the project each time.
class EmailDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EmailDialog)

public:
    EmailDialog(AppState &state, ProjectTexts &texts, QWidget *parent = nullptr);
    ~EmailDialog() override;

    // Replaces the system's mail hand-off (tests hand in a recorder).
    void setMailHandoff(std::unique_ptr<MailHandoff> handoff);
    // The attachment: "report.pdf" in the private temporary folder.
    QString attachmentPath() const;

    void CreateMailClick();
    void GoBackButtonClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();

    AppState &m_state;
    ProjectTexts &m_texts;
    std::unique_ptr<MailHandoff> m_handoff;
    QLineEdit *m_addr = nullptr;
    QLineEdit *m_subject = nullptr;
    QPlainTextEdit *m_memo = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_createMail = nullptr;
    QPushButton *m_goBack = nullptr;
};
