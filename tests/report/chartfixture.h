#pragma once

#include <cmath>

#include "engine/estimation.h"
#include "setup/options.h"

// Results of a 50 HP fan and pump running 6,240 hours a year at 10 cents per kWh with the default
// duty cycle, worked out by hand with rough control curves; each method differs at every step.
inline EstimationResults sampleResults()
{
    EstimationResults r;
    r.annualHours = 6240;
    const std::array<int, FlowStepCount> duty{1, 2, 9, 17, 24, 17, 13, 11, 6, 0};
    r.dutyFan = duty;
    r.dutyPump = {2, 3, 10, 15, 20, 20, 15, 10, 5, 0};
    const double fullKw = 50 * 0.746 / 0.93;
    const double price = 0.10;
    for (int n = 0; n < FlowStepCount; ++n) {
        const double f = (10 - n) / 10.0; // entry 0 is 100 % flow
        r.stepHoursFan[n] = r.annualHours * r.dutyFan[n] / 100.0;
        r.stepHoursPump[n] = r.annualHours * r.dutyPump[n] / 100.0;
        const auto cost = [&](ResultSet set, double share) {
            const double hours = set == ResultSet::VfdPump || set == ResultSet::Valve ? r.stepHoursPump[n]
                                                                                      : r.stepHoursFan[n];
            r.method(set).operatingCost[n] = std::round(fullKw * share * price * hours * 100) / 100;
        };
        cost(ResultSet::VfdFan, f * f * f / 0.97);
        cost(ResultSet::VfdPump, (0.1 + 0.9 * f * f * f) / 0.97);
        cost(ResultSet::Damper, 0.55 + 0.45 * f);
        cost(ResultSet::InletVane, 0.35 + 0.65 * f * f);
        cost(ResultSet::Valve, 0.7 + 0.3 * f);
        cost(ResultSet::Custom1, 0.5 + 0.5 * std::pow(f, 1.5));
        cost(ResultSet::Custom2, 0.3 + 0.7 * f * f);
    }
    return r;
}

inline ProgramOptions customOptions(bool custom1, bool custom2)
{
    ProgramOptions o;
    o.custom1InUse = custom1;
    o.custom2InUse = custom2;
    o.custom1Title = QStringLiteral("Eddy Current");
    o.custom2Title = QStringLiteral("Two Speed Motor");
    return o;
}
