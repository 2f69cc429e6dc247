#pragma once

#include <array>
#include <optional>

#include <QChar>
#include <QString>
#include <QStringList>

// The inputs of the useful formulas, one per number field (named as the fields).
enum class FormulaInput {
    F1, FANPRESS, FANEFF1,
    GPM, PUMPPRES, GRAVITY1, PUMPEFF1,
    TRQ1, SPEED1,
    TRQ2, VELO,
    HP1, SPEED2,
    FORCE1, RAD,
    FLT, BDT, LRT,
    FREQ, POLES,
    SYNCSPEED, FULLSPEED,
    VOLTS, AMPS,
    VOLTS2, RES1,
    AMPS2, RES2,
    VOLT5, CURR5, HP5, PF5, EFF5,
};
inline constexpr int FormulaInputCount = static_cast<int>(FormulaInput::EFF5) + 1;

// The field name of an input ("FANEFF1").
QString formulaInputName(FormulaInput input);

// The calculator's remembered inputs: they start at fixed values and keep the last ones entered for
// the rest of the run. Nothing is written to disk.
struct FormulaInputs
{
    FormulaInputs();

    double value(FormulaInput input) const { return values[static_cast<int>(input)]; }
    double &value(FormulaInput input) { return values[static_cast<int>(input)]; }

    std::array<double, FormulaInputCount> values{};
    int fanPressureUnit = 0;  // PRESSURE1 position
    int pumpPressureUnit = 0; // PRESSURE2 position
};

// The unit lists and the three-phase choices, in list order.
enum class FanPressureUnit { PoundsPerSquareFoot, PoundsPerSquareInch, InchesOfWaterGauge };
enum class PumpPressureUnit { WaterHeadInFeet, PoundsPerInch };
enum class ThreePhaseCalc { Amperes, Efficiency, PowerFactor, HorsePower, Kilowatts, VoltAmperes };
QStringList fanPressureUnits();
QStringList pumpPressureUnits();
QStringList threePhaseCalculations();

// The text of a stored input as its field shows it: two decimals, POLES none.
QString formulaFieldText(FormulaInput input, double value);

// The repair made when a field is left. Efficiencies and power factors are held to 0.1 … 1, the
// torque speed to above 0; `repaired` tells whether the value changed (the caller beeps). Other
// inputs come back unchanged.
struct FieldRepair
{
    double value = 0;
    bool repaired = false;
};
FieldRepair repairFormulaInput(FormulaInput input, double value);
// Whether the field is rewritten with two decimals when it is left.
bool formulaInputRewritten(FormulaInput input);

// Results as the window shows them: the value with two decimals and thousands separators, then the
// unit text. A division by zero, an overflow or any result that is not a finite number counts as a
// fault and gives the formula's failure text instead.

// Fan and pump: no value on a fault, the previous result stays standing.
std::optional<QString> fanHorsePowerText(double cfm, FanPressureUnit unit, double pressure, double efficiency,
                                         QChar thousandSep);
std::optional<QString> pumpHorsePowerText(double gpm, PumpPressureUnit unit, double pressure, double gravity,
                                          double efficiency, QChar thousandSep);
// Rotating and linear loads have no failure text either: a fault leaves the previous result.
std::optional<QString> rotatingHorsePowerText(double torque, double speed, QChar thousandSep);
std::optional<QString> linearHorsePowerText(double force, double velocity, QChar thousandSep);
QString torqueFromHorsePowerText(double horsePower, double speed, QChar thousandSep);
QString torqueFromForceText(double force, double radius, QChar thousandSep);
QString accelerationTorqueText(double fullLoad, double breakdown, double lockedRotor, QChar thousandSep);
QString synchronousSpeedText(double frequency, double poles, QChar thousandSep);
// Slip needs a synchronous speed at least as high as the full-load speed; otherwise the window
// warns with slipWarningText() and shows slipFailureText().
bool slipInputsAccepted(double synchronousSpeed, double fullLoadSpeed);
QString slipWarningText();
QString slipFailureText();
QString motorSlipText(double synchronousSpeed, double fullLoadSpeed, QChar thousandSep);
QString resistanceText(double volts, double amps, QChar thousandSep);
QString currentText(double volts, double ohms, QChar thousandSep);
QString voltageText(double amps, double ohms, QChar thousandSep);

struct ThreePhaseInputs
{
    double volts = 0, amps = 0, horsePower = 0, powerFactor = 0, efficiency = 0;
};
QString threePhaseText(ThreePhaseCalc calc, const ThreePhaseInputs &in, QChar thousandSep);

// Fields of the three-phase page enabled for a calculation, besides VOLT5 (always enabled).
struct ThreePhaseFields
{
    bool current = false, horsePower = false, powerFactor = false, efficiency = false;
    bool operator==(const ThreePhaseFields &) const = default;
};
ThreePhaseFields threePhaseEnabledFields(ThreePhaseCalc calc);
