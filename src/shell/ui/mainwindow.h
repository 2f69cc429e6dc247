#pragma once

#include "filechooser.h"
#include "shell/projectcommands.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QToolBar;
class PlainProjectTexts;
class TAPPSEL2;
class TGuideIt;
class TWelc;
struct AppState;

// The windows the main window opens. Hooks left empty do nothing (a window not built yet).
struct MainWindowLinks
{
    TWelc *welcome = nullptr;
    TAPPSEL2 *selection = nullptr;
    TGuideIt *guide = nullptr;
    ProjectTexts *texts = nullptr; // the analysis window's fields
    std::function<void()> showAnalysis;
    std::function<void()> showSetup;
    std::function<void()> showFormulas;
    std::function<void()> showAbout;
};

// "Pelnix Veriro Zarired Uviduzudu": the launcher with the project commands, the recent files and
// the project state in its status bar.
class TForm1 final : public QMainWindow, private ShellHost
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm1)

public:
    explicit TForm1(AppState &state, QWidget *parent = nullptr);
    ~TForm1() override;

    void setLinks(MainWindowLinks links);
    void setFileChooser(ProjectFileChooser chooser) { m_chooser = std::move(chooser); }
    // Finds a program by name (full path, or empty when not installed); starts a program.
    void setProgramLauncher(std::function<QString(const QString &)> find, std::function<bool(const QString &)> start);

    ProjectCommands &commands() { return m_commands; }

    // Handlers, public so the other windows and the tests can run them.
    void NewProjectClick() { m_commands.newProject(); }
    void OpenfilebuttonClick() { m_commands.openProject(); }
    void SaveAsLargeButton1Click() { m_commands.saveAs(); }
    void SavefilebuttonClick() { m_commands.save(); }
    void PropertiesClick() { m_commands.properties(); }
    void FAN_ANALYSISClick() { m_commands.startApplication(ProjectCommands::Kind::Fan); }
    void PUMP_ANALYSISClick() { m_commands.startApplication(ProjectCommands::Kind::Pump); }
    void ActiveLargeButton1Click() { m_commands.activeProject(); }
    void OpenProjectByName(const QString &path) { m_commands.openProjectByName(path); }
    void HISClick(int entry);
    void BtnCalcClick();
    void FormularClick();
    void btnHomePageClick();
    void About1Click();
    void HelpLargeButton1Click();
    void QuitClick() { close(); }
    void Timer1Timer();
    void UpdateStatusPanel() { updateStatusPanel(); }
    void ShowHistory() { showHistory(); }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // ShellHost
    ProjectTexts &projectTexts() override;
    void showAnalysis() override;
    void showApplicationSelection() override;
    bool showGuide() override;
    void showSetup() override;
    QString chooseOpenFile() override;
    QString chooseSaveFile(const QString &proposed) override;
    void setCaption(const QString &caption) override;
    void updateStatusPanel() override;
    void showHistory() override;

    QAction *makeAction(const char *name, const QString &caption, const QString &hint, void (TForm1::*handler)());
    void buildMenus();
    void buildToolBar();
    void buildBackground();
    void buildStatusBar();
    // The web link's caption and target: the maker's page for its drives.
    void setWebLink();

    AppState &m_state;
    ProjectCommands m_commands;
    MainWindowLinks m_links;
    ProjectFileChooser m_chooser;
    std::function<QString(const QString &)> m_findProgram;
    std::function<bool(const QString &)> m_startProgram;
    std::unique_ptr<PlainProjectTexts> m_ownTexts; // until the analysis window is linked
    std::array<QAction *, 4> m_history{};
    QToolBar *m_toolBar = nullptr;
    QLabel *m_statusState = nullptr;
    QLabel *m_statusName = nullptr;
    QLabel *m_url = nullptr;
    QTimer m_timer;
    bool m_shown = false;
};
