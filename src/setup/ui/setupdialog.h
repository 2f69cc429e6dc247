#pragma once

#include <array>
#include <memory>

#include <QDialog>

class QCheckBox;
class QLineEdit;
class LogoDialog;
struct AppState;
namespace Ui {
class SetupDialog;
}

// "Program Setup": the program options in four pages. Created once and reused; its fields mirror
// the program's setup fields, so the report sees the company and preparer texts as they stand.
class SetupDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SetupDialog)

public:
    explicit SetupDialog(AppState &state, QWidget *parent = nullptr);
    ~SetupDialog() override;

    // The logo dialog opened by "View/Select Company Logo"; without one the button does nothing.
    void setLogoDialog(LogoDialog *dialog);
    // Shows the dialog modally on its "Report Layout" page; the options are not reloaded.
    void openOnReportLayout();

    void goBack();
    void nextPage();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void bindFields();
    void fieldsToWidgets();
    void widgetsToFields();
    void leaveFactorField(QLineEdit *field);
    bool isFactorField(const QObject *object) const;
    void save();
    void reset();
    void viewLogo();

    AppState &m_state;
    std::unique_ptr<Ui::SetupDialog> m_ui;
    LogoDialog *m_logoDialog = nullptr;
    std::array<QCheckBox *, 7> m_flags{};
    std::array<std::array<QLineEdit *, 10>, 6> m_factors{};
    bool m_filling = false;
};
