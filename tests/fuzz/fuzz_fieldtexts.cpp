// Typed or pasted texts in the analysis window's fields and the formulas window: the field check
// must always bring a text back inside its parameter's limits, and no formula may show a number
// that is not finite.
#include "analysis/fieldrules.h"
#include "data/parameters.h"
#include "silentmessages.h"
#include "tools/formulas.h"

#include <QString>

#include <cstdlib>

namespace {
void requireFiniteText(const QString &text)
{
    if (text.contains(QLatin1String("INF")) || text.contains(QLatin1String("NAN")) || text.contains(QLatin1String("nan"))
        || text.contains(QLatin1String("inf")))
        std::abort();
}
void requireFiniteText(const std::optional<QString> &text)
{
    if (text)
        requireFiniteText(*text);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    static ParameterTable params = [] {
        ParameterTable table;
        SilentMessages none(nullptr, 0);
        table.DefineParameters(none);
        return table;
    }();
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    for (int pos = 1; pos <= params.count(); ++pos) {
        const ParameterDefinition &d = *params.at(pos);
        const RangeCheckOutcome outcome = CheckRangeOutcome(text, d);
        const float checked = FieldNumber(outcome.text);
        if (!(checked >= d.minimum && checked <= d.maximum) || outcome.text.size() > 10)
            std::abort();
        const float stored = StoredFieldValue(text, d);
        if (!(stored >= d.minimum && stored <= d.maximum))
            std::abort();
    }

    const double v = FieldNumber(text);
    const QChar sep = QLatin1Char(',');
    requireFiniteText(fanHorsePowerText(v, FanPressureUnit{}, v, v, sep));
    requireFiniteText(pumpHorsePowerText(v, PumpPressureUnit{}, v, v, v, sep));
    requireFiniteText(rotatingHorsePowerText(v, v, sep));
    requireFiniteText(linearHorsePowerText(v, 1000, sep));
    requireFiniteText(torqueFromHorsePowerText(v, v, sep));
    requireFiniteText(torqueFromForceText(v, v, sep));
    requireFiniteText(accelerationTorqueText(v, v, v, sep));
    requireFiniteText(synchronousSpeedText(60, v, sep));
    requireFiniteText(motorSlipText(v, 1750, sep));
    requireFiniteText(resistanceText(24, v, sep));
    requireFiniteText(currentText(v, v, sep));
    requireFiniteText(voltageText(v, v, sep));
    return 0;
}
