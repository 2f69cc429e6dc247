#include "shell/projectrules.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(SaveAsExtension, EveryChosenNameEndsInPxfAndOnlyAForeignExtensionWarns)
{
    struct Case
    {
        const char *chosen;
        const char *saved;
        bool warns;
    };
    const Case cases[] = {
        {"/d/plan.txt", "/d/plan.PXF", true},
        {"/d/plan", "/d/plan.PXF", false},
        {"/d/plan.pxf", "/d/plan.PXF", false},
        {"/d/plan.PXF", "/d/plan.PXF", false},
        {"/d/plan.Pxf", "/d/plan.PXF", false},
        {"/d/plan.", "/d/plan.PXF", true},
        {"/d/my.plans/plan", "/d/my.plans/plan.PXF", false}, // a dot in a folder is no extension
        {"C:\\My Projects\\a.b.xls", "C:\\My Projects\\a.b.PXF", true},
        {"/d/plan.pxf.bak", "/d/plan.pxf.PXF", true},
    };
    for (const Case &c : cases) {
        const SaveAsPath fixed = fixProjectExtension(QString::fromUtf8(c.chosen));
        EXPECT_EQ(fixed.path, QString::fromUtf8(c.saved)) << c.chosen;
        EXPECT_EQ(fixed.wrongExtension, c.warns) << c.chosen;
    }
}

TEST(History, PushDropsTheOldestAndDuplicatesAreHiddenNotForgotten)
{
    RecentFiles h{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
    pushHistory(h, QStringLiteral("e"));
    EXPECT_EQ(h, (RecentFiles{QStringLiteral("e"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));

    RecentFiles twice{QStringLiteral("x"), QStringLiteral("x"), QStringLiteral("X"), QStringLiteral("x")};
    removeHistoryDuplicates(twice);
    EXPECT_EQ(twice, (RecentFiles{QStringLiteral("x"), QString(), QStringLiteral("X"), QString()}));
}

TEST(History, CaptionsShowOnlyExistingFilesAndNoStarredEntries)
{
    QTemporaryDir dir;
    const QString present = dir.filePath(QStringLiteral("here.PXF"));
    QFile f(present);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const RecentFiles h{dir.filePath(QStringLiteral("gone.PXF")), present, QStringLiteral("*") + present, dir.path()};
    const RecentFiles captions = historyCaptions(h, projectFileExists);
    EXPECT_EQ(captions, (RecentFiles{QString(), present, QString(), QString()})); // a folder is no file
}

TEST(CommandLine, ArgumentsAreJoinedWithSingleBlanks)
{
    EXPECT_EQ(commandLineFile({QStringLiteral("pelnix"), QStringLiteral("C:\\My"), QStringLiteral("Projects\\a.PXF")}),
              QStringLiteral("C:\\My Projects\\a.PXF"));
    EXPECT_EQ(commandLineFile({QStringLiteral("pelnix")}), QString());
    EXPECT_EQ(projectCaption(QStringLiteral("C:\\My Projects\\a.PXF")), QStringLiteral("a.PXF"));
    EXPECT_EQ(projectCaption(QStringLiteral("/home/u/b.PXF")), QStringLiteral("b.PXF"));
}
