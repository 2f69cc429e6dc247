#include "report/chartaxis.h"

#include <algorithm>
#include <cmath>

#include "data/numberformat.h"

namespace {

void fillTicks(AxisScale &scale)
{
    scale.ticks.clear();
    const double tolerance = scale.step * 1e-6;
    double first = std::ceil((scale.min - tolerance) / scale.step);
    for (double n = first;; n += 1) {
        double value = n * scale.step;
        if (value > scale.max + tolerance || scale.ticks.size() > 1000)
            break;
        if (std::abs(value) < tolerance)
            value = 0;
        scale.ticks.append(value);
    }
}

} // namespace

double roundStep(double rawStep)
{
    if (!(rawStep > 0) || !std::isfinite(rawStep))
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(rawStep)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= rawStep * (1 - 1e-9))
            return m * power;
    }
    return 10 * power;
}

AxisScale niceScale(double dataMin, double dataMax, double lengthPx, double minSpacingPx,
                    std::optional<double> fixedMin, std::optional<double> fixedMax)
{
    double lo = fixedMin.value_or(dataMin);
    double hi = fixedMax.value_or(dataMax);
    if (!std::isfinite(lo) || !std::isfinite(hi))
        lo = 0, hi = 1;
    if (hi < lo)
        std::swap(lo, hi);
    if (hi - lo < 1e-12) {
        // Nothing to spread: show one unit above a flat series (or below, when the top is fixed).
        if (fixedMax && !fixedMin)
            lo = hi - std::max(1.0, std::abs(hi));
        else
            hi = lo + std::max(1.0, std::abs(lo));
    }

    const double room = std::max(1.0, std::floor(lengthPx / std::max(1.0, minSpacingPx)));
    AxisScale scale;
    scale.step = roundStep((hi - lo) / room);
    scale.min = fixedMin ? lo : std::floor(lo / scale.step + 1e-9) * scale.step;
    scale.max = fixedMax ? hi : std::ceil(hi / scale.step - 1e-9) * scale.step;
    if (scale.max - scale.min < 1e-12)
        scale.max = scale.min + scale.step;
    scale.decimals = scale.step >= 1 ? 0 : std::min(6, static_cast<int>(std::ceil(-std::log10(scale.step) - 1e-9)));
    fillTicks(scale);
    return scale;
}

AxisScale shiftedScale(const AxisScale &scale, double fraction)
{
    AxisScale moved = scale;
    const double offset = fraction * scale.span();
    moved.min += offset;
    moved.max += offset;
    fillTicks(moved);
    return moved;
}

QString tickLabel(double value, int decimals, QChar thousandSep)
{
    return FormatThousands(decimals, static_cast<float>(value), thousandSep);
}
