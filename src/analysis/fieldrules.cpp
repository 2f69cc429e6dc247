#include "analysis/fieldrules.h"

#include <cmath>

#include "data/numberformat.h"
#include "data/parameters.h"
#include "data/textnumbers.h"

namespace {

constexpr int FieldTextLimit = 10;
constexpr char16_t Backspace = 8;

QString limitedFixedText(float value, int decimals)
{
    return fixedText(static_cast<long double>(value), decimals).left(FieldTextLimit);
}

} // namespace

bool KeyAccepted(QChar typed)
{
    const char16_t c = typed.unicode();
    return c == Backspace || c == u'-' || c == u'.' || (c >= u'0' && c <= u'9');
}

QString FieldText(float value, float step)
{
    return limitedFixedText(value, fieldDecimals(step));
}

float FieldNumber(const QString &text)
{
    return static_cast<float>(readDecimalLenient(text));
}

float StoredFieldValue(const QString &text, const ParameterDefinition &definition)
{
    const float value = FieldNumber(text);
    if (std::isnan(value))
        return definition.minimum;
    if (value > definition.maximum)
        return definition.maximum;
    if (value < definition.minimum)
        return definition.minimum;
    return value;
}

RangeCheckOutcome CheckRangeOutcome(const QString &text, const ParameterDefinition &definition)
{
    const int decimals = rangeCheckDecimals(definition.step);
    const float value = FieldNumber(text);
    if (value > definition.maximum)
        return {limitedFixedText(definition.maximum, decimals), true};
    if (value >= definition.minimum)
        return {limitedFixedText(value, decimals), false};
    return {limitedFixedText(definition.minimum, decimals), true};
}
