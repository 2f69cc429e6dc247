#pragma once

#include "projectrules.h"

#include <QString>

class ProjectTexts;
struct AppState;

// What the project commands ask of the windows around them. The main window implements it; tests
// stand in for it.
class ShellHost
{
public:
    virtual ~ShellHost() = default;

    // The analysis window's ten texts, read and written by the project file.
    virtual ProjectTexts &projectTexts() = 0;
    virtual void showAnalysis() = 0;
    // The application selection; it may start a fan or pump project.
    virtual void showApplicationSelection() = 0;
    // The guide; true when the user chose to go on.
    virtual bool showGuide() = 0;
    virtual void showSetup() = 0;
    // File dialogs; an empty path means the dialog was cancelled.
    virtual QString chooseOpenFile() = 0;
    virtual QString chooseSaveFile(const QString &proposed) = 0;
    virtual void setCaption(const QString &caption) = 0;
    virtual void updateStatusPanel() = 0;
    virtual void showHistory() = 0;
};

namespace ShellTexts {
inline const QString NoActiveProject = QStringLiteral(
    "There is currently no active project. Start a new project by clicking on the \"New Project\" button.");
inline const QString AlreadyActive = QStringLiteral(
    "A projecy is already active. To start a new project click on the \"New Project\" button otherwise click on "
    "\"Active Project\".");
inline const QString FileDoesNotExist = QStringLiteral("File does not exist!");
inline const QString WrongExtension = QStringLiteral(
    "The Extension specified does not match the program's file extension, the program will automatically update "
    "the specified extension to the correct extension.");
inline const QString SaveQuestion = QStringLiteral("Save active project?");
QString alreadyExists(const QString &path);
QString mainCaption(const QString &projectFileName = QString());
} // namespace ShellTexts

// The main window's project commands: New, Open, Save, Save As, the application start, the
// history and the save question, acting on the one project the program holds.
class ProjectCommands final
{
public:
    enum class Startup { Nothing, OpenCommandLineFile, ShowWelcome };
    enum class Kind { Fan = 1, Pump = 2 };

    ProjectCommands(AppState &state, ShellHost &host);

    // Asked before a project is left. False ends the command: the user cancelled, or chose to
    // save and the save did not happen (cancelled Save As, failed write).
    bool saveQuestion();

    void newProject();
    void startApplication(Kind kind);
    void openProject();
    void openProjectByName(const QString &path);
    // True when the project was written.
    bool save();
    bool saveAs();
    void activeProject();
    void properties();
    // True when the program may close.
    bool closeQuery();
    // The welcome screen's choice: 1 New Project, 2 Open Project, 3 Program Setup, 0 nothing.
    void welcomeChoice(int choice);

    void addToHistory(const QString &path);
    // De-duplicates the history in memory and gives the four item captions (empty = hidden).
    RecentFiles historyItems();

    // The main window's show: start-up items, options, command line. Says what comes next.
    Startup startup();

private:
    void applyOpened(const QString &path, int application);

    AppState &m_state;
    ShellHost &m_host;
};
