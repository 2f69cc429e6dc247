#include "estimation.h"

#include "centsrounding.h"
#include "data/numberformat.h"
#include "data/textnumbers.h"

#include <cstdint>
#include <iterator>

namespace {

// HP to kW, and the tenth of full flow, both held in extended precision like every intermediate.
constexpr long double KwPerHp = 0.746L;
constexpr long double Tenth = 0.1L;

// 24 hours a day, 7 days a week, 52 weeks: counted as a full year of 365 days.
constexpr int WeeksYearHours = 8736;
constexpr int FullYearHours = 8760;

enum class Field { HoursPerDay, DaysPerWeek, WeeksPerYear, CostPerKwh, MotorHp, MotorEfficiency, DriveEfficiency,
                   Incentive, DriveCost };

const QString &text(const SystemDataTexts &fields, Field f) { return fields.fields[static_cast<int>(f)]; }

// A method the run of one kind computes besides the VFD, with the table of its factors.
struct ComputedMethod
{
    ResultSet set;
    EfficiencyTable table;
};

constexpr ComputedMethod FanMethods[] = {{ResultSet::Damper, EfficiencyTable::Damper},
                                         {ResultSet::InletVane, EfficiencyTable::InletVane},
                                         {ResultSet::Custom1, EfficiencyTable::Custom1},
                                         {ResultSet::Custom2, EfficiencyTable::Custom2}};
constexpr ComputedMethod PumpMethods[] = {{ResultSet::Valve, EfficiencyTable::Valve},
                                          {ResultSet::Custom1, EfficiencyTable::Custom1},
                                          {ResultSet::Custom2, EfficiencyTable::Custom2}};

QString methodTitle(ResultSet set, const ProgramOptions &options)
{
    switch (set) {
    case ResultSet::VfdFan:
    case ResultSet::VfdPump: return QStringLiteral("Variable Frequency Drive");
    case ResultSet::Damper: return QStringLiteral("Outlet Damper Control");
    case ResultSet::InletVane: return QStringLiteral("Inlet Vane Control");
    case ResultSet::Valve: return QStringLiteral("Throttling Valve Control");
    case ResultSet::Custom1:
        return options.custom1Title.trimmed().isEmpty() ? QStringLiteral("Custom Control 1") : options.custom1Title;
    case ResultSet::Custom2:
        return options.custom2Title.trimmed().isEmpty() ? QStringLiteral("Custom Control 2") : options.custom2Title;
    }
    return {};
}

QString zeroFactorText(const QString &what, int step)
{
    return QStringLiteral("The %1 at %2 % flow is 0. Correct it in the Program Setup before estimating.")
        .arg(what)
        .arg((FlowStepCount - step) * 10);
}

// A factor of 0 divides by zero further on: such a table is refused before anything is stored.
std::optional<EstimationError> checkFactors(int kind, const ProgramOptions &options)
{
    if (!(options.driveEfficiency() != 0))
        return EstimationError{zeroFactorText(QStringLiteral("drive efficiency of the Variable Frequency Drive"), 0)};
    const auto check = [&options](const auto &methods) -> std::optional<EstimationError> {
        for (const ComputedMethod &m : methods) {
            const FactorTable &factors = options.table(m.table);
            for (int i = 0; i < FlowStepCount; ++i) {
                if (!(factors[i] != 0))
                    return EstimationError{
                        zeroFactorText(QStringLiteral("efficiency factor of ") + methodTitle(m.set, options), i)};
            }
        }
        return std::nullopt;
    };
    return kind == 2 ? check(PumpMethods) : check(FanMethods);
}

} // namespace

QString EstimationMethodTitle(ResultSet set, const ProgramOptions &options) { return methodTitle(set, options); }

namespace {

// The estimation with the cents rounding supplied, so the rounding's own cost can be measured.
template<typename Rounding>
std::optional<EstimationError> estimate(int kind, const SystemDataTexts &fields, const ProgramOptions &options,
                                        EstimationResults &results, Rounding roundCents)
{
    if (kind != 1 && kind != 2)
        return EstimationError{QStringLiteral("No fan or pump application is active. Unable to estimate.")};
    if (auto refused = checkFactors(kind, options))
        return refused;
    const double motorEfficiencyPercent = readDecimalLenient(text(fields, Field::MotorEfficiency));
    if (!(motorEfficiencyPercent != 0))
        return EstimationError{QStringLiteral(
            "The motor efficiency is 0 %. Correct it on the System Data page before estimating.")};

    // 1, 2: the inputs, cents and percent turned into dollars and a fraction.
    EstimationInputs &in = results.inputs;
    in.hoursPerDay = readIntegerPrefix(text(fields, Field::HoursPerDay));
    in.daysPerWeek = readIntegerPrefix(text(fields, Field::DaysPerWeek));
    in.weeksPerYear = readIntegerPrefix(text(fields, Field::WeeksPerYear));
    in.costPerKwh = static_cast<double>(static_cast<long double>(readDecimalLenient(text(fields, Field::CostPerKwh))) / 100);
    in.motorHp = readDecimalLenient(text(fields, Field::MotorHp));
    in.motorEfficiency = static_cast<double>(static_cast<long double>(motorEfficiencyPercent) / 100);
    in.driveEfficiency = options.driveEfficiency();
    in.incentive = readDecimalLenient(text(fields, Field::Incentive));
    in.driveCost = readDecimalLenient(text(fields, Field::DriveCost));

    // 3: a 32-bit product. Only unchecked field texts can make it overflow; it then wraps, in
    // unsigned arithmetic so that the wrapping is defined.
    const std::uint32_t product = static_cast<std::uint32_t>(in.hoursPerDay)
                                  * static_cast<std::uint32_t>(in.daysPerWeek)
                                  * static_cast<std::uint32_t>(in.weeksPerYear);
    int hours = static_cast<int>(product);
    if (hours == WeeksYearHours)
        hours = FullYearHours;
    results.annualHours = hours;
    const long double H = hours;

    // 4 … 6: duty, step hours and their total for this kind only.
    const bool pump = kind == 2;
    std::array<int, FlowStepCount> &duty = pump ? results.dutyPump : results.dutyFan;
    StepValues &stepHours = pump ? results.stepHoursPump : results.stepHoursFan;
    double &totalHours = pump ? results.totalHoursPump : results.totalHoursFan;
    totalHours = 0;
    for (int i = 0; i < FlowStepCount; ++i) {
        duty[i] = readIntegerPrefix(results.dutyTexts[i]);
        stepHours[i] = static_cast<double>(H * (static_cast<long double>(duty[i]) / 100));
        totalHours = static_cast<double>(static_cast<long double>(totalHours) + stepHours[i]);
    }

    const long double motorHp = in.motorHp;
    const long double motorEff = in.motorEfficiency;
    const long double costPerKwh = in.costPerKwh;
    const long double vfdDivisor = motorEff * static_cast<long double>(in.driveEfficiency);

    MethodResults &vfd = results.method(pump ? ResultSet::VfdPump : ResultSet::VfdFan);
    const ComputedMethod *methods = pump ? std::begin(PumpMethods) : std::begin(FanMethods);
    const ComputedMethod *methodsEnd = pump ? std::end(PumpMethods) : std::end(FanMethods);

    // 7: shaft power by the cube law.
    for (int i = 0; i < FlowStepCount; ++i) {
        const long double n = FlowStepCount - i;
        const long double cube = (n * Tenth) * n * Tenth * n * Tenth;
        vfd.shaftHp[i] = static_cast<double>(cube * motorHp);
        for (const ComputedMethod *m = methods; m != methodsEnd; ++m) {
            const long double factor = options.table(m->table)[i];
            results.method(m->set).shaftHp[i] = static_cast<double>((cube * motorHp) / factor);
        }
    }

    // 8, 9
    vfd.annualCost = 0;
    for (const ComputedMethod *m = methods; m != methodsEnd; ++m)
        results.method(m->set).annualCost = 0;
    results.noControlAnnualCost = static_cast<double>(((H * motorHp) / motorEff) * KwPerHp * costPerKwh);

    // 10, 11: cost per hour in whole cents, then the yearly cost of each step.
    const auto costs = [&](MethodResults &r, long double divisor) {
        for (int i = 0; i < FlowStepCount; ++i) {
            r.costPerHour[i] = roundCents((KwPerHp * r.shaftHp[i] * costPerKwh) / divisor);
            r.operatingCost[i] = static_cast<double>(static_cast<long double>(r.costPerHour[i]) * stepHours[i]);
            r.annualCost = static_cast<double>(static_cast<long double>(r.annualCost) + r.operatingCost[i]);
        }
    };
    costs(vfd, vfdDivisor);
    for (const ComputedMethod *m = methods; m != methodsEnd; ++m)
        costs(results.method(m->set), motorEff);
    return std::nullopt;
}

} // namespace

std::optional<EstimationError> CalculateEstimation(int kind, const SystemDataTexts &fields,
                                                   const ProgramOptions &options, EstimationResults &results)
{
    return estimate(kind, fields, options, results, [](long double v) { return RoundCents(v); });
}

std::optional<EstimationError> CalculateEstimationUnrounded(int kind, const SystemDataTexts &fields,
                                                            const ProgramOptions &options, EstimationResults &results)
{
    return estimate(kind, fields, options, results, [](long double v) { return static_cast<double>(v); });
}
