#include "modaldriver.h"

#include "data/helprouter.h"
#include "data/projectfile.h"
#include "setup/settingsstore.h"
#include "shell/appstate.h"
#include "shell/ui/appsel2.h"
#include "shell/ui/guideit.h"
#include "shell/ui/loading.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/welc.h"
#include "support/scriptedmessages.h"
#include "support/recordinghelp.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <deque>
#include <memory>

namespace {

void click(QWidget *window, const char *button)
{
    auto *b = window->findChild<QPushButton *>(QString::fromUtf8(button));
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
}

// Waits (running events) until `done` holds or a second has passed.
bool waitFor(const std::function<bool()> &done)
{
    for (int i = 0; i < 200 && !done(); ++i)
        QTest::qWait(5);
    return done();
}

// The main window with its own dialogs and a stand-in analysis window that types a project name
// and so changes the project.
class MainWindowTest : public ::testing::Test
{
protected:
    MainWindowTest() : store(dir.filePath(QStringLiteral("settings.ini"))), state(messages, store) { InitGlobals(state); }

    void make()
    {
        form = std::make_unique<TForm1>(state);
        welcome = new TWelc(state, form.get());
        selection = new TAPPSEL2(form.get());
        guide = new TGuideIt(form.get());
        MainWindowLinks links;
        links.welcome = welcome;
        links.selection = selection;
        links.guide = guide;
        links.texts = &texts;
        links.showAnalysis = [this] {
            ++analysisShown;
            if (!typedName.isEmpty()) {
                texts.setText(ProjectText::ProjectName, typedName);
                state.record.projectModified = true;
            }
        };
        form->setLinks(links);
        ProjectFileChooser chooser;
        chooser.open = [this](QWidget *) { return take(openPaths); };
        chooser.save = [this](QWidget *, const QString &proposed) {
            proposals << proposed;
            return take(savePaths);
        };
        form->setFileChooser(chooser);
    }

    static QString take(std::deque<QString> &q)
    {
        if (q.empty())
            return {};
        QString s = q.front();
        q.pop_front();
        return s;
    }

    QAction *action(const char *name) const { return form->findChild<QAction *>(QString::fromUtf8(name)); }
    QString panel(const char *name) const { return form->findChild<QLabel *>(QString::fromUtf8(name))->text(); }

    QString projectFile(const QString &name)
    {
        ParameterTable params;
        params.DefineParameters(messages);
        PlainProjectTexts t;
        t.setText(ProjectText::ProjectName, QStringLiteral("Cooling fans"));
        const QString p = dir.filePath(name);
        QFile f(p);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(projectFileBytes(QStringLiteral("FAN"), params, t, QStringLiteral("1/1/2026")));
        return p;
    }

    // Starts a fan project through New Project, the application selection and the guide.
    void startFanProject(const QString &name)
    {
        typedName = name;
        ModalDriver driver;
        driver.on("APPSEL2", [](QWidget *w) { click(w, "SpeedButton1"); })
            .on("GuideIt", [](QWidget *w) { QTest::mouseClick(w->findChild<QLabel *>(QStringLiteral("Step6")), Qt::LeftButton); });
        action("NewProject")->trigger();
        EXPECT_TRUE(driver.done());
    }

    QTemporaryDir dir;
    ScriptedMessages messages;
    SettingsStore store;
    AppState state;
    PlainProjectTexts texts;
    std::unique_ptr<TForm1> form;
    TWelc *welcome = nullptr;
    TAPPSEL2 *selection = nullptr;
    TGuideIt *guide = nullptr;
    std::deque<QString> openPaths, savePaths;
    QStringList proposals;
    QString typedName;
    int analysisShown = 0;
};

TEST_F(MainWindowTest, MenusToolBarAndShortcuts)
{
    store.writeFlag(QStringLiteral("PROGRAM"), QStringLiteral("L6"), false);
    store.writeFlag(QStringLiteral("PRG"), QStringLiteral("RS"), false);
    make();
    struct Item
    {
        const char *name, *caption, *hint, *shortcut;
    };
    const Item items[] = {
        {"NewProject", "&New Project", "New Project", ""},
        {"OpenProject", "Open Project", "Open Project", "Ctrl+O"},
        {"SaveAsLargeButton1", "Save &As...", "Save As", ""},
        {"SaveLargeButton", "Save Project", "Save Project", "Ctrl+S"},
        {"PropertiesLargeButton1", "Properties", "Properties", ""},
        {"HIS1", "Report 1", "Report 1", ""},
        {"HIS2", "Report 2", "Reopen quote", ""},
        {"HIS4", "Report 4", "Reopen quote", ""},
        {"dxBarButton7", "E&xit", "Exit", ""},
        {"FanApplication", "Fan Application", "Fan Application", ""},
        {"PumpApplication", "Pump Application", "Pump Application", ""},
        {"BtnCalc", "Calculator", "Calculator", ""},
        {"Formulas", "Formulas", "Formulas", ""},
        {"HelpLargeButton1", "Pelnix Help", "Pelnix Help", "F1"},
        {"btnHomePage", "Visit us on the web", "Visit us on the web", ""},
        {"btnAboutUs", "About", "About", ""},
        {"ActiveLargeButton1", "Active Project", "Active Project", ""},
    };
    for (const Item &i : items) {
        QAction *a = action(i.name);
        ASSERT_NE(a, nullptr) << i.name;
        EXPECT_EQ(a->text(), QString::fromUtf8(i.caption)) << i.name;
        EXPECT_EQ(a->toolTip(), QString::fromUtf8(i.hint)) << i.name;
        EXPECT_EQ(a->shortcut().toString(), QString::fromUtf8(i.shortcut)) << i.name;
    }
    QStringList menus;
    for (QAction *m : form->menuBar()->actions())
        menus << m->text();
    EXPECT_EQ(menus, (QStringList{QStringLiteral("&File"), QStringLiteral("&Energy Estimation"), QStringLiteral("&Tools"),
                                  QStringLiteral("&Help")}));
    QStringList tools;
    for (QAction *a : form->findChild<QToolBar *>(QStringLiteral("ToolBar"))->actions())
        tools << a->objectName();
    EXPECT_EQ(tools, (QStringList{QStringLiteral("NewProject"), QStringLiteral("OpenProject"),
                                  QStringLiteral("SaveLargeButton"), QStringLiteral("ActiveLargeButton1")}));
    EXPECT_EQ(form->size(), QSize(775, 500));

    form->show();
    QApplication::setActiveWindow(form.get());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Pelnix Veriro Zarired Uviduzudu"));
    EXPECT_EQ(panel("StatusPanel3"), QStringLiteral("Not Active"));
    EXPECT_EQ(panel("StatusPanel1"), QStringLiteral("Project Name: <No Name>"));

    RecordingHelp help;
    state.help = &help;
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_EQ(help.topics, QStringList{QStringLiteral("HLP_CONTENTS")});
    state.help = nullptr;
    form->close();
    EXPECT_FALSE(store.readBytes(QStringLiteral("MENU/state")).isEmpty());
}

TEST_F(MainWindowTest, ProjectLifeThroughNewSaveAsSaveOpenAndClose)
{
    store.writeFlag(QStringLiteral("PRG"), QStringLiteral("RS"), false);
    store.writeFlag(QStringLiteral("PROGRAM"), QStringLiteral("L6"), false);
    make();
    form->show();
    QApplication::setActiveWindow(form.get());

    startFanProject(QStringLiteral("Mill exhaust"));
    EXPECT_TRUE(state.record.projectActive);
    EXPECT_EQ(state.record.applicationKind, 1);
    EXPECT_EQ(analysisShown, 1);
    EXPECT_EQ(panel("StatusPanel3"), QStringLiteral("Active"));
    EXPECT_EQ(panel("StatusPanel1"), QStringLiteral("Project Name: Mill exhaust"));

    // Fan Application again while this one is active: told, nothing changes.
    messages.expect(MessageAnswer::Ok);
    action("FanApplication")->trigger();
    EXPECT_EQ(messages.shown().back().text.left(27), QStringLiteral("A projecy is already active"));
    EXPECT_EQ(analysisShown, 1);

    // Ctrl+S on a new project goes through Save As; the name typed as "mill.txt" is corrected.
    savePaths.push_back(dir.filePath(QStringLiteral("mill.txt")));
    messages.expect(MessageAnswer::Ok).expect(MessageAnswer::Ok);
    QApplication::setActiveWindow(form.get());
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(proposals, QStringList{QStringLiteral("PelnixProject.PXF")});
    const QString saved = dir.filePath(QStringLiteral("mill.PXF"));
    EXPECT_EQ(state.record.projectFileName, saved);
    EXPECT_FALSE(state.record.projectModified);
    EXPECT_TRUE(action("HIS1")->isVisible());
    EXPECT_EQ(action("HIS1")->text(), saved);

    // Changed again, then closed: Cancel keeps the window, the project and the change.
    state.record.projectModified = true;
    messages.expect(MessageAnswer::Cancel);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(state.record.projectActive);

    // Yes saves to the file (Save keeps the mark) and the program closes.
    messages.expect(MessageAnswer::Yes).expect(MessageAnswer::Ok);
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(state.record.projectActive);
    EXPECT_TRUE(state.record.projectModified);
    EXPECT_EQ(messages.shown().back().text, QStringLiteral("Estimation Saved!"));
}

TEST_F(MainWindowTest, YesWithCancelledSaveAsDoesNotClose)
{
    store.writeFlag(QStringLiteral("PRG"), QStringLiteral("RS"), false);
    store.writeFlag(QStringLiteral("PROGRAM"), QStringLiteral("L6"), false);
    make();
    form->show();
    startFanProject(QStringLiteral("Never saved"));
    messages.expect(MessageAnswer::Yes);
    EXPECT_FALSE(form->close()); // the save dialog was cancelled
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(state.record.projectActive);
    messages.expect(MessageAnswer::No);
    EXPECT_TRUE(form->close());
}

TEST_F(MainWindowTest, HistoryItemsShowEachExistingFileOnceAndReopenIt)
{
    const QString a = projectFile(QStringLiteral("a.PXF"));
    store.writeFlag(QStringLiteral("PRG"), QStringLiteral("RS"), false);
    store.writeFlag(QStringLiteral("PROGRAM"), QStringLiteral("L6"), false);
    store.writeString(QStringLiteral("FHIS"), QStringLiteral("H1"), a);
    store.writeString(QStringLiteral("FHIS"), QStringLiteral("H2"), a);
    store.writeString(QStringLiteral("FHIS"), QStringLiteral("H3"), dir.filePath(QStringLiteral("vanished.PXF")));
    store.writeString(QStringLiteral("FHIS"), QStringLiteral("H4"), QStringLiteral("*") + a);
    make();
    form->show();
    EXPECT_TRUE(action("HIS1")->isVisible());
    EXPECT_EQ(action("HIS1")->text(), a);
    for (const char *hidden : {"HIS2", "HIS3", "HIS4"})
        EXPECT_FALSE(action(hidden)->isVisible()) << hidden;
    EXPECT_EQ(store.readString(QStringLiteral("FHIS"), QStringLiteral("H2")), a); // the store keeps it

    action("HIS1")->trigger();
    EXPECT_TRUE(state.record.projectActive);
    EXPECT_EQ(state.record.projectFileName, a);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Pelnix Veriro Zarired Uviduzudu: a.PXF"));
    EXPECT_EQ(panel("StatusPanel1"), QStringLiteral("Project Name: Cooling fans"));
    EXPECT_EQ(analysisShown, 1);
    form->close();
}

TEST_F(MainWindowTest, CommandLineWithBlanksOpensTheFileWithoutTheWelcomeScreen)
{
    const QString file = projectFile(QStringLiteral("My Plant.PXF"));
    // First run: the welcome screen would be due, but the file named on the command line wins.
    TLOADING splash(state, {QStringLiteral("pelnix"), dir.filePath(QStringLiteral("My")), QStringLiteral("Plant.PXF")});
    EXPECT_EQ(state.commandLineFile, file);
    EXPECT_TRUE(state.commandLineFileExists);
    make();
    form->show();
    EXPECT_TRUE(waitFor([&] { return state.record.projectActive; }));
    EXPECT_EQ(state.record.projectFileName, file);
    EXPECT_EQ(analysisShown, 1);
    QTest::qWait(30);
    EXPECT_FALSE(welcome->isVisible());
    EXPECT_TRUE(store.readFlag(QStringLiteral("PRG"), QStringLiteral("RS"), true)); // introduction still due
    form->close();
}

TEST_F(MainWindowTest, MissingCommandLineFileFallsBackToTheWelcomeScreen)
{
    TLOADING splash(state, {QStringLiteral("pelnix"), dir.filePath(QStringLiteral("nowhere.PXF"))});
    EXPECT_FALSE(state.commandLineFileExists);
    store.writeFlag(QStringLiteral("PRG"), QStringLiteral("RS"), false);
    make();
    ModalDriver driver;
    driver.on("Welc", [](QWidget *w) { click(w, "BitBtn1"); });
    form->show();
    EXPECT_TRUE(waitFor([&] { return driver.done(); }));
    EXPECT_FALSE(state.record.projectActive);
    form->close();
}

TEST_F(MainWindowTest, FirstRunShowsTheIntroductionOnceAndTheBoxDecidesLaterRuns)
{
    make();
    ModalDriver driver;
    driver.on("Welc", [](QWidget *w) {
        EXPECT_TRUE(w->findChild<QWidget *>(QStringLiteral("Panel4"))->isVisible());
        EXPECT_FALSE(w->findChild<QWidget *>(QStringLiteral("Panel5"))->isVisible());
        click(w, "BitBtn5");
        EXPECT_TRUE(w->findChild<QWidget *>(QStringLiteral("Panel5"))->isVisible());
        auto *box = w->findChild<QCheckBox *>(QStringLiteral("WelcBox"));
        EXPECT_TRUE(box->isChecked());
        box->click();
        click(w, "BitBtn1");
    });
    form->show();
    EXPECT_TRUE(waitFor([&] { return driver.done(); }));
    EXPECT_FALSE(welcome->isVisible());
    EXPECT_EQ(welcome->choice(), 0);
    EXPECT_FALSE(state.record.projectActive);
    EXPECT_FALSE(store.readFlag(QStringLiteral("PRG"), QStringLiteral("RS"), true));
    EXPECT_FALSE(store.readFlag(QStringLiteral("PROGRAM"), QStringLiteral("L6"), true));
    form->close();

    // The next start: no introduction due and the welcome screen switched off.
    InitGlobals(state);
    make();
    form->show();
    QTest::qWait(50);
    EXPECT_FALSE(welcome->isVisible());
    EXPECT_FALSE(state.firstRunIntro);
    EXPECT_FALSE(state.welcomeAtStart);
    form->close();
}

TEST_F(MainWindowTest, WelcomeChoiceNewProjectThenCancelledSelectionLeavesNoProject)
{
    store.writeFlag(QStringLiteral("PRG"), QStringLiteral("RS"), false);
    make();
    ModalDriver driver;
    driver.on("Welc", [](QWidget *w) {
        EXPECT_TRUE(w->findChild<QWidget *>(QStringLiteral("Panel5"))->isVisible());
        click(w, "NewQuote_Navigation");
    }).on("APPSEL2", [](QWidget *w) { QTest::keyClick(w, Qt::Key_Escape); });
    form->show();
    EXPECT_TRUE(waitFor([&] { return driver.done(); }));
    EXPECT_EQ(welcome->choice(), 1);
    EXPECT_EQ(selection->choice(), 0);
    EXPECT_FALSE(state.record.projectActive);
    EXPECT_TRUE(store.readFlag(QStringLiteral("PROGRAM"), QStringLiteral("L6"), false));
    form->close();
}

TEST_F(MainWindowTest, GuideGoBackStartsNothingAndCalculatorTellsWhenNoneIsInstalled)
{
    store.writeFlag(QStringLiteral("PRG"), QStringLiteral("RS"), false);
    store.writeFlag(QStringLiteral("PROGRAM"), QStringLiteral("L6"), false);
    make();
    form->show();
    {
        ModalDriver driver;
        driver.on("GuideIt", [](QWidget *w) { click(w, "GoBack_button"); });
        action("PumpApplication")->trigger();
    }
    EXPECT_FALSE(guide->goOn());
    EXPECT_FALSE(state.record.projectActive);
    EXPECT_EQ(analysisShown, 0);

    QStringList started;
    form->setProgramLauncher([](const QString &) { return QString(); },
                             [&](const QString &p) { started << p; return true; });
    messages.expect(MessageAnswer::Ok);
    action("BtnCalc")->trigger();
    EXPECT_EQ(messages.shown().back().kind, MessageKind::Information);
    EXPECT_TRUE(messages.shown().back().text.contains(QStringLiteral("calculator")));
    form->setProgramLauncher([](const QString &name) { return name == QStringLiteral("kcalc") ? QStringLiteral("/usr/bin/kcalc") : QString(); },
                             [&](const QString &p) { started << p; return true; });
    action("BtnCalc")->trigger();
    EXPECT_EQ(started, QStringList{QStringLiteral("/usr/bin/kcalc")});
    form->close();
}

} // namespace
