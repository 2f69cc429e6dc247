#pragma once

#include <QDialog>

class QCheckBox;
class QWidget;
struct AppState;

// "Welcome Screen": the introduction on the very first run, then the way into a new project, an
// existing one or the program setup. Created once; the caller reads choice() after it closes.
class TWelc final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TWelc)

public:
    enum Choice { None = 0, NewProject = 1, OpenProject = 2, ProgramSetup = 3 };

    explicit TWelc(AppState &state, QWidget *parent = nullptr);
    ~TWelc() override;

    int choice() const { return m_choice; }

    void ContinueClick();
    void NewQuote_NavigationClick() { choose(NewProject); }
    void Open_Quote_NavigationClick() { choose(OpenProject); }
    void Program_Setup_NavigationClick() { choose(ProgramSetup); }
    void CloseClick() { choose(None); }

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void choose(int choice);
    QWidget *buildIntroduction();
    QWidget *buildNavigation();

    AppState &m_state;
    QWidget *m_intro = nullptr;
    QWidget *m_navigation = nullptr;
    QCheckBox *m_welcBox = nullptr;
    int m_choice = None;
};
