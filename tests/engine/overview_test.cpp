#include "workedexample.h"

#include <gtest/gtest.h>

#include "engine/overview.h"

namespace {

const QChar Comma = QLatin1Char(',');

void expectRow(const OverviewRow &row, const char *duty, const char *hours, const char *shaft, const char *cph,
               const char *oc)
{
    EXPECT_EQ(row.duty, QString::fromLatin1(duty));
    EXPECT_EQ(row.hours, QString::fromLatin1(hours));
    EXPECT_EQ(row.shaftHp, QString::fromLatin1(shaft));
    EXPECT_EQ(row.costPerHour, QString::fromLatin1(cph));
    EXPECT_EQ(row.operatingCost, QString::fromLatin1(oc));
}

TEST(FillOverview, DefaultFanProject)
{
    WorkedExample ex;
    ex.run(1);

    const OverviewTexts vfd = FillOverview(1, 1, ex.results, Comma);
    EXPECT_EQ(vfd.flowMedium, QStringLiteral("AIR"));
    expectRow(vfd.rows[0], "1", "87.60", "150.00", "$12.14", "$1,063.46");
    expectRow(vfd.rows[3], "17", "1,489.20", "51.45", "$4.17", "$6,209.96");
    expectRow(vfd.rows[9], "0", "0.00", "0.15", "$0.01", "$0.00");
    EXPECT_EQ(vfd.totalHours, QStringLiteral("8,760.00"));
    EXPECT_EQ(vfd.totalCost, QStringLiteral("$22,758"));

    const OverviewTexts damper = FillOverview(1, 2, ex.results, Comma);
    expectRow(damper.rows[0], "1", "87.60", "150.00", "$11.78", "$1,031.93");
    expectRow(damper.rows[9], "0", "0.00", "45.45", "$3.57", "$0.00");
    EXPECT_EQ(damper.totalCost, QStringLiteral("$75,057"));

    // The labels by name: the digits count rows from the top, Ap10 is 100 % flow.
    const auto named = vfd.namedTexts();
    EXPECT_EQ(named.size(), 3 + 5 * 10);
    EXPECT_TRUE(named.contains(qMakePair(QStringLiteral("OC10"), QStringLiteral("$1,063.46"))));
    EXPECT_TRUE(named.contains(qMakePair(QStringLiteral("SHP100"), QStringLiteral("0.15"))));
    EXPECT_TRUE(named.contains(qMakePair(QStringLiteral("TOTALCOST"), QStringLiteral("$22,758"))));
}

TEST(FillOverview, DutyTextsShowAsTheUserLeftThem)
{
    WorkedExample ex;
    ex.results.dutyTexts[0] = QStringLiteral(" 01");
    ex.results.dutyTexts[1] = QStringLiteral("2abc");
    ex.run(2);
    const OverviewTexts valve = FillOverview(2, 3, ex.results, Comma);
    EXPECT_EQ(valve.flowMedium, QStringLiteral("LIQUID"));
    EXPECT_EQ(valve.rows[0].duty, QStringLiteral(" 01"));
    EXPECT_EQ(valve.rows[1].duty, QStringLiteral("2abc"));
    EXPECT_EQ(valve.rows[0].hours, QStringLiteral("87.60"));
    EXPECT_EQ(valve.totalCost, QStringLiteral("$75,057"));
}

TEST(FillOverview, MethodNumbersByKind)
{
    EXPECT_EQ(overviewResultSet(1, 2), ResultSet::Damper);
    EXPECT_EQ(overviewResultSet(2, 3), ResultSet::Valve);
    EXPECT_EQ(overviewResultSet(1, 3), ResultSet::InletVane);
    EXPECT_EQ(overviewResultSet(2, 1), ResultSet::VfdPump);
    EXPECT_FALSE(overviewResultSet(2, 2).has_value());
    EXPECT_FALSE(overviewResultSet(0, 1).has_value());

    // A pairing the program never offers shows hours but no method figures.
    WorkedExample ex;
    ex.run(2);
    const OverviewTexts none = FillOverview(2, 2, ex.results, Comma);
    EXPECT_EQ(none.rows[0].hours, QStringLiteral("87.60"));
    EXPECT_TRUE(none.rows[0].shaftHp.isEmpty());
    EXPECT_TRUE(none.totalCost.isEmpty());
}

TEST(FillOverview, AmountsAreShownInSinglePrecision)
{
    EstimationResults r;
    r.method(ResultSet::VfdFan).operatingCost[0] = 1234567.891;
    r.method(ResultSet::VfdFan).annualCost = 1234567.891;
    const OverviewTexts t = FillOverview(1, 1, r, Comma);
    EXPECT_EQ(t.rows[0].operatingCost, QStringLiteral("$1,234,567.88"));
    EXPECT_EQ(t.totalCost, QStringLiteral("$1,234,568"));
}

} // namespace
