#include "formulas.h"

#include <cfloat>
#include <cmath>

#include "data/numberformat.h"

namespace {

constexpr const char *InputNames[FormulaInputCount] = {
    "F1", "FANPRESS", "FANEFF1", "GPM", "PUMPPRES", "GRAVITY1", "PUMPEFF1", "TRQ1", "SPEED1", "TRQ2", "VELO",
    "HP1", "SPEED2", "FORCE1", "RAD", "FLT", "BDT", "LRT", "FREQ", "POLES", "SYNCSPEED", "FULLSPEED",
    "VOLTS", "AMPS", "VOLTS2", "RES1", "AMPS2", "RES2", "VOLT5", "CURR5", "HP5", "PF5", "EFF5",
};

constexpr double StartValues[FormulaInputCount] = {
    1000, 50, 0.95,      // F1, FANPRESS, FANEFF1
    1000, 10, 1, 0.95,   // GPM, PUMPPRES, GRAVITY1, PUMPEFF1
    10, 1750,            // TRQ1, SPEED1
    100, 1000,           // TRQ2, VELO
    100, 1750,           // HP1, SPEED2
    100, 10,             // FORCE1, RAD
    100, 50, 10,         // FLT, BDT, LRT
    60, 4,               // FREQ, POLES
    1800, 1750,          // SYNCSPEED, FULLSPEED
    24, 10,              // VOLTS, AMPS
    24, 2.4,             // VOLTS2, RES1
    10, 2.4,             // AMPS2, RES2
    460, 150, 100, 0.8, 0.85, // VOLT5, CURR5, HP5, PF5, EFF5
};

constexpr long double ThreePhaseFactor = 1.732L;

// The result is shown as a single-precision value, so anything beyond that range is an overflow
// just like a division by zero or a not-a-number.
bool isFault(long double value)
{
    return !std::isfinite(value) || std::fabs(value) > static_cast<long double>(FLT_MAX);
}

std::optional<QString> resultText(long double value, const char *unit, QChar thousandSep)
{
    if (isFault(value))
        return std::nullopt;
    return FormatThousands(2, static_cast<float>(value), thousandSep) + QLatin1String(unit);
}

QString resultOr(long double value, const char *unit, const char *failure, QChar thousandSep)
{
    return resultText(value, unit, thousandSep).value_or(QLatin1String(failure));
}

} // namespace

QString formulaInputName(FormulaInput input) { return QLatin1String(InputNames[static_cast<int>(input)]); }

FormulaInputs::FormulaInputs()
{
    for (int i = 0; i < FormulaInputCount; ++i)
        values[i] = StartValues[i];
}

QStringList fanPressureUnits()
{
    return {QStringLiteral("Pounds per square foot"), QStringLiteral("Pounds per square inch"),
            QStringLiteral("Inches of water gauge")};
}

QStringList pumpPressureUnits() { return {QStringLiteral("Water Head in feet"), QStringLiteral("Pounds per Inch")}; }

QStringList threePhaseCalculations()
{
    return {QStringLiteral("Amperes"), QStringLiteral("Efficiency"), QStringLiteral("Power Factor"),
            QStringLiteral("Horse Power"), QStringLiteral("kW"), QStringLiteral("Volt-Amperes")};
}

QString formulaFieldText(FormulaInput input, double value)
{
    return fixedText(value, input == FormulaInput::POLES ? 0 : 2);
}

FieldRepair repairFormulaInput(FormulaInput input, double value)
{
    switch (input) {
    case FormulaInput::FANEFF1:
    case FormulaInput::PUMPEFF1:
    case FormulaInput::PF5:
    case FormulaInput::EFF5:
        if (value < 0.1)
            return {0.1, true};
        if (value > 1)
            return {1, true};
        return {value, false};
    case FormulaInput::SPEED2:
        if (!(value > 0))
            return {1, true};
        return {value, false};
    default:
        return {value, false};
    }
}

bool formulaInputRewritten(FormulaInput input)
{
    switch (input) {
    case FormulaInput::FANEFF1:
    case FormulaInput::PUMPEFF1:
    case FormulaInput::PF5:
    case FormulaInput::EFF5:
    case FormulaInput::SPEED2:
        return true;
    default:
        return false;
    }
}

std::optional<QString> fanHorsePowerText(double cfm, FanPressureUnit unit, double pressure, double efficiency,
                                         QChar thousandSep)
{
    long double constant = 33000;
    if (unit == FanPressureUnit::PoundsPerSquareInch)
        constant = 229;
    else if (unit == FanPressureUnit::InchesOfWaterGauge)
        constant = 6356;
    const long double hp = static_cast<long double>(cfm) * pressure / (constant * efficiency);
    return resultText(hp, " HP", thousandSep);
}

std::optional<QString> pumpHorsePowerText(double gpm, PumpPressureUnit unit, double pressure, double gravity,
                                          double efficiency, QChar thousandSep)
{
    const long double constant = unit == PumpPressureUnit::PoundsPerInch ? 1713 : 3960;
    const long double hp = static_cast<long double>(gpm) * pressure * gravity / (constant * efficiency);
    return resultText(hp, " HP", thousandSep);
}

std::optional<QString> rotatingHorsePowerText(double torque, double speed, QChar thousandSep)
{
    return resultText(static_cast<long double>(torque) * speed / 5252, " HP", thousandSep);
}

std::optional<QString> linearHorsePowerText(double force, double velocity, QChar thousandSep)
{
    return resultText(static_cast<long double>(force) * velocity / 33000, " HP", thousandSep);
}

QString torqueFromHorsePowerText(double horsePower, double speed, QChar thousandSep)
{
    return resultOr(static_cast<long double>(horsePower) * 5252 / speed, " LbFt", "Error!", thousandSep);
}

QString torqueFromForceText(double force, double radius, QChar thousandSep)
{
    return resultOr(static_cast<long double>(force) * radius, " LbFt", "Error", thousandSep);
}

QString accelerationTorqueText(double fullLoad, double breakdown, double lockedRotor, QChar thousandSep)
{
    // The average over the speed range: the mean of the full-load and breakdown torques, the
    // breakdown torque and the locked-rotor torque, each weighted a third.
    const long double fl = fullLoad, bd = breakdown, lr = lockedRotor;
    return resultOr(((fl + bd) / 2 + bd + lr) / 3, " LbFt", "Error!", thousandSep);
}

QString synchronousSpeedText(double frequency, double poles, QChar thousandSep)
{
    return resultOr(static_cast<long double>(frequency) * 120 / poles, " RPM", "Error", thousandSep);
}

bool slipInputsAccepted(double synchronousSpeed, double fullLoadSpeed) { return synchronousSpeed >= fullLoadSpeed; }

QString slipWarningText() { return QStringLiteral("Synchronous Speed must to be greater or equal to Full Load RPM!"); }

QString slipFailureText() { return QStringLiteral("Error!"); }

QString motorSlipText(double synchronousSpeed, double fullLoadSpeed, QChar thousandSep)
{
    const long double sync = synchronousSpeed;
    return resultOr((sync - fullLoadSpeed) / sync * 100, " %", "Error!", thousandSep);
}

QString resistanceText(double volts, double amps, QChar thousandSep)
{
    return resultOr(static_cast<long double>(volts) / amps, " Ohm(s)", "Error", thousandSep);
}

QString currentText(double volts, double ohms, QChar thousandSep)
{
    return resultOr(static_cast<long double>(volts) / ohms, " Amp(s)", "Error", thousandSep);
}

QString voltageText(double amps, double ohms, QChar thousandSep)
{
    return resultOr(static_cast<long double>(amps) * ohms, " Volt(s)", "Error", thousandSep);
}

QString threePhaseText(ThreePhaseCalc calc, const ThreePhaseInputs &in, QChar thousandSep)
{
    const long double v = in.volts, i = in.amps, hp = in.horsePower, pf = in.powerFactor, eff = in.efficiency;
    const long double k = ThreePhaseFactor;
    switch (calc) {
    case ThreePhaseCalc::Amperes:
        return resultOr(hp * 746 / (pf * v * k * eff), " A.", "Error", thousandSep);
    case ThreePhaseCalc::Efficiency:
        return resultOr(hp * 746 / (v * k * i * pf), "", "Error", thousandSep);
    case ThreePhaseCalc::PowerFactor:
        return resultOr(hp * 746 / (v * k * i * eff), "", "Error", thousandSep);
    case ThreePhaseCalc::HorsePower:
        return resultOr(v * i * k * eff * pf / 746, " HP", "Error", thousandSep);
    case ThreePhaseCalc::Kilowatts:
        return resultOr(v * i * k * pf / 1000, " kW", "Error", thousandSep);
    case ThreePhaseCalc::VoltAmperes:
        return resultOr(v * i * k / 1000, " KVA", "Error", thousandSep);
    }
    return QStringLiteral("Error");
}

ThreePhaseFields threePhaseEnabledFields(ThreePhaseCalc calc)
{
    switch (calc) {
    case ThreePhaseCalc::Amperes:
        return {false, true, true, true};
    case ThreePhaseCalc::Efficiency:
        return {true, true, true, false};
    case ThreePhaseCalc::PowerFactor:
        return {true, true, false, true};
    case ThreePhaseCalc::HorsePower:
        return {true, false, true, true};
    case ThreePhaseCalc::Kilowatts:
        return {true, false, true, false};
    case ThreePhaseCalc::VoltAmperes:
        return {true, false, false, false};
    }
    return {};
}
