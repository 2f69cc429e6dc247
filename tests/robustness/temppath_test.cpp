// The private folder for graph pictures and the mail attachment when the system's temporary
// folder is unusable: the program gets an empty path to report, never a folder elsewhere.
#include "scratchmount.h"

#include "data/programpaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#include <optional>

namespace {

// Points TMPDIR somewhere for one scope.
class TempDirVariable
{
public:
    explicit TempDirVariable(const QString &value) : m_old(qEnvironmentVariable("TMPDIR"))
    {
        m_had = qEnvironmentVariableIsSet("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(value));
    }
    ~TempDirVariable()
    {
        if (m_had)
            qputenv("TMPDIR", QFile::encodeName(m_old));
        else
            qunsetenv("TMPDIR");
    }
    TempDirVariable(const TempDirVariable &) = delete;
    TempDirVariable &operator=(const TempDirVariable &) = delete;

private:
    QString m_old;
    bool m_had = false;
};

struct UnusableTemp
{
    const char *name;
    QString (*make)(const QTemporaryDir &scratch);
};

// Cases are named by their name in test listings and failures.
void PrintTo(const UnusableTemp &c, std::ostream *os) { *os << c.name; }

class UnusableTempFolder : public ::testing::TestWithParam<UnusableTemp>
{};

TEST_P(UnusableTempFolder, TempPathIsEmpty)
{
    QTemporaryDir scratch;
    const QString where = GetParam().make(scratch);
    TempDirVariable tmp(where);
    ProgramPaths paths;
    EXPECT_EQ(paths.tempPath(), QString());
    // Asked again (the next picture, the next mail) it stays empty and creates nothing.
    EXPECT_EQ(paths.tempPath(), QString());
    EXPECT_EQ(QDir(scratch.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).filter(QStringLiteral("pelnix")),
              QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Folders, UnusableTempFolder,
    ::testing::Values(UnusableTemp{"PlainFile",
                                   [](const QTemporaryDir &s) {
                                       const QString p = s.filePath(QStringLiteral("tmpfile"));
                                       QFile f(p);
                                       (void)f.open(QIODevice::WriteOnly);
                                       return p;
                                   }},
                      UnusableTemp{"Missing", [](const QTemporaryDir &s) { return s.filePath(QStringLiteral("gone/deeper")); }},
                      UnusableTemp{"UnderAPlainFile",
                                   [](const QTemporaryDir &s) {
                                       QFile f(s.filePath(QStringLiteral("file")));
                                       (void)f.open(QIODevice::WriteOnly);
                                       return s.filePath(QStringLiteral("file/tmp"));
                                   }}),
    [](const ::testing::TestParamInfo<UnusableTemp> &info) { return std::string(info.param.name); });

TEST(UnwritableTempFolder, ReadOnlyMount)
{
    ScratchMount disk(QStringLiteral("size=64k"));
    REQUIRE_MOUNT(disk);
    if (!disk.makeReadOnly())
        GTEST_SKIP() << "cannot remount read-only: " << disk.failure().toStdString();
    TempDirVariable tmp(disk.path());
    ProgramPaths paths;
    EXPECT_EQ(paths.tempPath(), QString());
}

TEST(UsableTempFolder, PrivateFolderRemovedAtTheEnd)
{
    QTemporaryDir scratch;
    TempDirVariable tmp(scratch.path());
    QString made;
    {
        ProgramPaths paths;
        made = paths.tempPath();
        ASSERT_FALSE(made.isEmpty());
        EXPECT_TRUE(made.startsWith(scratch.path()));
        EXPECT_EQ(QFileInfo(made).permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
                  QFile::Permissions());
        EXPECT_EQ(paths.tempPath(), made);
    }
    EXPECT_FALSE(QFileInfo::exists(made));
}

} // namespace
