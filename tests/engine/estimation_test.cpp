#include "workedexample.h"

#include <gtest/gtest.h>

#include <cmath>

#include <random>

#include "data/numberformat.h"
#include "engine/centsrounding.h"

namespace {

const StepValues ExampleStepHours{87.6, 175.2, 788.4, 1489.2, 2102.4, 1489.2, 1138.8, 963.6, 525.6, 0};
const StepValues ExampleVfdShaft{150, 109.35, 76.8, 51.45, 32.4, 18.75, 9.6, 4.05, 1.2, 0.15};
const StepValues ExampleVfdCost{12.14, 8.85, 6.22, 4.17, 2.62, 1.52, 0.78, 0.33, 0.10, 0.01};

void expectSteps(const StepValues &actual, const StepValues &expected, const char *what)
{
    for (int i = 0; i < FlowStepCount; ++i)
        EXPECT_DOUBLE_EQ(actual[i], expected[i]) << what << " at step " << i;
}

// The VFD and the custom methods are the same for either kind; only the third method differs.
void expectWorkedExample(const EstimationResults &r, ResultSet vfdSet)
{
    EXPECT_EQ(r.annualHours, 8760);
    EXPECT_NEAR(r.method(vfdSet).annualCost, 22758.48, 1e-9);
    EXPECT_NEAR(r.method(ResultSet::Custom1).annualCost, 22046.292, 1e-9);
    EXPECT_NEAR(r.method(ResultSet::Custom2).annualCost, 22046.292, 1e-9);
    EXPECT_NEAR(r.noControlAnnualCost, 103183.5789, 1e-4);
    EXPECT_NEAR(r.noControlAnnualCost, 8760.0L * 150 / 0.95L * 0.746L * 0.1L, 1e-9);

    const MethodResults &vfd = r.method(vfdSet);
    expectSteps(vfd.shaftHp, ExampleVfdShaft, "VFD shaft HP");
    expectSteps(vfd.costPerHour, ExampleVfdCost, "VFD cost per hour");
    for (int i = 0; i < FlowStepCount; ++i)
        EXPECT_DOUBLE_EQ(vfd.operatingCost[i], ExampleVfdCost[i] * ExampleStepHours[i]) << "step " << i;
    EXPECT_DOUBLE_EQ(vfd.operatingCost[0], 1063.464);
}

TEST(CalculateEstimation, WorkedExampleForAFan)
{
    WorkedExample ex;
    ex.run(1);
    const EstimationResults &r = ex.results;
    expectSteps(r.stepHoursFan, ExampleStepHours, "fan step hours");
    EXPECT_DOUBLE_EQ(r.totalHoursFan, 8760);
    EXPECT_EQ(r.dutyFan, (std::array<int, 10>{1, 2, 9, 17, 24, 17, 13, 11, 6, 0}));
    expectWorkedExample(r, ResultSet::VfdFan);
    EXPECT_NEAR(r.method(ResultSet::Damper).annualCost, 75057.432, 1e-9);
    EXPECT_NEAR(r.method(ResultSet::InletVane).annualCost, 56204.16, 1e-9);
    // The damper at both ends of the flow range, as the overview shows it.
    EXPECT_DOUBLE_EQ(r.method(ResultSet::Damper).shaftHp[0], 150);
    EXPECT_DOUBLE_EQ(r.method(ResultSet::Damper).costPerHour[0], 11.78);
    EXPECT_NEAR(r.method(ResultSet::Damper).shaftHp[9], 0.15 / 0.0033, 1e-12);
    EXPECT_DOUBLE_EQ(r.method(ResultSet::Damper).costPerHour[9], 3.57);
    // A step with 0 % duty still has its power and cost per hour, but costs nothing over the year.
    EXPECT_DOUBLE_EQ(r.method(ResultSet::Damper).operatingCost[9], 0);
    // The inputs as the report prints them.
    EXPECT_DOUBLE_EQ(r.inputs.costPerKwh, 0.1);
    EXPECT_DOUBLE_EQ(r.inputs.motorEfficiency, 0.95);
    EXPECT_DOUBLE_EQ(r.inputs.driveEfficiency, 0.97);
    EXPECT_DOUBLE_EQ(r.inputs.driveCost, 12000);
    // The pump's arrays are untouched by a fan run.
    EXPECT_DOUBLE_EQ(r.totalHoursPump, 0);
    EXPECT_DOUBLE_EQ(r.method(ResultSet::VfdPump).annualCost, 0);
    EXPECT_DOUBLE_EQ(r.method(ResultSet::Valve).annualCost, 0);
}

TEST(CalculateEstimation, WorkedExampleForAPump)
{
    WorkedExample ex;
    ex.run(2);
    const EstimationResults &r = ex.results;
    expectSteps(r.stepHoursPump, ExampleStepHours, "pump step hours");
    EXPECT_DOUBLE_EQ(r.totalHoursPump, 8760);
    expectWorkedExample(r, ResultSet::VfdPump);
    EXPECT_NEAR(r.method(ResultSet::Valve).annualCost, 75057.432, 1e-9);
    EXPECT_DOUBLE_EQ(r.method(ResultSet::Damper).annualCost, 0);
    EXPECT_DOUBLE_EQ(r.method(ResultSet::InletVane).annualCost, 0);
    EXPECT_DOUBLE_EQ(r.totalHoursFan, 0);
}

TEST(CalculateEstimation, WholeDutyAtFullFlowPutsTheDamperAboveNoControl)
{
    WorkedExample ex;
    ex.results.dutyTexts = {QStringLiteral("100"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                            QStringLiteral("0"),   QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                            QStringLiteral("0"),   QStringLiteral("0")};
    ex.run(1);
    const EstimationResults &r = ex.results;
    // Cents-rounded cost per hour against the unrounded no-control cost.
    EXPECT_NEAR(r.method(ResultSet::Damper).annualCost, 103192.80, 1e-9);
    EXPECT_NEAR(r.method(ResultSet::VfdFan).annualCost, 106346.40, 1e-9);
    EXPECT_NEAR(r.noControlAnnualCost, 103183.58, 0.005);
    EXPECT_GT(r.method(ResultSet::Damper).annualCost, r.noControlAnnualCost);
}

TEST(CalculateEstimation, CustomTablesScaleTheCubeLaw)
{
    WorkedExample ex;
    ex.options.table(EfficiencyTable::Custom2).fill(0.5);
    ex.run(1);
    const EstimationResults &r = ex.results;
    const MethodResults &c1 = r.method(ResultSet::Custom1);
    const MethodResults &c2 = r.method(ResultSet::Custom2);
    const MethodResults &vfd = r.method(ResultSet::VfdFan);
    for (int i = 0; i < FlowStepCount; ++i) {
        // All 1.000: the drive without its losses, so never dearer per hour than the drive.
        EXPECT_DOUBLE_EQ(c1.shaftHp[i], vfd.shaftHp[i]);
        EXPECT_LE(c1.costPerHour[i], vfd.costPerHour[i]);
        EXPECT_DOUBLE_EQ(c2.shaftHp[i], 2 * vfd.shaftHp[i]);
    }
    EXPECT_LE(c1.annualCost, vfd.annualCost);
    EXPECT_DOUBLE_EQ(c2.costPerHour[0], 23.56); // 0.746 × 300 × 0.1 ÷ 0.95 = 23.5578…
}

TEST(CalculateEstimation, FullWeeksYearCountsAsAFullYear)
{
    struct Case { const char *day, *week, *year; int hours; };
    const Case cases[] = {
        {"24", "7", "52", 8760}, {"24", "7", "53", 8904}, {"24", "7", "51", 8568},
        {"12", "7", "52", 4368}, {"24.9", " 7", "52x", 8760}, {"", "7", "52", 0},
        // Unchecked texts: the 32-bit product wraps instead of overflowing.
        {"99999999999", "99999999999", "2", 2},
    };
    for (const Case &c : cases) {
        WorkedExample ex;
        ex.setField(1, QString::fromLatin1(c.day));
        ex.setField(2, QString::fromLatin1(c.week));
        ex.setField(3, QString::fromLatin1(c.year));
        ex.run(1);
        EXPECT_EQ(ex.results.annualHours, c.hours) << c.day << " " << c.week << " " << c.year;
        EXPECT_DOUBLE_EQ(ex.results.totalHoursFan, c.hours);
        EXPECT_NEAR(ex.results.noControlAnnualCost, c.hours * 150 / 0.95L * 0.746L * 0.1L, 1e-8);
    }
}

TEST(CalculateEstimation, PumpRunKeepsTheFanResults)
{
    WorkedExample ex;
    ex.run(1);
    const EstimationResults fan = ex.results;

    ex.setField(5, QStringLiteral("100.0"));
    ex.results.dutyTexts[0] = QStringLiteral("2");
    ex.results.dutyTexts[1] = QStringLiteral("1");
    ex.run(2);
    const EstimationResults &r = ex.results;
    for (ResultSet s : {ResultSet::VfdFan, ResultSet::Damper, ResultSet::InletVane}) {
        EXPECT_EQ(r.method(s).annualCost, fan.method(s).annualCost);
        EXPECT_EQ(r.method(s).costPerHour, fan.method(s).costPerHour);
        EXPECT_EQ(r.method(s).shaftHp, fan.method(s).shaftHp);
    }
    EXPECT_EQ(r.stepHoursFan, fan.stepHoursFan);
    EXPECT_EQ(r.dutyFan, fan.dutyFan);
    EXPECT_EQ(r.dutyPump[0], 2);
    // Custom methods and no control belong to the last run, whatever its kind.
    EXPECT_DOUBLE_EQ(r.method(ResultSet::Custom1).shaftHp[0], 100);
    EXPECT_DOUBLE_EQ(r.method(ResultSet::VfdPump).shaftHp[0], 100);
    EXPECT_NEAR(r.noControlAnnualCost, 8760 * 100 / 0.95L * 0.746L * 0.1L, 1e-9);
    EXPECT_DOUBLE_EQ(r.inputs.motorHp, 100);
}

TEST(CalculateEstimation, ZeroFactorIsRefusedAndResultsStay)
{
    struct Case { int kind; EfficiencyTable table; int step; const char *message; };
    const Case cases[] = {
        {1, EfficiencyTable::Damper, 5,
         "The efficiency factor of Outlet Damper Control at 50 % flow is 0. Correct it in the Program Setup before estimating."},
        {1, EfficiencyTable::InletVane, 9,
         "The efficiency factor of Inlet Vane Control at 10 % flow is 0. Correct it in the Program Setup before estimating."},
        {2, EfficiencyTable::Valve, 0,
         "The efficiency factor of Throttling Valve Control at 100 % flow is 0. Correct it in the Program Setup before estimating."},
        {2, EfficiencyTable::Custom2, 3,
         "The efficiency factor of Custom Control 2 at 70 % flow is 0. Correct it in the Program Setup before estimating."},
        {1, EfficiencyTable::Vfd, 0,
         "The drive efficiency of the Variable Frequency Drive at 100 % flow is 0. Correct it in the Program Setup before estimating."},
    };
    for (const Case &c : cases) {
        WorkedExample ex;
        ex.options.custom2Title = QStringLiteral("Custom Control 2");
        ex.run(c.kind);
        const EstimationResults before = ex.results;
        ex.options.table(c.table)[c.step] = 0;
        ex.setField(5, QStringLiteral("10.0"));
        const auto refused = CalculateEstimation(c.kind, ex.fields, ex.options, ex.results);
        ASSERT_TRUE(refused.has_value()) << c.message;
        EXPECT_EQ(refused->message, QString::fromLatin1(c.message));
        EXPECT_EQ(ex.results.inputs.motorHp, before.inputs.motorHp);
        for (int s = 0; s < ResultSetCount; ++s)
            EXPECT_EQ(ex.results.methods[s].annualCost, before.methods[s].annualCost);
        EXPECT_EQ(ex.results.noControlAnnualCost, before.noControlAnnualCost);
    }
}

TEST(CalculateEstimation, ZeroFactorOfAMethodTheKindDoesNotUseIsHarmless)
{
    WorkedExample ex;
    ex.options.table(EfficiencyTable::Valve).fill(0);
    ex.options.table(EfficiencyTable::Vfd)[3] = 0; // only the 100 % entry is the drive efficiency
    ex.run(1);
    ex.options.table(EfficiencyTable::Valve).fill(1);
    ex.options.table(EfficiencyTable::Damper).fill(0);
    ex.options.table(EfficiencyTable::InletVane).fill(0);
    ex.run(2);
    EXPECT_NEAR(ex.results.method(ResultSet::VfdPump).annualCost, 22758.48, 1e-9);
}

TEST(CalculateEstimation, EmptyMotorEfficiencyIsRefused)
{
    WorkedExample ex;
    ex.setField(6, QString());
    const auto refused = CalculateEstimation(1, ex.fields, ex.options, ex.results);
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(ex.results.annualHours, 0);
}

TEST(CentsRounding, HalfCentsRoundAwayFromZeroOnEighteenDigits)
{
    struct Case { long double value; double cents; };
    const Case cases[] = {
        {0.125L, 0.13},
        {0.12499L, 0.12},
        {0.12501L, 0.13},
        {-0.125L, -0.13},
        {1.125L, 1.13},
        // Below the half cent only beyond the 18th digit: still counts as a half.
        {std::nextafter(0.125L, 0.0L), 0.13},
        {0.125L - 1e-17L, 0.12},
        // The double nearest 2.675 lies below it within 18 digits.
        {static_cast<long double>(2.675), 2.67},
        {0.005L, 0.01},
        {0.0049L, 0},
        {12.144736842105263L, 12.14},
        {9.995L, 10.0},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(roundViaText(c.value, 2), c.cents) << static_cast<double>(c.value);
        EXPECT_EQ(RoundCents(c.value), c.cents) << static_cast<double>(c.value);
    }
}

// The estimation's fast rounding must give what the text conversion gives, half cents included.
TEST(CentsRounding, FastPathAgreesWithTheTextConversion)
{
    std::mt19937_64 random(20261211);
    std::uniform_int_distribution<long long> cents(-2000000, 200000000);
    std::uniform_int_distribution<int> ulps(-4, 4);
    std::uniform_real_distribution<double> anywhere(0, 1e7);
    for (int n = 0; n < 120000; ++n) {
        long double v;
        switch (n % 4) {
        case 3: // just outside the margin the fast path decides alone
            v = (static_cast<long double>(cents(random)) + 0.5L) / 100 * (1 + (n % 8 < 4 ? 3e-12L : -3e-12L));
            break;
        case 0: // at and around a half cent
            v = (static_cast<long double>(cents(random)) + 0.5L) / 100;
            for (int u = ulps(random); u != 0; u += u > 0 ? -1 : 1)
                v = std::nextafter(v, u > 0 ? 1e300L : -1e300L);
            break;
        case 1: // a double at a half cent, as a stored value would be
            v = static_cast<double>((static_cast<long double>(cents(random)) + 0.5L) / 100);
            break;
        default:
            v = anywhere(random);
        }
        ASSERT_EQ(RoundCents(v), roundViaText(v, 2)) << static_cast<double>(v);
    }
    for (long double v : {0.0L, -0.0L, -0.004L, 1e20L, -1e20L, static_cast<long double>(INFINITY)})
        EXPECT_EQ(RoundCents(v), roundViaText(v, 2));
    EXPECT_TRUE(std::isnan(RoundCents(static_cast<long double>(NAN))));
}

} // namespace
