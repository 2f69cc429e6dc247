// Saving a project where the system refuses: the user sees the system's own text, never
// "Estimation Saved!", and the file that was there before is left exactly as it was.
#include "renamehook.h"
#include "scratchmount.h"

#include "data/parameters.h"
#include "data/projectfile.h"
#include "data/projectrecord.h"

#include "support/scriptedmessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {

QString systemText(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size() && f.flush();
}

// Files in a folder other than the ones named, such as a save's leftover temporary file.
QStringList strays(const QString &folder, const QStringList &expected)
{
    QStringList found = QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &name : expected)
        found.removeAll(name);
    return found;
}

class ProjectSaveFault : public ::testing::Test
{
protected:
    void SetUp() override
    {
        params.DefineParameters(messages);
        texts.setText(ProjectText::Name, QStringLiteral("Jane Smith"));
        texts.setText(ProjectText::ProjectName, QStringLiteral("Cooling plant"));
        // What is on disk already: the same project with another motor.
        ParameterTable before;
        before.DefineParameters(messages);
        before.at(5)->value = 75;
        previous = projectFileBytes(QStringLiteral("PUMP"), before, texts, QStringLiteral("01/02/2026"));
    }

    bool save(const QString &path) { return WriteProjectFile(path, QStringLiteral("FAN"), params, texts, messages); }

    // Exactly one warning with the system's text for `code`, and no success message.
    void expectRefusedWith(int code)
    {
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].kind, MessageKind::Warning);
        EXPECT_EQ(messages.shown()[0].buttons, MessageButtons::Ok);
        EXPECT_TRUE(messages.shown()[0].text.contains(systemText(code)))
            << messages.shown()[0].text.toStdString() << " lacks " << systemText(code).toStdString();
        for (const auto &m : messages.shown())
            EXPECT_NE(m.text, QStringLiteral("Estimation Saved!"));
    }

    ScriptedMessages messages;
    ParameterTable params;
    PlainProjectTexts texts;
    QByteArray previous;
};

TEST_F(ProjectSaveFault, ReadOnlyFolderKeepsThePreviousFile)
{
    ScratchMount disk(QStringLiteral("size=256k"));
    REQUIRE_MOUNT(disk);
    const QString path = disk.filePath(QStringLiteral("PLANT.PXF"));
    ASSERT_TRUE(writeBytes(path, previous));
    if (!disk.makeReadOnly())
        GTEST_SKIP() << "cannot remount read-only: " << disk.failure().toStdString();

    messages.expect(MessageAnswer::Ok);
    EXPECT_FALSE(save(path));
    expectRefusedWith(EROFS);
    EXPECT_EQ(contents(path), previous);
    EXPECT_EQ(strays(disk.path(), {QStringLiteral("PLANT.PXF")}), QStringList());
}

TEST_F(ProjectSaveFault, FolderThatIsAPlainFile)
{
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath(QStringLiteral("projects"));
    ASSERT_TRUE(writeBytes(notAFolder, "just a file"));

    messages.expect(MessageAnswer::Ok);
    EXPECT_FALSE(save(notAFolder + QStringLiteral("/PLANT.PXF")));
    expectRefusedWith(ENOTDIR);
    EXPECT_EQ(contents(notAFolder), QByteArray("just a file"));
}

TEST_F(ProjectSaveFault, FullDiskKeepsThePreviousFile)
{
    ScratchMount disk(QStringLiteral("size=32k"));
    REQUIRE_MOUNT(disk);
    const QString path = disk.filePath(QStringLiteral("PLANT.PXF"));
    ASSERT_TRUE(writeBytes(path, previous));
    ASSERT_GT(disk.fill(QStringLiteral("filler")), 0);

    messages.expect(MessageAnswer::Ok);
    EXPECT_FALSE(save(path));
    expectRefusedWith(ENOSPC);
    EXPECT_EQ(contents(path), previous);
    EXPECT_EQ(strays(disk.path(), {QStringLiteral("PLANT.PXF"), QStringLiteral("filler")}), QStringList());

    // Room again: the same save goes through and the file reads back whole.
    ASSERT_TRUE(QFile::remove(disk.filePath(QStringLiteral("filler"))));
    messages.clear();
    messages.expect(MessageAnswer::Ok);
    EXPECT_TRUE(save(path));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("Estimation Saved!"));
    EXPECT_TRUE(contents(path).endsWith("Cooling plant\r\n"));
}

// Another program puts a folder where the project file was while the save is under way: the
// save cannot put its file in place, says so, and leaves the folder and its contents alone.
TEST_F(ProjectSaveFault, FileReplacedByAFolderDuringTheSave)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PLANT.PXF"));
    ASSERT_TRUE(writeBytes(path, previous));
    const QByteArray target = QFile::encodeName(path);
    ArmedRename hook([&](const QByteArray &, const QByteArray &to) {
        if (to != target)
            return;
        QFile::remove(path);
        QDir().mkdir(path);
        writeBytes(path + QStringLiteral("/keep.txt"), "theirs");
    });

    messages.expect(MessageAnswer::Ok);
    EXPECT_FALSE(save(path));
    ASSERT_GE(RenameHook::calls(), 1) << "the save did not go through rename()";
    expectRefusedWith(EISDIR);
    EXPECT_EQ(contents(path + QStringLiteral("/keep.txt")), QByteArray("theirs"));
    EXPECT_EQ(strays(dir.path(), {QStringLiteral("PLANT.PXF")}), QStringList());
}

// Another program rewrites the project file while the save is under way: the file that is left
// is one whole version, never a mix of the two.
TEST_F(ProjectSaveFault, FileRewrittenDuringTheSaveEndsUpWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PLANT.PXF"));
    ASSERT_TRUE(writeBytes(path, previous));
    const QByteArray target = QFile::encodeName(path);
    ArmedRename hook([&](const QByteArray &, const QByteArray &to) {
        if (to == target)
            writeBytes(path, QByteArray(4096, 'x'));
    });

    messages.expect(MessageAnswer::Ok);
    EXPECT_TRUE(save(path));
    ASSERT_GE(RenameHook::calls(), 1);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("Estimation Saved!"));
    const QByteArray saved = contents(path);
    EXPECT_TRUE(saved.startsWith("[FILE INFO]\r\n"));
    EXPECT_TRUE(saved.endsWith("Cooling plant\r\n"));
    EXPECT_FALSE(saved.contains('x' + QByteArray(10, 'x')));
    EXPECT_EQ(strays(dir.path(), {QStringLiteral("PLANT.PXF")}), QStringList());
}

TEST_F(ProjectSaveFault, FolderThatDoesNotExist)
{
    QTemporaryDir dir;
    messages.expect(MessageAnswer::Ok);
    EXPECT_FALSE(save(dir.filePath(QStringLiteral("gone/PLANT.PXF"))));
    expectRefusedWith(ENOENT);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("gone"))));
}

// A project opened through a link is saved into the file the link names; the link stays a link.
TEST_F(ProjectSaveFault, SaveThroughALinkKeepsTheLink)
{
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("shared/PLANT.PXF"));
    const QString link = dir.filePath(QStringLiteral("PLANT.PXF"));
    ASSERT_TRUE(QDir().mkdir(dir.filePath(QStringLiteral("shared"))));
    ASSERT_TRUE(writeBytes(real, previous));
    ASSERT_TRUE(QFile::link(real, link));
    messages.expect(MessageAnswer::Ok);
    EXPECT_TRUE(save(link));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(contents(real).endsWith("Cooling plant\r\n"));
    EXPECT_NE(contents(real), previous);
}

// A save onto a name that is a folder is refused before anything is written.
TEST_F(ProjectSaveFault, NameOfAFolder)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PLANT.PXF"));
    ASSERT_TRUE(QDir().mkdir(path));
    messages.expect(MessageAnswer::Ok);
    EXPECT_FALSE(save(path));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, MessageKind::Warning);
    EXPECT_FALSE(messages.shown()[0].text.isEmpty());
    EXPECT_TRUE(QFileInfo(path).isDir());
}

} // namespace
