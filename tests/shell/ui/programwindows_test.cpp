#include "modaldriver.h"

#include "analysis/ui/fanform.h"
#include "setup/settingsstore.h"
#include "shell/appstate.h"
#include "shell/ui/appsel2.h"
#include "shell/ui/guideit.h"
#include "shell/ui/loading.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/programwindows.h"
#include "shell/ui/welc.h"
#include "tools/ui/aboutbox.h"
#include "tools/ui/helpwindow.h"
#include "support/scriptedmessages.h"
#include "tools/errorhandler.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ProgramWindowsTest : public ::testing::Test
{
protected:
    ProgramWindowsTest() : store(dir.filePath(QStringLiteral("settings.ini"))), state(messages, store)
    {
        InitGlobals(state);
        store.writeFlag(QStringLiteral("PRG"), QStringLiteral("RS"), false);
        store.writeFlag(QStringLiteral("PROGRAM"), QStringLiteral("L6"), false);
    }

    QTemporaryDir dir;
    ScriptedMessages messages;
    SettingsStore store;
    AppState state;
};

TEST_F(ProgramWindowsTest, EveryWindowIsMadeOnceInTheStartUpOrder)
{
    ProgramWindows windows(state, nullptr);
    QStringList order;
    for (QObject *child : windows.mainWindow()->children())
        if (child->isWidgetType() && static_cast<QWidget *>(child)->isWindow())
            order << QString::fromLatin1(child->metaObject()->className());
    EXPECT_EQ(order, (QStringList{QStringLiteral("HelpWindow"), QStringLiteral("AboutBox"), QStringLiteral("TFANFORM"),
                                  QStringLiteral("TCALCREP"), QStringLiteral("TWelc"), QStringLiteral("SetupDialog"),
                                  QStringLiteral("LogoDialog"), QStringLiteral("TAPPSEL2"),
                                  QStringLiteral("FormulasWindow"), QStringLiteral("GraphTypeDialog"),
                                  QStringLiteral("TGuideIt"), QStringLiteral("EmailDialog")}));
    EXPECT_EQ(state.parameters.count(), 19);
    EXPECT_NE(state.help, nullptr);
}

TEST_F(ProgramWindowsTest, FanProjectThroughTheRealWindowsAndTheRecoveryCopyOfItsTexts)
{
    UnhandledErrorHandler errors(messages);
    ProgramWindows windows(state, &errors);
    TForm1 *main = windows.mainWindow();
    main->show();

    ModalDriver driver;
    driver.on("APPSEL2", [](QWidget *w) { QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("SpeedButton1")), Qt::LeftButton); })
        .on("GuideIt", [](QWidget *w) { QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("NextButton")), Qt::LeftButton); })
        .on("FANFORM", [](QWidget *w) {
            auto *name = w->findChild<QLineEdit *>(QStringLiteral("PROJECTNAME"));
            ASSERT_NE(name, nullptr);
            name->setFocus();
            QTest::keyClicks(name, QStringLiteral("Kiln draft fan"));
            // "Save Estimation" runs the main window's Save, which asks for a name first.
            w->findChild<QPushButton *>(QStringLiteral("BitBtn14"))->click();
            QTest::keyClicks(name, QStringLiteral(" 2"));
            static_cast<QDialog *>(w)->reject();
        });
    ProjectFileChooser chooser;
    QStringList proposed;
    chooser.save = [&](QWidget *, const QString &p) {
        proposed << p;
        return dir.filePath(QStringLiteral("kiln"));
    };
    main->setFileChooser(chooser);
    messages.expect(MessageAnswer::Ok); // "Estimation Saved!"
    main->findChild<QAction *>(QStringLiteral("NewProject"))->trigger();
    ASSERT_TRUE(driver.done());
    EXPECT_EQ(proposed, QStringList{QStringLiteral("PelnixProject.PXF")});
    EXPECT_EQ(state.record.projectFileName, dir.filePath(QStringLiteral("kiln.PXF")));
    QFile saved(dir.filePath(QStringLiteral("kiln.PXF")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("Kiln draft fan"));
    saved.close();
    EXPECT_TRUE(state.record.projectActive);
    EXPECT_EQ(state.record.applicationKind, 1);
    EXPECT_TRUE(state.record.projectModified); // typed after the save
    EXPECT_EQ(windows.projectTexts().text(ProjectText::ProjectName), QStringLiteral("Kiln draft fan 2"));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Pelnix Veriro Zarired Uviduzudu"));

    // An error nobody caught: the typed project is kept in a recovery copy that the message names.
    messages.expect(MessageAnswer::Ok);
    EXPECT_THROW(errors.handle(QStringLiteral("Access violation")), ScriptedMessages::Terminated);
    const QString text = messages.shown().back().text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("EXCEPTION ERROR : Access violation Program Aborted !")));
    const qsizetype at = text.lastIndexOf(QLatin1Char('\n'));
    const QString copy = text.mid(at + 1);
    EXPECT_EQ(copy, dir.filePath(QStringLiteral("kiln (recovery).PXF")));
    QFile f(copy);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("Kiln draft fan 2"));
    f.close();
    QFile::remove(copy);

    state.record.projectModified = false;
    main->close();
}

// Renders every window of the shell to PNG for a look (run with --gtest_also_run_disabled_tests).
TEST_F(ProgramWindowsTest, DISABLED_Screenshots)
{
    ProgramWindows windows(state, nullptr);
    TForm1 *main = windows.mainWindow();
    main->show();
    state.record.projectActive = true;
    main->UpdateStatusPanel();
    main->grab().save(QStringLiteral("/tmp/shell-main.png"));
    for (QWidget *w : std::initializer_list<QWidget *>{windows.welcome(), windows.selection(), windows.guide(),
                                                      windows.about()}) {
        w->show();
        QTest::qWait(20);
        w->grab().save(QStringLiteral("/tmp/shell-%1.png").arg(w->objectName()));
        w->hide();
    }
    store.writeFlag(QStringLiteral("PRG"), QStringLiteral("RS"), true);
    windows.welcome()->show();
    QTest::qWait(20);
    windows.welcome()->grab().save(QStringLiteral("/tmp/shell-Welc-intro.png"));
    windows.welcome()->hide();
    TLOADING splash(state, {QStringLiteral("pelnix")});
    splash.show();
    splash.grab().save(QStringLiteral("/tmp/shell-LOADING.png"));
    state.help->showTopic(QStringLiteral("STEP4"));
    QTest::qWait(20);
    windows.help()->grab().save(QStringLiteral("/tmp/shell-help-step4.png"));
    state.help->showTopic(QStringLiteral("HLP_CONTENTS"));
    QTest::qWait(20);
    windows.help()->grab().save(QStringLiteral("/tmp/shell-help-contents.png"));
    windows.help()->close();
}

} // namespace
