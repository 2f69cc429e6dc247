#include "centsrounding.h"

#include <cmath>
#include <cstdint>

#include "data/numberformat.h"

namespace {

// Farther than this from a half cent (in cents, relative to the amount) the 18-digit expansion
// cannot move the decision: it changes a value by at most 5e-18 of itself.
constexpr long double Margin = 1e-12L;
// Above this many cents the expansion's digit count matters for the result itself.
constexpr long double Largest = 1e15L;

} // namespace

double RoundCents(long double value)
{
    const long double magnitude = std::fabs(value);
    const long double cents = magnitude * 100;
    if (!(cents < Largest)) // also NaN and infinities
        return roundViaText(value, 2);
    const auto whole = static_cast<std::int64_t>(cents); // truncation: cents is not negative
    const long double fraction = cents - static_cast<long double>(whole);
    if (std::fabs(fraction - 0.5L) <= Margin * (cents + 1))
        return roundViaText(value, 2);
    const std::int64_t k = fraction > 0.5L ? whole + 1 : whole;
    if (k == 0)
        return 0.0;
    // k and 100 are exact doubles, so one correctly rounded division gives what reading
    // the two-decimal text back gives.
    const double result = static_cast<double>(k) / 100.0;
    return value < 0 ? -result : result;
}
