#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QApplication>
#include <QKeyEvent>

#include "../workedexample.h"
#include "data/helprouter.h"
#include "engine/ui/calcrep.h"
#include "setup/settingsstore.h"
#include "shell/appstate.h"
#include "support/recordinghelp.h"

namespace {

struct OverviewWindow
{
    QTemporaryDir dir;
    ScriptedMessages messages;
    SettingsStore store{dir.filePath(QStringLiteral("settings.ini"))};
    AppState state{messages, store};
    RecordingHelp help;
    WorkedExample ex;

    OverviewWindow()
    {
        state.help = &help;
        state.separators = NumberSeparators::fromPair(QLatin1Char('.'), QLatin1Char(','));
        ex.run(1);
        state.results = ex.results;
    }
    QString label(TCALCREP &w, const char *name) const
    {
        auto *l = w.findChild<QLabel *>(QString::fromLatin1(name));
        return l ? l->text() : QStringLiteral("<missing %1>").arg(QString::fromLatin1(name));
    }
};

TEST(CalculationOverviewWindow, EachShowFillsTheSelectedMethod)
{
    OverviewWindow o;
    TCALCREP w(o.state);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Pelnix Energy Calculation Overview"));
    o.state.overviewKind = 1;
    o.state.overviewMethod = 1;
    w.show();
    EXPECT_EQ(o.label(w, "FLOWM"), QStringLiteral("AIR"));
    EXPECT_EQ(o.label(w, "Ap10"), QStringLiteral("1"));
    EXPECT_EQ(o.label(w, "HRY10"), QStringLiteral("87.60"));
    EXPECT_EQ(o.label(w, "CPH40"), QStringLiteral("$4.17"));
    EXPECT_EQ(o.label(w, "OC40"), QStringLiteral("$6,209.96"));
    EXPECT_EQ(o.label(w, "SHP100"), QStringLiteral("0.15"));
    EXPECT_EQ(o.label(w, "TOTHOUR"), QStringLiteral("8,760.00"));
    EXPECT_EQ(o.label(w, "TOTALCOST"), QStringLiteral("$22,758"));
    EXPECT_EQ(o.label(w, "MULT1"), QStringLiteral("x1"));
    EXPECT_EQ(o.label(w, "MULT2"), QStringLiteral("x1"));
    EXPECT_TRUE(w.findChild<QLabel *>(QStringLiteral("OC10"))->alignment() & Qt::AlignRight);
    w.grab().save(QStringLiteral("/tmp/calcrep-vfd.png"));
    w.hide();

    o.state.overviewMethod = 2;
    w.show();
    EXPECT_EQ(o.label(w, "CPH10"), QStringLiteral("$11.78"));
    EXPECT_EQ(o.label(w, "TOTALCOST"), QStringLiteral("$75,057"));
    w.grab().save(QStringLiteral("/tmp/calcrep-damper.png"));
    w.hide();
}

TEST(CalculationOverviewWindow, HelpOpensTheTopicAndCloses)
{
    OverviewWindow o;
    TCALCREP w(o.state);
    auto *help = w.findChild<QPushButton *>(QStringLiteral("Help"));
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->text(), QStringLiteral("&Help"));
    EXPECT_EQ(help->toolTip(), QStringLiteral("Get Help!"));
    w.show();
    help->click();
    EXPECT_EQ(o.help.topics, QStringList{QStringLiteral("STEP4")});
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Rejected);
}

TEST(CalculationOverviewWindow, GoBackAndEscapeClose)
{
    OverviewWindow o;
    TCALCREP w(o.state);
    auto *back = w.findChild<QPushButton *>(QStringLiteral("ESCCANCEL"));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->text(), QStringLiteral("&Go Back"));
    EXPECT_EQ(back->toolTip(), QStringLiteral("Go one step back"));
    w.show();
    back->click();
    EXPECT_FALSE(w.isVisible());

    w.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&w, &escape);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(o.help.topics.isEmpty());
    const QSize size = w.size();
    EXPECT_EQ(w.minimumSize(), size);
    EXPECT_EQ(w.maximumSize(), size);
}

} // namespace
