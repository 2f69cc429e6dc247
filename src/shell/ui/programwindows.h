#pragma once

#include <memory>

class AboutBox;
class EmailDialog;
class FormulasWindow;
class GraphTypeDialog;
class HelpWindow;
class LogoDialog;
class PlainProjectTexts;
class ProjectTexts;
class SetupDialog;
class TAPPSEL2;
class TCALCREP;
class TFANFORM;
class TForm1;
class TGuideIt;
class TWelc;
class UnhandledErrorHandler;
struct AppState;

// Every window of the program, made once in this order and kept until the end of the run: the
// windows other than the main window are shown modally and hidden again, never destroyed, so their
// fields keep their contents. The main window owns them all.
class ProgramWindows final
{
public:
    // `errors` gets the recovery copy of the active project once the windows that hold it exist.
    ProgramWindows(AppState &state, UnhandledErrorHandler *errors);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows &) = delete;
    ProgramWindows &operator=(const ProgramWindows &) = delete;

    TForm1 *mainWindow() const { return m_main.get(); }
    HelpWindow *help() const { return m_help; }
    AboutBox *about() const { return m_about; }
    TWelc *welcome() const { return m_welcome; }
    TAPPSEL2 *selection() const { return m_selection; }
    TGuideIt *guide() const { return m_guide; }
    TFANFORM *analysis() const { return m_analysis; }
    // The analysis window's ten texts (a plain set until that window exists).
    ProjectTexts &projectTexts() const { return *m_texts; }

private:
    AppState &m_state;
    std::unique_ptr<TForm1> m_main;
    std::unique_ptr<PlainProjectTexts> m_plainTexts;
    ProjectTexts *m_texts = nullptr;
    HelpWindow *m_help = nullptr;
    AboutBox *m_about = nullptr;
    TFANFORM *m_analysis = nullptr;
    TCALCREP *m_overview = nullptr;
    TWelc *m_welcome = nullptr;
    SetupDialog *m_setup = nullptr;
    LogoDialog *m_logo = nullptr;
    TAPPSEL2 *m_selection = nullptr;
    FormulasWindow *m_formulas = nullptr;
    GraphTypeDialog *m_graphType = nullptr;
    TGuideIt *m_guide = nullptr;
    EmailDialog *m_email = nullptr;
};
