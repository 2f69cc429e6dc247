// Typed, pasted and stored number texts: every conversion and formatter must take any text.
#include "data/numberformat.h"
#include "data/textnumbers.h"

#include <QString>

#include <cmath>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const double lenient = readDecimalLenient(text);
    const auto strict = readDecimalStrict(text);
    if (strict && !(std::isnan(*strict) && std::isnan(lenient)) && *strict != lenient)
        std::abort(); // a text that reads as a whole number reads the same either way
    readIntegerPrefix(text);
    const int decimals = size > 0 ? data[0] % 6 : 2;
    fixedText(lenient, decimals);
    const double rounded = roundViaText(lenient, decimals);
    if (std::isfinite(lenient) && std::fabs(lenient) < 1e15 && std::fabs(rounded - lenient) > std::pow(10.0, -decimals))
        std::abort();
    FormatThousands(decimals, static_cast<float>(lenient), QLatin1Char(','));
    return 0;
}
