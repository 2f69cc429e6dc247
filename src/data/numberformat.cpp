#include "numberformat.h"

#include <charconv>
#include <cmath>

NumberSeparators NumberSeparators::fromLocale(const QLocale &locale)
{
    NumberSeparators s;
    const QString dec = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (!dec.isEmpty())
        s.decimalSep = dec.at(0);
    if (!group.isEmpty())
        s.thousandSep = group.at(0);
    return fromPair(s.decimalSep, s.thousandSep);
}

NumberSeparators NumberSeparators::fromPair(QChar decimal, QChar thousand)
{
    if (decimal == thousand)
        return {};
    return {decimal, thousand};
}

namespace {

// Digits of value * 10^decimals rounded half away from zero on an 18-digit expansion, as text
// without leading zeros ("" for zero). `value` is finite and not negative.
std::string scaledDigits(long double value, int decimals)
{
    if (value == 0)
        return {};
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 17);
    // buf: d.ddddddddddddddddde[+-]xx
    std::string digits;
    digits.reserve(40);
    const char *p = buf;
    for (; p != res.ptr && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits.push_back(*p);
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), res.ptr, exponent);

    const long keep = static_cast<long>(exponent) + 1 + decimals; // digits left of the rounding point
    if (keep < 0)
        return {};
    if (keep >= static_cast<long>(digits.size())) {
        digits.append(static_cast<size_t>(keep) - digits.size(), '0');
        return digits;
    }
    const bool roundUp = digits[static_cast<size_t>(keep)] >= '5';
    digits.resize(static_cast<size_t>(keep));
    if (roundUp) {
        long i = keep - 1;
        for (; i >= 0; --i) {
            if (digits[static_cast<size_t>(i)] == '9') {
                digits[static_cast<size_t>(i)] = '0';
            } else {
                ++digits[static_cast<size_t>(i)];
                break;
            }
        }
        if (i < 0)
            digits.insert(digits.begin(), '1');
    }
    const auto firstNonZero = digits.find_first_not_of('0');
    return firstNonZero == std::string::npos ? std::string() : digits.substr(firstNonZero);
}

std::string fixedAscii(long double value, int decimals)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    decimals = std::max(0, decimals);
    const bool negative = value < 0;
    std::string digits = scaledDigits(std::fabs(value), decimals);
    if (digits.size() < static_cast<size_t>(decimals) + 1)
        digits.insert(0, static_cast<size_t>(decimals) + 1 - digits.size(), '0');
    if (decimals > 0)
        digits.insert(digits.size() - static_cast<size_t>(decimals), 1, '.');
    const bool allZero = digits.find_first_not_of("0.") == std::string::npos;
    if (negative && !allZero)
        digits.insert(0, 1, '-');
    return digits;
}

} // namespace

QString fixedText(long double value, int decimals)
{
    return QString::fromLatin1(fixedAscii(value, decimals));
}

double roundViaText(long double value, int decimals)
{
    const std::string text = fixedAscii(value, decimals);
    double result = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), result);
    if (res.ec != std::errc())
        return static_cast<double>(value); // infinities and NaN pass through unchanged
    return result;
}

QString FormatThousands(int decimals, float value, QChar thousandSep)
{
    const bool negative = value < 0;
    const float magnitude = std::fabs(value);
    QString text = fixedText(magnitude, decimals);
    const int shift = decimals > 0 ? 3 + decimals : 2;
    const float limits[] = {1000.0f, 1000000.0f, 1000000000.0f};
    for (int step = 0; step < 3; ++step) {
        if (!(magnitude >= limits[step]))
            break;
        const int position = static_cast<int>(text.size()) - shift - 4 * step; // 1-based
        if (position < 2)
            break;
        text.insert(position - 1, thousandSep);
    }
    return negative ? QLatin1Char('-') + text : text;
}

QString FormatValueField(int decimals, int width, double value)
{
    return PadRight(fixedText(value, decimals) + QLatin1Char(';'), width);
}

QString PadRight(const QString &text, int width)
{
    if (text.size() >= width)
        return text;
    return text + QString(width - text.size(), QLatin1Char(' '));
}
