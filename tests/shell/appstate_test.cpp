#include "shell/appstate.h"

#include "setup/settingsstore.h"
#include "support/scriptedmessages.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(InitGlobals, StartValuesAndTheLocaleSeparators)
{
    QTemporaryDir dir;
    ScriptedMessages messages;
    SettingsStore store(dir.filePath(QStringLiteral("s.ini")));
    AppState state(messages, store);
    state.parameters.DefineParameters(messages);
    state.record.projectActive = true;
    state.record.projectModified = true;
    state.record.applicationKind = 2;
    state.record.applicationName = QStringLiteral("PUMP");
    state.history[0] = QStringLiteral("/a.PXF");
    state.overviewMethod = 3;

    InitGlobals(state, QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(state.parameters.count(), 0);
    EXPECT_FALSE(state.record.projectActive);
    EXPECT_FALSE(state.record.projectModified);
    EXPECT_EQ(state.record.applicationName, QStringLiteral("FAN"));
    EXPECT_EQ(state.record.applicationKind, 2); // the kind stays as it was
    EXPECT_TRUE(state.history[0].isEmpty());
    EXPECT_EQ(state.overviewKind, 1);
    EXPECT_EQ(state.overviewMethod, 1);
    EXPECT_EQ(state.graphType, 1);
    EXPECT_EQ(state.thousandSep(), QLatin1Char('.'));
    EXPECT_EQ(state.separators.decimalSep, QLatin1Char(','));

    InitGlobals(state, QLocale::c());
    EXPECT_EQ(state.thousandSep(), QLatin1Char(','));
}

} // namespace
