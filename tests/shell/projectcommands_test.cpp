#include "fakehost.h"

#include "data/projectfile.h"
#include "setup/settingsstore.h"
#include "shell/appstate.h"
#include "shell/projectcommands.h"
#include "support/scriptedmessages.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString Saved = QStringLiteral("Estimation Saved!");

class ProjectCommandsTest : public ::testing::Test
{
protected:
    ProjectCommandsTest()
        : store(dir.filePath(QStringLiteral("settings.ini"))), state(messages, store), commands(state, host)
    {
        InitGlobals(state);
        state.parameters.DefineParameters(messages);
    }

    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }

    // A project file on disk, written as the program writes it.
    QString projectFile(const char *name, const QString &application = QStringLiteral("FAN"))
    {
        const QString p = path(name);
        QFile f(p);
        PlainProjectTexts texts;
        texts.setText(ProjectText::ProjectName, QStringLiteral("Plant %1").arg(QString::fromUtf8(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(projectFileBytes(application, state.parameters, texts, QStringLiteral("1/1/2026")));
        return p;
    }

    // A started fan project, modified unless told otherwise.
    void activeProject(bool modified = true, const QString &file = QString())
    {
        state.record.projectActive = true;
        state.record.projectModified = modified;
        state.record.projectFileName = file;
    }

    QTemporaryDir dir;
    ScriptedMessages messages;
    SettingsStore store;
    AppState state;
    FakeHost host;
    ProjectCommands commands;
};

TEST_F(ProjectCommandsTest, FlagsThroughStartOpenSaveAsSaveAndNew)
{
    // Fan Application: active, no file, modified mark untouched.
    state.record.projectModified = true;
    state.record.projectFileName = QStringLiteral("old.PXF");
    commands.startApplication(ProjectCommands::Kind::Pump);
    EXPECT_TRUE(state.record.projectActive);
    EXPECT_TRUE(state.record.projectModified);
    EXPECT_TRUE(state.record.projectFileName.isEmpty());
    EXPECT_EQ(state.record.applicationKind, 2);
    EXPECT_EQ(state.record.applicationName, QStringLiteral("PUMP"));
    EXPECT_EQ(host.analysisShown, 1);

    // Save without a file goes through Save As: new path, mark cleared, history.
    host.savePaths.push_back(path("first"));
    messages.expect(MessageAnswer::Ok);
    EXPECT_TRUE(commands.save());
    EXPECT_EQ(host.proposedNames.value(0), QStringLiteral("PelnixProject.PXF"));
    EXPECT_EQ(state.record.projectFileName, path("first.PXF"));
    EXPECT_FALSE(state.record.projectModified);
    EXPECT_EQ(state.history[0], path("first.PXF"));
    EXPECT_EQ(store.readString(QStringLiteral("FHIS"), QStringLiteral("H1")), path("first.PXF"));

    // Save to the existing file keeps the modified mark, the name and the history.
    state.record.projectModified = true;
    messages.expect(MessageAnswer::Ok);
    EXPECT_TRUE(commands.save());
    EXPECT_TRUE(state.record.projectModified);
    EXPECT_EQ(state.history[1], QString());

    // Open: save question (No), then the file: active, not modified, its path and caption.
    const QString other = projectFile("other.PXF");
    host.openPaths.push_back(other);
    messages.expect(MessageAnswer::No);
    commands.openProject();
    EXPECT_TRUE(state.record.projectActive);
    EXPECT_FALSE(state.record.projectModified);
    EXPECT_EQ(state.record.projectFileName, other);
    EXPECT_EQ(state.record.applicationKind, 1);
    EXPECT_EQ(host.caption, QStringLiteral("Pelnix Veriro Zarired Uviduzudu: other.PXF"));
    EXPECT_EQ(host.texts.text(ProjectText::ProjectName), QStringLiteral("Plant other.PXF"));
    EXPECT_EQ(state.history[0], other);

    // New Project: not modified, so no question; inactive, no file, caption reset.
    host.onSelection = [&] { EXPECT_FALSE(state.record.projectActive); };
    commands.newProject();
    EXPECT_FALSE(state.record.projectActive);
    EXPECT_TRUE(state.record.projectFileName.isEmpty());
    EXPECT_EQ(host.caption, QStringLiteral("Pelnix Veriro Zarired Uviduzudu"));
    EXPECT_EQ(host.selectionShown, 1);
}

TEST_F(ProjectCommandsTest, SaveQuestionEachAnswer)
{
    const QString file = projectFile("kept.PXF");
    struct Case
    {
        bool modified;
        std::vector<MessageAnswer> answers; // the question, then what saving asks
        QString saveAsPath;                 // the Save As dialog's answer, empty: cancelled
        bool withFile;
        bool proceeds;
    };
    const Case cases[] = {
        {false, {}, {}, false, true},                                      // unmodified: no question
        {true, {MessageAnswer::No}, {}, false, true},                      // No: leave it unsaved
        {true, {MessageAnswer::Cancel}, {}, false, false},                 // Cancel: nothing changes
        {true, {MessageAnswer::Yes, MessageAnswer::Ok}, {}, true, true},   // Yes: saved to its file
        {true, {MessageAnswer::Yes}, {}, false, false},                    // Yes, Save As cancelled: stays
        {true, {MessageAnswer::Yes, MessageAnswer::Ok}, path("new"), false, true}, // Yes, saved as new
    };
    for (const Case &c : cases) {
        activeProject(c.modified, c.withFile ? file : QString());
        for (MessageAnswer a : c.answers)
            messages.expect(a);
        if (!c.saveAsPath.isEmpty())
            host.savePaths.push_back(c.saveAsPath);
        const bool closes = commands.closeQuery();
        EXPECT_EQ(closes, c.proceeds);
        EXPECT_EQ(state.record.projectActive, !c.proceeds);
        if (c.modified) {
            ASSERT_FALSE(messages.shown().empty());
            EXPECT_EQ(messages.shown().front().text, QStringLiteral("Save active project?"));
            EXPECT_EQ(messages.shown().front().kind, MessageKind::Information);
            EXPECT_EQ(messages.shown().front().buttons, MessageButtons::YesNoCancel);
        } else {
            EXPECT_TRUE(messages.shown().empty());
        }
        EXPECT_EQ(messages.pendingAnswers(), 0);
        messages.clear();
    }
}

TEST_F(ProjectCommandsTest, CancelOrUnsavedYesKeepsTheProjectThroughNewAndOpen)
{
    activeProject(true, QString());
    messages.expect(MessageAnswer::Cancel);
    commands.newProject();
    messages.expect(MessageAnswer::Yes); // then Save As is cancelled
    commands.openProject();
    EXPECT_TRUE(state.record.projectActive);
    EXPECT_EQ(host.selectionShown, 0);
    EXPECT_EQ(host.proposedNames.size(), 1);

    // No, then the open dialog is cancelled: the project stays closed.
    messages.expect(MessageAnswer::No);
    commands.openProject();
    EXPECT_FALSE(state.record.projectActive);
    EXPECT_TRUE(state.record.projectModified); // the question never touches the mark
}

TEST_F(ProjectCommandsTest, BrokenFileIsExaminedFirstAndLeavesTheValuesAlone)
{
    const QString broken = path("broken.PXF");
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[FILE INFO]\r\nFILE TYPE=PELNIX ENERGY FILE 1.03\r\n[DATA ENERGY SAVER]\r\nP1,  A1-01=5;\r\n");
    f.close();
    const float before = state.parameters.value(1);
    host.openPaths.push_back(broken);
    messages.answerAllWithDefault();
    commands.openProject();
    EXPECT_FALSE(state.record.projectActive);
    EXPECT_EQ(state.parameters.value(1), before);
    EXPECT_EQ(state.history[0], QString());
    EXPECT_EQ(host.analysisShown, 0);
}

TEST_F(ProjectCommandsTest, SaveAsExtensionAndReplaceQuestions)
{
    activeProject(true);
    // A foreign extension is replaced after a warning.
    host.savePaths.push_back(path("plan.txt"));
    messages.expect(MessageAnswer::Ok).expect(MessageAnswer::Ok);
    EXPECT_TRUE(commands.saveAs());
    EXPECT_EQ(messages.shown()[0].text, ShellTexts::WrongExtension);
    EXPECT_EQ(messages.shown()[0].kind, MessageKind::Warning);
    EXPECT_TRUE(QFile::exists(path("plan.PXF")));
    EXPECT_FALSE(QFile::exists(path("plan.txt")));
    messages.clear();

    // Typed without extension onto an existing plan.PXF: the program asks; No saves nothing.
    state.record.projectModified = true;
    const RecentFiles historyBefore = state.history;
    host.savePaths.push_back(path("plan"));
    messages.expect(MessageAnswer::No);
    EXPECT_FALSE(commands.saveAs());
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, path("plan.PXF") + QStringLiteral(" already exists!\rDo you want to replace it"));
    EXPECT_EQ(messages.shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(state.record.projectModified);
    EXPECT_EQ(state.history, historyBefore);
    messages.clear();

    // Yes replaces it.
    host.savePaths.push_back(path("plan.pxf"));
    messages.expect(MessageAnswer::Yes).expect(MessageAnswer::Ok);
    EXPECT_TRUE(commands.saveAs());
    EXPECT_EQ(messages.shown()[1].text, Saved);
    EXPECT_FALSE(state.record.projectModified);
}

TEST_F(ProjectCommandsTest, FailedSaveAsLeavesNameMarkAndHistoryAsTheyWere)
{
    activeProject(true, path("current.PXF"));
    host.savePaths.push_back(path("no/such/folder/x"));
    messages.expect(MessageAnswer::Ok); // the system's error text
    EXPECT_FALSE(commands.saveAs());
    EXPECT_EQ(messages.shown().back().kind, MessageKind::Warning);
    EXPECT_EQ(state.record.projectFileName, path("current.PXF"));
    EXPECT_TRUE(state.record.projectModified);
    EXPECT_EQ(state.history, RecentFiles{});
    EXPECT_FALSE(store.contains(QStringLiteral("FHIS"), QStringLiteral("H1")));
}

TEST_F(ProjectCommandsTest, NoActiveProjectAndAlreadyActiveMessages)
{
    messages.expect(MessageAnswer::Ok).expect(MessageAnswer::Ok).expect(MessageAnswer::Ok);
    EXPECT_FALSE(commands.save());
    EXPECT_FALSE(commands.saveAs());
    commands.activeProject();
    for (const auto &s : messages.shown()) {
        EXPECT_EQ(s.text, ShellTexts::NoActiveProject);
        EXPECT_EQ(s.kind, MessageKind::Information);
    }
    EXPECT_TRUE(host.proposedNames.isEmpty());
    messages.clear();

    activeProject(true, path("p.PXF"));
    state.record.applicationKind = 2;
    messages.expect(MessageAnswer::Ok);
    commands.startApplication(ProjectCommands::Kind::Fan);
    EXPECT_EQ(messages.shown()[0].text, ShellTexts::AlreadyActive);
    EXPECT_EQ(host.guideShown, 0);
    EXPECT_EQ(state.record.applicationKind, 2);
    EXPECT_EQ(state.record.projectFileName, path("p.PXF"));

    // Going back in the guide starts nothing.
    state.record.projectActive = false;
    host.guideGoesOn = false;
    commands.startApplication(ProjectCommands::Kind::Fan);
    EXPECT_FALSE(state.record.projectActive);
    EXPECT_EQ(host.analysisShown, 0);
}

TEST_F(ProjectCommandsTest, HistoryKeepsDuplicatesInTheStoreButShowsThemOnce)
{
    const QString a = projectFile("a.PXF");
    host.openPaths = {a, a};
    commands.openProject();
    commands.openProject();
    EXPECT_EQ(store.readString(QStringLiteral("FHIS"), QStringLiteral("H1")), a);
    EXPECT_EQ(store.readString(QStringLiteral("FHIS"), QStringLiteral("H2")), a);
    EXPECT_EQ(commands.historyItems(), (RecentFiles{a, QString(), QString(), QString()}));
    EXPECT_EQ(store.readString(QStringLiteral("FHIS"), QStringLiteral("H2")), a);

    // A history entry whose file vanished: hidden, and opening it by name says so.
    const QString b = projectFile("b.PXF");
    commands.addToHistory(b);
    QFile::remove(b);
    EXPECT_EQ(commands.historyItems()[0], QString());
    messages.expect(MessageAnswer::Ok);
    commands.openProjectByName(b);
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("File does not exist!"));
    EXPECT_EQ(messages.shown()[0].kind, MessageKind::Error);
    EXPECT_EQ(state.record.projectFileName, a);
    EXPECT_FALSE(state.record.projectActive); // the project was closed before the open
}

TEST_F(ProjectCommandsTest, OpeningByNameDoesNotTouchTheHistory)
{
    const QString p = projectFile("pump.PXF", QStringLiteral("PUMP"));
    commands.openProjectByName(p);
    EXPECT_TRUE(state.record.projectActive);
    EXPECT_EQ(state.record.applicationKind, 2);
    EXPECT_EQ(state.record.applicationName, QStringLiteral("PUMP"));
    EXPECT_EQ(host.analysisShown, 1);
    EXPECT_EQ(state.history, RecentFiles{});
}

TEST_F(ProjectCommandsTest, StartupDecidesBetweenCommandLineWelcomeAndNothing)
{
    const QString p = projectFile("My Plant.PXF");
    struct Case
    {
        const char *rs;         // nullptr: missing
        const char *l6;
        bool commandLine;       // an existing file named on the command line
        const char *missing;    // a command-line file that does not exist
        ProjectCommands::Startup expected;
    };
    using S = ProjectCommands::Startup;
    const Case cases[] = {
        {nullptr, "0", false, nullptr, S::ShowWelcome},    // first run shows the introduction
        {"0", "0", false, nullptr, S::Nothing},
        {"0", nullptr, false, nullptr, S::ShowWelcome},    // L6 defaults to true
        {nullptr, "1", true, nullptr, S::OpenCommandLineFile}, // the file wins even on the first run
        {"0", "1", false, "nowhere.PXF", S::ShowWelcome},
        {"0", "0", false, "nowhere.PXF", S::Nothing},
    };
    for (const Case &c : cases) {
        QFile::remove(dir.filePath(QStringLiteral("settings.ini")));
        SettingsStore fresh(dir.filePath(QStringLiteral("settings.ini")));
        AppState s(messages, fresh);
        InitGlobals(s);
        FakeHost h;
        ProjectCommands cmds(s, h);
        if (c.rs)
            fresh.writeString(QStringLiteral("PRG"), QStringLiteral("RS"), QString::fromUtf8(c.rs));
        if (c.l6)
            fresh.writeString(QStringLiteral("PROGRAM"), QStringLiteral("L6"), QString::fromUtf8(c.l6));
        fresh.writeString(QStringLiteral("FHIS"), QStringLiteral("H3"), p);
        s.commandLineFile = c.commandLine ? p : c.missing ? path(c.missing) : QString();
        EXPECT_EQ(cmds.startup(), c.expected) << (c.rs ? c.rs : "-") << (c.l6 ? c.l6 : "-");
        EXPECT_EQ(s.commandLineFileExists, c.commandLine);
        EXPECT_EQ(s.firstRunIntro, c.rs == nullptr);
        EXPECT_EQ(s.history[2], p);
        EXPECT_EQ(fresh.readString(QStringLiteral("PRG"), QStringLiteral("PROGRAMVERSION")), QStringLiteral("1.03"));
        EXPECT_EQ(h.caption, QStringLiteral("Pelnix Veriro Zarired Uviduzudu"));
    }
}

} // namespace
