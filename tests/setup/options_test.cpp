// The program options against a private settings file: defaults, repairs on load, the three-decimal
// rewrite on OK, reset and the field repair.
#include "setup/options.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "setup/settingsstore.h"

namespace {

class OptionsTest : public ::testing::Test
{
protected:
    QString iniPath() const { return m_dir.filePath(QStringLiteral("setup.ini")); }
    // What the file holds, read without the store (nothing cached).
    QVariant stored(const QString &section, const QString &item) const
    {
        QSettings raw(iniPath(), QSettings::IniFormat);
        return raw.value(QStringLiteral("SETUP/%1/%2").arg(section, item));
    }
    QStringList storedKeys() const
    {
        QSettings raw(iniPath(), QSettings::IniFormat);
        return raw.allKeys();
    }
    void put(const QString &section, const QString &item, const QString &value)
    {
        SettingsStore s(iniPath());
        s.writeString(section, item, value);
    }

    QTemporaryDir m_dir;
    ProgramOptions m_options;
    SetupFields m_fields;
};

TEST_F(OptionsTest, FirstStartTakesEveryDefaultAndWritesNothing)
{
    SettingsStore store(iniPath());
    ASSERT_TRUE(Load_OPT(store, m_options, m_fields));
    EXPECT_TRUE(storedKeys().isEmpty());

    EXPECT_DOUBLE_EQ(m_options.table(EfficiencyTable::Vfd)[0], 0.97);
    EXPECT_DOUBLE_EQ(m_options.table(EfficiencyTable::Damper)[1], 0.7683);
    EXPECT_DOUBLE_EQ(m_options.table(EfficiencyTable::InletVane)[9], 0.0104);
    EXPECT_DOUBLE_EQ(m_options.table(EfficiencyTable::Valve)[7], 0.049);
    EXPECT_DOUBLE_EQ(m_options.table(EfficiencyTable::Custom2)[5], 1.0);
    EXPECT_TRUE(m_options.damperSelected && m_options.inletVaneSelected && m_options.valveSelected);
    EXPECT_FALSE(m_options.custom1InUse || m_options.custom2InUse);
    EXPECT_EQ(m_options.custom1Title, QStringLiteral("Custom Control 1"));
    EXPECT_EQ(m_options.custom2Title, QStringLiteral("Custom Control 2"));
    const std::array<bool, 7> flags{true, true, false, false, false, true, false};
    EXPECT_EQ(m_options.flags, flags);
    EXPECT_TRUE(m_options.logoFileName.isEmpty());
    EXPECT_TRUE(m_fields.preparer.isEmpty() && m_fields.company.isEmpty());
}

TEST_F(OptionsTest, TableItemsThatAreNoNumberAreRewrittenWithTheirDefault)
{
    struct Case
    {
        const char *item;
        const char *text;
        EfficiencyTable table;
        int step;
        double loaded;
        const char *storedAfter;
    };
    const Case cases[] = {
        {"DE50", "abc", EfficiencyTable::Damper, 5, 0.1767, "0.1767"},
        {"DE40", "", EfficiencyTable::Damper, 6, 0.1012, "0.1012"},
        {"VAE90", "0,75", EfficiencyTable::Valve, 1, 0.7683, "0.7683"},
        {"C1E10", ".", EfficiencyTable::Custom1, 9, 1.0, "1.000"},
        {"IVE30", "1.5", EfficiencyTable::InletVane, 7, 1.5, "1.5"},     // out of range loads as it is
        {"VFDE100", " 0.5", EfficiencyTable::Vfd, 0, 0.5, " 0.5"},       // leading blanks read
        {"C2E20", "-0.25", EfficiencyTable::Custom2, 8, -0.25, "-0.25"}, // limits only apply to typing
        {"IVE10", "1e999", EfficiencyTable::InletVane, 9, 0.0104, "0.0104"}, // beyond a double
        {"VAE10", "0e5", EfficiencyTable::Valve, 9, 0.0, "0e5"},
    };
    for (const Case &c : cases)
        put(QStringLiteral("EFF"), QLatin1String(c.item), QLatin1String(c.text));

    SettingsStore store(iniPath());
    Load_OPT(store, m_options, m_fields);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.item);
        EXPECT_DOUBLE_EQ(m_options.table(c.table)[c.step], c.loaded);
        EXPECT_EQ(stored(QStringLiteral("EFF"), QLatin1String(c.item)).toString(), QLatin1String(c.storedAfter));
    }
    // Only the broken items were written.
    EXPECT_EQ(storedKeys().size(), static_cast<int>(std::size(cases)));
}

TEST_F(OptionsTest, FlagsReadTrueOnlyWhenTheTextBeginsWithOne)
{
    put(QStringLiteral("PROGRAM"), QStringLiteral("L1"), QStringLiteral("yes"));
    put(QStringLiteral("PROGRAM"), QStringLiteral("L3"), QStringLiteral("10"));
    put(QStringLiteral("PROGRAM"), QStringLiteral("L6"), QString());
    put(QStringLiteral("EFF"), QStringLiteral("CUSTOM1"), QStringLiteral("1"));
    put(QStringLiteral("EFF"), QStringLiteral("DAMPER"), QStringLiteral("true"));
    SettingsStore store(iniPath());
    Load_OPT(store, m_options, m_fields);
    EXPECT_FALSE(m_options.flag(1));
    EXPECT_TRUE(m_options.flag(3));
    EXPECT_FALSE(m_options.flag(6));
    EXPECT_TRUE(m_options.custom1InUse);
    EXPECT_FALSE(m_options.damperSelected);
}

TEST_F(OptionsTest, TitlesAreCutToThirtyCharactersInMemory)
{
    const QString thirty = QStringLiteral("123456789012345678901234567890");
    put(QStringLiteral("EFF"), QStringLiteral("CUSTOM1TITLE"), thirty);
    put(QStringLiteral("EFF"), QStringLiteral("CUSTOM2TITLE"), thirty + QStringLiteral("X"));
    SettingsStore store(iniPath());
    Load_OPT(store, m_options, m_fields);
    EXPECT_EQ(m_options.custom1Title, thirty);
    EXPECT_EQ(m_options.custom2Title, thirty);
    // The store keeps what it had until OK.
    EXPECT_EQ(stored(QStringLiteral("EFF"), QStringLiteral("CUSTOM2TITLE")).toString(), thirty + QStringLiteral("X"));
}

TEST_F(OptionsTest, OkOnDefaultsStoresEveryTableEntryWithThreeDecimals)
{
    SettingsStore store(iniPath());
    Load_OPT(store, m_options, m_fields);
    FillSetupFields(store, m_options, m_fields);
    Save_Opt(store, m_fields, m_options);

    const std::pair<const char *, const char *> expected[] = {
        {"VFDE100", "0.970"}, {"VFDE10", "0.970"}, {"DE100", "1.000"}, {"DE90", "0.768"}, {"DE80", "0.573"},
        {"DE20", "0.018"},    {"DE10", "0.003"},   {"IVE10", "0.010"},  {"IVE30", "0.091"}, {"VAE50", "0.177"},
        {"C1E50", "1.000"},   {"C2E10", "1.000"},
    };
    for (const auto &[item, text] : expected)
        EXPECT_EQ(stored(QStringLiteral("EFF"), QLatin1String(item)).toString(), QLatin1String(text)) << item;
    EXPECT_DOUBLE_EQ(m_options.table(EfficiencyTable::Damper)[1], 0.768);
    EXPECT_DOUBLE_EQ(m_options.table(EfficiencyTable::Damper)[9], 0.003);
    EXPECT_EQ(stored(QStringLiteral("EFF"), QStringLiteral("DAMPER")).toString(), QStringLiteral("1"));
    EXPECT_EQ(stored(QStringLiteral("EFF"), QStringLiteral("CUSTOM2")).toString(), QStringLiteral("0"));
    EXPECT_EQ(stored(QStringLiteral("PROGRAM"), QStringLiteral("L6")).toString(), QStringLiteral("1"));
    EXPECT_EQ(stored(QStringLiteral("PROGRAM"), QStringLiteral("L7")).toString(), QStringLiteral("0"));
    EXPECT_EQ(stored(QStringLiteral("EFF"), QStringLiteral("CUSTOM1TITLE")).toString(), QStringLiteral("Custom Control 1"));
}

TEST_F(OptionsTest, SavedTextsSurviveTheRoundTrip)
{
    SettingsStore store(iniPath());
    Load_OPT(store, m_options, m_fields);
    FillSetupFields(store, m_options, m_fields);
    m_fields.company = QStringLiteral("ACME Drives\n12 Main Street, Springfield");
    m_fields.preparer = QStringLiteral("J. Smith\nSales");
    m_fields.logoFileName = QStringLiteral("/tmp/logo.png");
    m_fields.closingLine1 = QString(90, QLatin1Char('c'));
    m_fields.customTitle2 = QStringLiteral("Eddy current, clutch");
    m_fields.cust2Select = true;
    m_fields.flags[6] = true;
    Save_Opt(store, m_fields, m_options);
    EXPECT_EQ(stored(QStringLiteral("USER"), QStringLiteral("CPINFO")).toString(),
              QStringLiteral("ACME Drives\r\n12 Main Street, Springfield"));
    EXPECT_EQ(m_options.closingLine1.size(), 80);

    ProgramOptions again;
    SetupFields fields;
    SettingsStore fresh(iniPath());
    Load_OPT(fresh, again, fields);
    EXPECT_EQ(fields.company, m_fields.company);
    EXPECT_EQ(fields.preparer, m_fields.preparer);
    EXPECT_EQ(again.logoFileName, QStringLiteral("/tmp/logo.png"));
    EXPECT_EQ(again.custom2Title, QStringLiteral("Eddy current, clutch"));
    EXPECT_TRUE(again.custom2InUse);
    EXPECT_TRUE(again.flag(7));
    EXPECT_EQ(fields.closingLine1.size(), 90); // the field holds what the store holds
    EXPECT_EQ(again.closingLine1.size(), 80);
}

TEST_F(OptionsTest, ResetChangesTablesInMemoryOnly)
{
    put(QStringLiteral("EFF"), QStringLiteral("DE50"), QStringLiteral("0.3"));
    put(QStringLiteral("EFF"), QStringLiteral("CUSTOM1TITLE"), QStringLiteral("Bypass"));
    SettingsStore store(iniPath());
    Load_OPT(store, m_options, m_fields);
    FillSetupFields(store, m_options, m_fields);
    ResetEfficiencyDefaults(m_options, m_fields);
    EXPECT_DOUBLE_EQ(m_options.table(EfficiencyTable::Damper)[5], 0.1767);
    EXPECT_EQ(m_fields.tables[static_cast<int>(EfficiencyTable::Damper)][5], QStringLiteral("0.177"));
    EXPECT_EQ(m_fields.tables[static_cast<int>(EfficiencyTable::Vfd)][0], QStringLiteral("0.970"));
    EXPECT_EQ(m_fields.customTitle1, QStringLiteral("Bypass"));
    EXPECT_EQ(stored(QStringLiteral("EFF"), QStringLiteral("DE50")).toString(), QStringLiteral("0.3"));
}

TEST(RepairFactorField, LimitsToZeroOneWithThreeDecimals)
{
    const std::pair<const char *, const char *> cases[] = {
        {"2", "1.000"},     {"1.2", "1.000"},     {".", "0.000"},   {"", "0.000"},       {".5", "0.500"},
        {"0.12345", "0.123"}, {"0.0005", "0.001"}, {"1", "1.000"},  {"0.9995", "1.000"}, {"0.5.5", "0.500"},
        {"00.25", "0.250"}, {"5.", "1.000"},
    };
    for (const auto &[in, out] : cases)
        EXPECT_EQ(repairFactorField(QLatin1String(in)), QLatin1String(out)) << in;
}

} // namespace
