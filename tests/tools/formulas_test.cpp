// The useful formulas as plain functions: results with their unit texts, every failure text, the
// field repairs and the three-phase enabling table.
#include "tools/formulas.h"

#include <gtest/gtest.h>

namespace {

const QChar Comma = QLatin1Char(',');

TEST(Formulas, FanAndPumpHorsePower)
{
    using F = FanPressureUnit;
    EXPECT_EQ(fanHorsePowerText(10000, F::InchesOfWaterGauge, 2, 0.65, Comma), QStringLiteral("4.84 HP"));
    EXPECT_EQ(fanHorsePowerText(1000, F::PoundsPerSquareFoot, 50, 0.95, Comma), QStringLiteral("1.59 HP"));
    EXPECT_EQ(fanHorsePowerText(1000, F::PoundsPerSquareInch, 50, 0.95, Comma), QStringLiteral("229.83 HP"));
    EXPECT_EQ(fanHorsePowerText(1000, F::InchesOfWaterGauge, 50, 0.95, Comma), QStringLiteral("8.28 HP"));
    // Shown as a single-precision value.
    EXPECT_EQ(fanHorsePowerText(999999, F::PoundsPerSquareInch, 999999, 0.1, Comma),
              QStringLiteral("43,668,033,536.00 HP"));

    using P = PumpPressureUnit;
    EXPECT_EQ(pumpHorsePowerText(1000, P::WaterHeadInFeet, 10, 1, 0.95, Comma), QStringLiteral("2.66 HP"));
    EXPECT_EQ(pumpHorsePowerText(1000, P::PoundsPerInch, 10, 1, 0.95, Comma), QStringLiteral("6.14 HP"));
    EXPECT_EQ(pumpHorsePowerText(1000, P::WaterHeadInFeet, 10, 1.2, 0.8, Comma), QStringLiteral("3.79 HP"));

    // A fault leaves the previous result standing: no text at all.
    EXPECT_FALSE(fanHorsePowerText(1000, F::PoundsPerSquareFoot, 50, 0, Comma));
    EXPECT_FALSE(fanHorsePowerText(0, F::PoundsPerSquareFoot, 50, 0, Comma)); // 0 / 0
    EXPECT_FALSE(pumpHorsePowerText(1000, P::PoundsPerInch, 10, 1, 0, Comma));
    EXPECT_FALSE(pumpHorsePowerText(0, P::WaterHeadInFeet, 0, 0, 0, Comma));
}

TEST(Formulas, ResultTextsAndFailureTexts)
{
    struct Case
    {
        QString actual;
        const char *expected;
    };
    const Case cases[] = {
        {rotatingHorsePowerText(100, 1750, Comma).value_or(QString()), "33.32 HP"},
        {rotatingHorsePowerText(10, 1750, Comma).value_or(QString()), "3.33 HP"},
        {linearHorsePowerText(100, 1000, Comma).value_or(QString()), "3.03 HP"},
        {torqueFromHorsePowerText(100, 1750, Comma), "300.11 LbFt"},
        {torqueFromHorsePowerText(100, 0, Comma), "Error!"},
        {torqueFromHorsePowerText(0, 0, Comma), "Error!"},
        {torqueFromForceText(100, 10, Comma), "1,000.00 LbFt"},
        {torqueFromForceText(1e30, 1e30, Comma), "Error"},
        {accelerationTorqueText(100, 50, 10, Comma), "45.00 LbFt"},
        {accelerationTorqueText(1e300, 1e300, 1e300, Comma), "Error!"},
        {synchronousSpeedText(60, 4, Comma), "1,800.00 RPM"},
        {synchronousSpeedText(50, 2, QLatin1Char(' ')), "3 000.00 RPM"},
        {synchronousSpeedText(60, 0, Comma), "Error"},
        {synchronousSpeedText(0, 0, Comma), "Error"},
        {motorSlipText(1800, 1750, Comma), "2.78 %"},
        {motorSlipText(1800, 1800, Comma), "0.00 %"},
        {motorSlipText(0, 0, Comma), "Error!"},
        {resistanceText(24, 10, Comma), "2.40 Ohm(s)"},
        {resistanceText(24, 0, Comma), "Error"},
        {currentText(24, 2.4, Comma), "10.00 Amp(s)"},
        {currentText(24, 0, Comma), "Error"},
        {voltageText(10, 2.4, Comma), "24.00 Volt(s)"},
        {voltageText(1e30, 1e30, Comma), "Error"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.actual, QLatin1String(c.expected));

    EXPECT_TRUE(slipInputsAccepted(1800, 1750));
    EXPECT_TRUE(slipInputsAccepted(1800, 1800));
    EXPECT_FALSE(slipInputsAccepted(1800, 1850));
    EXPECT_EQ(slipWarningText(), QStringLiteral("Synchronous Speed must to be greater or equal to Full Load RPM!"));
    EXPECT_EQ(slipFailureText(), QStringLiteral("Error!"));
}

TEST(Formulas, ThreePhase)
{
    using C = ThreePhaseCalc;
    const ThreePhaseInputs example{460, 150, 100, 0.85, 0.9};
    const ThreePhaseInputs start{460, 150, 100, 0.8, 0.85};
    const ThreePhaseInputs zero{0, 0, 0, 0, 0};
    struct Case
    {
        C calc;
        ThreePhaseInputs in;
        const char *expected;
    };
    const Case cases[] = {
        {C::Amperes, example, "122.40 A."},   {C::Amperes, start, "137.70 A."},
        {C::Efficiency, start, "0.78"},       {C::PowerFactor, start, "0.73"},
        {C::HorsePower, start, "108.93 HP"},  {C::Kilowatts, start, "95.61 kW"},
        {C::VoltAmperes, start, "119.51 KVA"}, {C::Amperes, zero, "Error"},
        {C::Efficiency, zero, "Error"},       {C::PowerFactor, zero, "Error"},
        {C::HorsePower, {1e30, 1e30, 0, 1, 1}, "Error"}, {C::Kilowatts, {1e30, 1e30, 0, 1, 1}, "Error"},
        {C::VoltAmperes, {1e30, 1e30, 0, 0, 0}, "Error"}, {C::HorsePower, zero, "0.00 HP"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(threePhaseText(c.calc, c.in, Comma), QLatin1String(c.expected)) << static_cast<int>(c.calc);
}

TEST(Formulas, ThreePhaseEnablingTable)
{
    using C = ThreePhaseCalc;
    // current, horse power, power factor, efficiency
    const std::pair<C, ThreePhaseFields> table[] = {
        {C::Amperes, {false, true, true, true}},    {C::Efficiency, {true, true, true, false}},
        {C::PowerFactor, {true, true, false, true}}, {C::HorsePower, {true, false, true, true}},
        {C::Kilowatts, {true, false, true, false}},  {C::VoltAmperes, {true, false, false, false}},
    };
    for (const auto &[calc, fields] : table)
        EXPECT_EQ(threePhaseEnabledFields(calc), fields) << static_cast<int>(calc);
    EXPECT_EQ(threePhaseCalculations(), (QStringList{QStringLiteral("Amperes"), QStringLiteral("Efficiency"),
                                                     QStringLiteral("Power Factor"), QStringLiteral("Horse Power"),
                                                     QStringLiteral("kW"), QStringLiteral("Volt-Amperes")}));
}

TEST(Formulas, FieldRepairs)
{
    using I = FormulaInput;
    struct Case
    {
        I input;
        double typed;
        double value;
        bool repaired;
    };
    const Case cases[] = {
        {I::FANEFF1, 65, 1, true},    {I::FANEFF1, 0.05, 0.1, true}, {I::FANEFF1, 0.65, 0.65, false},
        {I::FANEFF1, 1, 1, false},    {I::FANEFF1, 0.1, 0.1, false}, {I::PUMPEFF1, 0, 0.1, true},
        {I::PF5, 85, 1, true},        {I::EFF5, 0.09, 0.1, true},    {I::SPEED2, 0, 1, true},
        {I::SPEED2, 0.5, 0.5, false}, {I::SPEED1, 0, 0, false},      {I::POLES, 0, 0, false},
        {I::F1, 0, 0, false},
    };
    for (const Case &c : cases) {
        const FieldRepair r = repairFormulaInput(c.input, c.typed);
        EXPECT_DOUBLE_EQ(r.value, c.value) << formulaInputName(c.input).toStdString() << " " << c.typed;
        EXPECT_EQ(r.repaired, c.repaired) << formulaInputName(c.input).toStdString() << " " << c.typed;
    }
}

TEST(Formulas, StartValuesAndTheirFieldTexts)
{
    const FormulaInputs inputs;
    EXPECT_EQ(formulaFieldText(FormulaInput::F1, inputs.value(FormulaInput::F1)), QStringLiteral("1000.00"));
    EXPECT_EQ(formulaFieldText(FormulaInput::FANEFF1, inputs.value(FormulaInput::FANEFF1)), QStringLiteral("0.95"));
    EXPECT_EQ(formulaFieldText(FormulaInput::POLES, inputs.value(FormulaInput::POLES)), QStringLiteral("4"));
    EXPECT_EQ(formulaFieldText(FormulaInput::RES2, inputs.value(FormulaInput::RES2)), QStringLiteral("2.40"));
    EXPECT_DOUBLE_EQ(inputs.value(FormulaInput::EFF5), 0.85);
    EXPECT_DOUBLE_EQ(inputs.value(FormulaInput::VOLT5), 460);
    EXPECT_EQ(inputs.fanPressureUnit, 0);
    EXPECT_EQ(inputs.pumpPressureUnit, 0);
    EXPECT_EQ(formulaInputName(FormulaInput::SYNCSPEED), QStringLiteral("SYNCSPEED"));
    EXPECT_EQ(formulaInputName(FormulaInput::EFF5), QStringLiteral("EFF5"));
}

} // namespace
