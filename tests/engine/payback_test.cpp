#include "workedexample.h"

#include <gtest/gtest.h>

#include "engine/payback.h"

namespace {

const QChar Comma = QLatin1Char(',');

struct PageRun
{
    WorkedExample ex;
    EstimationPage page;

    void show(int kind)
    {
        ex.run(kind);
        ShowEstimation(kind, ex.results, ex.options, Comma, page);
    }
    QString text(const char *name) const { return page.field(QString::fromLatin1(name)).text; }
    bool visible(const char *name) const { return page.field(QString::fromLatin1(name)).visible; }
    bool red(const char *name) const { return page.field(QString::fromLatin1(name)).red; }
};

TEST(ShowEstimation, DefaultFanProject)
{
    PageRun run;
    run.show(1);
    const std::pair<const char *, const char *> expected[] = {
        {"FLOWM", "Payback Estimation: Fan Application "},
        {"LINE1", "No Speed Control"},         {"VAL1", "$103,184"},
        {"LINE2", "Variable Frequency Drive"}, {"VAL2", "$22,758"},
        {"LINE3", "Outlet Damper Control"},    {"VAL3", "$75,057"},
        {"LINE4", "Inlet Vane Control"},       {"VAL4", "$56,204"},
        {"CONTROL1", "No Speed Control"},      {"VALUE1", "$80,425"},
        {"CONTROL2", "Outlet Damper Control"}, {"VALUE2", "$52,299"},
        {"CONTROL3", "Inlet Vane Control"},    {"VALUE3", "$33,446"},
        {"PAYBACK1", "No Control"},            {"PAYBACKVALUE1", "   0.149 Years"},
        {"PAYBACK2", "Outlet Damper"},         {"PAYBACKVALUE2", "   0.229 Years"},
        {"PAYBACK3", "Inlet Vane"},            {"PAYBACKVALUE3", "   0.359 Years"},
        {"CONTROL4", ""}, {"VALUE4", ""}, {"PAYBACK4", ""}, {"PAYBACKVALUE4", ""}, {"VALCUSTOM1", ""},
    };
    for (const auto &[name, text] : expected)
        EXPECT_EQ(run.text(name), QString::fromLatin1(text)) << name;
    for (const char *name : {"PAYBACKVALUE1", "PAYBACKVALUE2", "PAYBACKVALUE3"})
        EXPECT_FALSE(run.red(name)) << name;
    EXPECT_TRUE(run.red("FLOWM"));
    EXPECT_FALSE(run.visible("LINECUSTOM1"));
    EXPECT_FALSE(run.visible("LINECUSTOM2"));
    EXPECT_TRUE(run.visible("LINE4"));
}

TEST(ShowEstimation, CustomMethodCheaperThanTheDriveNeverPaysBack)
{
    PageRun run;
    run.ex.options.custom1InUse = true;
    run.ex.options.custom1Title = QStringLiteral("Belt Drive");
    run.show(1);
    EXPECT_TRUE(run.visible("LINECUSTOM1"));
    EXPECT_EQ(run.text("LINECUSTOM1"), QStringLiteral("Belt Drive"));
    EXPECT_EQ(run.text("VALCUSTOM1"), QStringLiteral("$22,046"));
    EXPECT_EQ(run.text("CONTROL4"), QStringLiteral("Belt Drive"));
    EXPECT_EQ(run.text("VALUE4"), QStringLiteral("$-712"));
    EXPECT_EQ(run.text("PAYBACK4"), QStringLiteral("Belt Drive"));
    EXPECT_EQ(run.text("PAYBACKVALUE4"), QStringLiteral("Never"));
    EXPECT_TRUE(run.red("PAYBACKVALUE4"));

    // An incentive of 10 dollars per HP adds 1500 to every year's savings.
    run.ex.setField(8, QStringLiteral("10.0"));
    run.show(1);
    EXPECT_EQ(run.text("PAYBACKVALUE4"), QStringLiteral("  15.232 Years"));
    EXPECT_FALSE(run.red("PAYBACKVALUE4"));
    EXPECT_EQ(run.text("PAYBACKVALUE1"), QStringLiteral("   0.146 Years"));
    EXPECT_EQ(run.text("PAYBACKVALUE2"), QStringLiteral("   0.223 Years"));
    EXPECT_EQ(run.text("PAYBACKVALUE3"), QStringLiteral("   0.343 Years"));
    // The savings themselves do not include the incentive.
    EXPECT_EQ(run.text("VALUE4"), QStringLiteral("$-712"));
}

TEST(ShowEstimation, ZeroSavingsNeverPayBackAndFreeDrivesPayAtOnce)
{
    PageRun run;
    run.ex.options.custom2InUse = true;
    run.ex.options.custom2Title = QStringLiteral("Same as drive");
    run.ex.options.table(EfficiencyTable::Vfd)[0] = 1.0; // custom 2 of all 1.000 now equals the drive
    run.ex.setField(9, QStringLiteral("0"));
    run.show(1);
    EXPECT_EQ(run.text("VALUE5"), QStringLiteral("$0"));
    EXPECT_EQ(run.text("PAYBACKVALUE5"), QStringLiteral("Never"));
    EXPECT_TRUE(run.red("PAYBACKVALUE5"));
    EXPECT_EQ(run.text("PAYBACKVALUE1"), QStringLiteral("   0.000 Years"));
    // Custom 2 without custom 1: row 4 stays empty, nothing moves up.
    EXPECT_FALSE(run.visible("LINECUSTOM1"));
    EXPECT_TRUE(run.visible("LINECUSTOM2"));
    EXPECT_EQ(run.text("CONTROL4"), QString());
    EXPECT_EQ(run.text("CONTROL5"), QStringLiteral("Same as drive"));
}

TEST(ShowEstimation, PaybackTextIsRightAlignedButNeverCut)
{
    EXPECT_EQ(PaybackText(0.14921L), QStringLiteral("   0.149 Years"));
    EXPECT_EQ(PaybackText(12345.6789L), QStringLiteral("12345.679 Years"));
    EXPECT_EQ(PaybackText(1234.5L), QStringLiteral("1234.500 Years"));
    EXPECT_EQ(MoneyText(-3162.82L, Comma), QStringLiteral("$-3,163"));
    EXPECT_EQ(MoneyText(103183.578L, QLatin1Char('.')), QStringLiteral("$103.184"));
}

TEST(ShowEstimation, PumpHidesTheFanRowsAndKeepsTheirTexts)
{
    PageRun run;
    run.show(1);
    run.ex.results.dutyTexts[0] = QStringLiteral("0");
    run.ex.results.dutyTexts[9] = QStringLiteral("1");
    run.show(2);
    EXPECT_EQ(run.text("FLOWM"), QStringLiteral("Payback Estimation: Pump Application "));
    EXPECT_EQ(run.text("LINE3"), QStringLiteral("Throttling Valve Control"));
    EXPECT_EQ(run.text("CONTROL2"), QStringLiteral("Throttling Valve Control"));
    EXPECT_EQ(run.text("PAYBACK2"), QStringLiteral("Throttling Valve"));
    for (const char *name : {"LINE4", "VAL4", "CONTROL3", "VALUE3"})
        EXPECT_FALSE(run.visible(name)) << name;
    // Hidden, with the fan's texts still in them.
    EXPECT_EQ(run.text("LINE4"), QStringLiteral("Inlet Vane Control"));
    EXPECT_EQ(run.text("VAL4"), QStringLiteral("$56,204"));
    EXPECT_EQ(run.text("VALUE3"), QStringLiteral("$33,446"));
    EXPECT_EQ(run.text("PAYBACK3"), QString());
    EXPECT_EQ(run.text("PAYBACKVALUE3"), QString());

    run.show(1);
    for (const char *name : {"LINE4", "VAL4", "CONTROL3", "VALUE3"})
        EXPECT_TRUE(run.visible(name)) << name;
    EXPECT_NE(run.text("VAL4"), QStringLiteral("$56,204"));
}

TEST(EstimationPage, NamesInPageOrder)
{
    const QStringList &names = EstimationPage::fieldNames();
    EXPECT_EQ(names.size(), EstimationPage::FieldCount);
    EXPECT_EQ(names.first(), QStringLiteral("FLOWM"));
    EXPECT_EQ(names.last(), QStringLiteral("PAYBACKVALUE5"));
    EXPECT_EQ(names.indexOf(QStringLiteral("VAL1")), names.indexOf(QStringLiteral("LINE1")) + 1);
    QStringList unique = names;
    EXPECT_EQ(unique.removeDuplicates(), 0);
    EXPECT_EQ(EstimationPage::indexOf(QStringLiteral("NOPE")), -1);
}

} // namespace
