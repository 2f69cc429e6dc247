#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QLabel;
class LogoDialog;
struct AppState;

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

    // Page-flow handlers, public so the analysis window's tests and the main window can drive them.
    void goBack();
    void nextPage();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildPreferencesPage();
    void buildEfficiencyPage();
    void buildCustomPage();
    void buildReportLayoutPage();
    void buildBottomBar();
    QLineEdit *makeFactorField(int table, int step, QWidget *parent);

    void fieldsToWidgets();
    void widgetsToFields();
    void leaveFactorField(QLineEdit *field);
    void save();
    void reset();
    void viewLogo();

    AppState &m_state;
    LogoDialog *m_logoDialog = nullptr;
    QTabWidget *m_pages = nullptr;
    std::array<QCheckBox *, 7> m_flags{};
    std::array<std::array<QLineEdit *, 10>, 6> m_factors{};
    QLineEdit *m_title1 = nullptr;
    QLineEdit *m_title2 = nullptr;
    QCheckBox *m_damperSelect = nullptr;
    QCheckBox *m_inletVaneSelect = nullptr;
    QCheckBox *m_valveSelect = nullptr;
    QCheckBox *m_cust1Select = nullptr;
    QCheckBox *m_cust2Select = nullptr;
    QPlainTextEdit *m_company = nullptr;
    QPlainTextEdit *m_preparer = nullptr;
    QLineEdit *m_logoFile = nullptr;
    QLineEdit *m_closing1 = nullptr;
    QLineEdit *m_closing2 = nullptr;
    bool m_filling = false;
};
