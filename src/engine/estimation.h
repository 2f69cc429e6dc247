#pragma once

#include "setup/options.h"

#include <QString>

#include <array>
#include <optional>

// Flow steps: entry 0 is 100 % flow, entry 9 is 10 % flow.
using StepValues = std::array<double, FlowStepCount>;

// The seven result sets of the estimation.
enum class ResultSet { VfdFan, VfdPump, Damper, InletVane, Valve, Custom1, Custom2 };
inline constexpr int ResultSetCount = 7;

struct MethodResults
{
    StepValues shaftHp{};
    StepValues costPerHour{};   // dollars, rounded to cents
    StepValues operatingCost{}; // annual cost per flow step
    double annualCost = 0;
};

// The inputs as the last estimation read them (the report prints some of them).
struct EstimationInputs
{
    int hoursPerDay = 0;
    int daysPerWeek = 0;
    int weeksPerYear = 0;
    double costPerKwh = 0;      // dollars
    double motorHp = 0;
    double motorEfficiency = 0; // fraction
    double driveEfficiency = 0; // fraction (VFD table, 100 % entry)
    double incentive = 0;       // dollars per HP
    double driveCost = 0;       // dollars
};

// The texts of the System Data fields A101 … A109, as the window shows them.
struct SystemDataTexts
{
    std::array<QString, 9> fields; // A101 … A109
};

// Program-wide estimation results; a run of one application kind leaves the other kind's results.
struct EstimationResults
{
    EstimationInputs inputs;
    int annualHours = 0;
    std::array<QString, FlowStepCount> dutyTexts; // working copy of A110 … A119, at most 5 characters each
    std::array<int, FlowStepCount> dutyFan{};
    std::array<int, FlowStepCount> dutyPump{};
    StepValues stepHoursFan{};
    StepValues stepHoursPump{};
    double totalHoursFan = 0;
    double totalHoursPump = 0;
    std::array<MethodResults, ResultSetCount> methods{};
    double noControlAnnualCost = 0;

    const MethodResults &method(ResultSet s) const { return methods[static_cast<int>(s)]; }
    MethodResults &method(ResultSet s) { return methods[static_cast<int>(s)]; }
};

// Why an estimation was refused (a zero efficiency factor or drive efficiency).
struct EstimationError
{
    QString message;
};

// Computes the results of application kind 1 (fan) or 2 (pump) from the field texts, the duty texts
// already in `results`, and the efficiency tables. Refuses, leaving `results` unchanged, when a
// factor it would divide by is 0.
std::optional<EstimationError> CalculateEstimation(int kind, const SystemDataTexts &fields,
                                                   const ProgramOptions &options, EstimationResults &results);

// The name of a result set as the estimation page captions it; custom methods by their titles.
QString EstimationMethodTitle(ResultSet set, const ProgramOptions &options);

// The same arithmetic with the cost per hour left unrounded: the floor the benchmarks measure
// the cents rounding against. Not for display.
std::optional<EstimationError> CalculateEstimationUnrounded(int kind, const SystemDataTexts &fields,
                                                            const ProgramOptions &options, EstimationResults &results);
