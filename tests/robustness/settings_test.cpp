// The settings store under attack: stores that cannot be written say so through lastWriteOk, and
// garbage items load as their defaults (repaired in the store where the store can be written).
#include "scratchmount.h"

#include "setup/options.h"
#include "setup/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

void expectUsableOptions(const ProgramOptions &options)
{
    for (int t = 0; t < EfficiencyTableCount; ++t)
        for (int i = 0; i < FlowStepCount; ++i) {
            EXPECT_TRUE(std::isfinite(options.tables[t][i])) << t << "/" << i;
            EXPECT_NE(options.tables[t][i], 0) << t << "/" << i;
        }
    EXPECT_LE(options.custom1Title.size(), 30);
    EXPECT_LE(options.custom2Title.size(), 30);
}

TEST(UnwritableSettingsStore, FolderThatIsAPlainFile)
{
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath(QStringLiteral("VENDRAM"));
    ASSERT_TRUE(writeBytes(notAFolder, "plain"));
    SettingsStore store(notAFolder + QStringLiteral("/PELNIX.conf"));
    store.writeString(QStringLiteral("USER"), QStringLiteral("PREP"), QStringLiteral("Jane"));
    EXPECT_FALSE(store.lastWriteOk());
    // A read afterwards writes nothing back and does not hide the failure.
    EXPECT_EQ(store.readString(QStringLiteral("EFF"), QStringLiteral("CUSTOM1TITLE"), QStringLiteral("x")),
              QStringLiteral("x"));
    EXPECT_FALSE(store.lastWriteOk());
    EXPECT_EQ(contents(notAFolder), QByteArray("plain"));
}

TEST(UnwritableSettingsStore, ReadOnlyMountKeepsTheStoreAndLoadsIt)
{
    ScratchMount disk(QStringLiteral("size=64k"));
    REQUIRE_MOUNT(disk);
    const QString path = disk.filePath(QStringLiteral("PELNIX.conf"));
    {
        SettingsStore store(path);
        store.writeString(QStringLiteral("EFF"), QStringLiteral("DE50"), QStringLiteral("0.25"));
        store.writeString(QStringLiteral("EFF"), QStringLiteral("DE60"), QStringLiteral("abc"));
        ASSERT_TRUE(store.lastWriteOk());
    }
    const QByteArray stored = contents(path);
    if (!disk.makeReadOnly())
        GTEST_SKIP() << "cannot remount read-only: " << disk.failure().toStdString();

    SettingsStore store(path);
    ProgramOptions options;
    SetupFields fields;
    // DE60 is repaired in memory; writing the repair back fails and says so.
    Load_OPT(store, options, fields);
    EXPECT_DOUBLE_EQ(options.table(EfficiencyTable::Damper)[5], 0.25);
    EXPECT_DOUBLE_EQ(options.table(EfficiencyTable::Damper)[4], 0.2789);
    EXPECT_FALSE(store.lastWriteOk());

    // The dialog's OK on a read-only store: memory takes the fields, the store reports the failure.
    ResetEfficiencyDefaults(options, fields);
    fields.customTitle1 = QStringLiteral("Bypass");
    Save_Opt(store, fields, options);
    EXPECT_FALSE(store.lastWriteOk());
    EXPECT_EQ(options.custom1Title, QStringLiteral("Bypass"));
    EXPECT_EQ(contents(path), stored);
}

TEST(UnwritableSettingsStore, WritableAgainClearsTheFailure)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("cfg"));
    ASSERT_TRUE(writeBytes(folder, "plain"));
    SettingsStore store(folder + QStringLiteral("/PELNIX.conf"));
    store.writeFlag(QStringLiteral("PROGRAM"), QStringLiteral("L6"), false);
    ASSERT_FALSE(store.lastWriteOk());
    ASSERT_TRUE(QFile::remove(folder));
    ASSERT_TRUE(QDir().mkdir(folder));
    store.writeFlag(QStringLiteral("PROGRAM"), QStringLiteral("L6"), false);
    EXPECT_TRUE(store.lastWriteOk());
    EXPECT_FALSE(store.readFlag(QStringLiteral("PROGRAM"), QStringLiteral("L6"), true));
}

// Garbage in one item of a hand-edited store; the load takes the item's default (or what can be
// read of it) and never a number the estimation cannot use.
struct GarbageItem
{
    const char *name;
    QByteArray line;       // the INI line under [SETUP]
    double damper50;       // DE50 after the load
    QString title1;        // custom method 1 title after the load
    bool custom1InUse;
    QByteArray storedDe50; // the DE50 line after the load, empty when unchecked
};

// Cases are named by their name in test listings and failures.
void PrintTo(const GarbageItem &c, std::ostream *os) { *os << c.name; }

class GarbageSettings : public ::testing::TestWithParam<GarbageItem>
{};

TEST_P(GarbageSettings, LoadsDefaultsOrRepairs)
{
    const GarbageItem &c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PELNIX.conf"));
    ASSERT_TRUE(writeBytes(path, "[SETUP]\n" + c.line + "\n"));
    SettingsStore store(path);
    ProgramOptions options;
    SetupFields fields;
    EXPECT_TRUE(Load_OPT(store, options, fields));
    expectUsableOptions(options);
    EXPECT_DOUBLE_EQ(options.table(EfficiencyTable::Damper)[5], c.damper50);
    EXPECT_EQ(options.custom1Title, c.title1);
    EXPECT_EQ(options.custom1InUse, c.custom1InUse);
    EXPECT_TRUE(store.lastWriteOk());
    if (!c.storedDe50.isEmpty()) {
        EXPECT_TRUE(contents(path).contains(c.storedDe50)) << contents(path).left(200).toStdString();
    }
}

const QString DefaultTitle = QStringLiteral("Custom Control 1");

INSTANTIATE_TEST_SUITE_P(
    Items, GarbageSettings,
    ::testing::Values(
        GarbageItem{"NotANumber", "EFF\\DE50=abc", 0.1767, DefaultTitle, false, "EFF\\DE50=0.1767"},
        GarbageItem{"Empty", "EFF\\DE50=", 0.1767, DefaultTitle, false, "EFF\\DE50=0.1767"},
        GarbageItem{"BeyondADouble", "EFF\\DE50=1e999", 0.1767, DefaultTitle, false, "EFF\\DE50=0.1767"},
        GarbageItem{"BelowADouble", "EFF\\DE50=-1e999", 0.1767, DefaultTitle, false, "EFF\\DE50=0.1767"},
        GarbageItem{"TooSmallForADouble", "EFF\\DE50=1e-999", 0.1767, DefaultTitle, false, "EFF\\DE50=0.1767"},
        GarbageItem{"MegabyteOfDigits", "EFF\\DE50=" + QByteArray(1 << 20, '7'), 0.1767, DefaultTitle, false,
                    "EFF\\DE50=0.1767"},
        GarbageItem{"NumberWithTrailingText", "EFF\\DE50=0.5x", 0.1767, DefaultTitle, false, "EFF\\DE50=0.1767"},
        GarbageItem{"ListWithCommas", "EFF\\DE50=0.5, 0.6", 0.1767, DefaultTitle, false, "EFF\\DE50=0.1767"},
        GarbageItem{"QuotedNumber", "EFF\\DE50=\"0.5\"", 0.5, DefaultTitle, false, ""},
        GarbageItem{"ByteArrayNumber", "EFF\\DE50=@ByteArray(0.5)", 0.5, DefaultTitle, false, ""},
        // Qt cannot load the value at all: the item counts as missing and keeps its text.
        GarbageItem{"BrokenVariant", "EFF\\DE50=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5garbage)", 0.1767, DefaultTitle,
                    false, ""},
        GarbageItem{"ControlCharacters", "EFF\\DE50=\x01\x02\x7f", 0.1767, DefaultTitle, false, "EFF\\DE50=0.1767"},
        GarbageItem{"TitleWithCommas", "EFF\\CUSTOM1TITLE=Fans, Pumps, Other", 0.1767,
                    QStringLiteral("Fans, Pumps, Other"), false, ""},
        GarbageItem{"MegabyteTitle", "EFF\\CUSTOM1TITLE=" + QByteArray(1 << 20, 'T'), 0.1767,
                    QString(30, QLatin1Char('T')), false, ""},
        GarbageItem{"FlagAsList", "EFF\\CUSTOM1=1,0", 0.1767, DefaultTitle, true, ""},
        GarbageItem{"FlagAsWord", "EFF\\CUSTOM1=yes", 0.1767, DefaultTitle, false, ""},
        GarbageItem{"FlagAsBinary", QByteArray("EFF\\CUSTOM1=\x01\0\x31", 15), 0.1767, DefaultTitle, false, ""},
        GarbageItem{"LineWithoutEquals", "EFF\\DE50", 0.1767, DefaultTitle, false, ""}),
    [](const ::testing::TestParamInfo<GarbageItem> &info) { return std::string(info.param.name); });

TEST(GarbageSettingsFile, BinaryStoreLoadsAndStaysUsable)
{
    for (const std::uint32_t start : {1u, 2u, 3u}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("PELNIX.conf"));
        QByteArray bytes(64 * 1024, Qt::Uninitialized);
        std::uint32_t state = start;
        for (char &b : bytes) {
            state = state * 1664525u + 1013904223u;
            b = static_cast<char>(state >> 24);
        }
        ASSERT_TRUE(writeBytes(path, bytes));
        SettingsStore store(path);
        ProgramOptions options;
        SetupFields fields;
        Load_OPT(store, options, fields);
        expectUsableOptions(options);
        // A second load reads exactly what the first one left.
        ProgramOptions again;
        Load_OPT(store, again, fields);
        EXPECT_EQ(again.tables, options.tables) << start;
    }
}

} // namespace

namespace {

// A hand-edited line Qt cannot parse is a reading matter: a write to that store still lands and
// is not reported as failed.
TEST(GarbageSettingsFile, UnparsableLineDoesNotBlockWrites)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PELNIX.conf"));
    ASSERT_TRUE(writeBytes(path, "[SETUP]\nEFF\\DE50\nEFF\\DE60=0.3\n"));
    SettingsStore store(path);
    store.writeString(QStringLiteral("USER"), QStringLiteral("PREP"), QStringLiteral("Jane"));
    EXPECT_TRUE(contents(path).contains("Jane")) << contents(path).toStdString();
    EXPECT_EQ(store.lastWriteOk(), contents(path).contains("Jane"));
}

} // namespace
