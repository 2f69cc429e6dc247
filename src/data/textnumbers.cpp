#include "textnumbers.h"

#include <charconv>
#include <algorithm>
#include <climits>
#include <limits>
#include <string>

namespace {

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Length of the longest number prefix starting at `start` (sign, digits, ".", digits, exponent),
// and whether it holds at least one digit.
qsizetype numberPrefix(QStringView t, qsizetype start, bool *hasDigits)
{
    qsizetype i = start;
    const qsizetype n = t.size();
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        ++i;
    bool digits = false;
    while (i < n && isDigit(t[i])) {
        ++i;
        digits = true;
    }
    if (i < n && t[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && isDigit(t[i])) {
            ++i;
            digits = true;
        }
    }
    if (digits && i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < n && (t[j] == QLatin1Char('+') || t[j] == QLatin1Char('-')))
            ++j;
        if (j < n && isDigit(t[j])) {
            while (j < n && isDigit(t[j]))
                ++j;
            i = j;
        }
    }
    *hasDigits = digits;
    return i;
}

// from_chars leaves the value alone when the text lies beyond a double. A pasted "1e999" or a
// megabyte of digits must not read as 0 (a field would then clamp to its minimum and a factor
// would be divided by): a magnitude too large reads as infinity, which every range check clamps,
// and one too small as zero.
double outOfRange(const std::string &ascii)
{
    const bool negative = !ascii.empty() && ascii.front() == '-';
    const size_t e = std::min(ascii.find_first_of("eE"), ascii.size());
    // Decimal magnitude of the mantissa: integer digits from the first significant one, or minus
    // the place of the first significant digit after the point.
    long long magnitude = 0;
    bool point = false;
    for (size_t i = negative ? 1 : 0; i < e; ++i) {
        const char c = ascii[i];
        if (c == '.') {
            point = true;
        } else if (!point) {
            if (magnitude > 0 || c != '0')
                ++magnitude;
        } else if (magnitude > 0) {
            break;
        } else {
            --magnitude;
            if (c != '0')
                break;
        }
    }
    long long exponent = 0;
    if (e < ascii.size()) {
        size_t i = e + 1;
        const bool negativeExponent = i < ascii.size() && ascii[i] == '-';
        if (i < ascii.size() && (ascii[i] == '-' || ascii[i] == '+'))
            ++i;
        for (; i < ascii.size(); ++i)
            exponent = std::min(exponent * 10 + (ascii[i] - '0'), 1'000'000'000'000LL);
        if (negativeExponent)
            exponent = -exponent;
    }
    if (magnitude + exponent > 0)
        return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    return negative ? -0.0 : 0.0;
}

double convert(QStringView t)
{
    std::string ascii;
    ascii.reserve(static_cast<size_t>(t.size()));
    for (QChar c : t)
        if (c != QLatin1Char('+'))
            ascii.push_back(static_cast<char>(c.unicode()));
    if (!ascii.empty() && ascii.back() == '.')
        ascii.pop_back();
    if (!ascii.empty() && ascii.front() == '.')
        ascii.insert(0, 1, '0');
    if (ascii.size() > 1 && ascii[0] == '-' && ascii[1] == '.')
        ascii.insert(1, 1, '0');
    double v = 0;
    const auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), v);
    if (ec == std::errc::result_out_of_range)
        return outOfRange(ascii);
    return v;
}

qsizetype skipBlanks(QStringView t)
{
    qsizetype i = 0;
    while (i < t.size() && t[i] <= QLatin1Char(' '))
        ++i;
    return i;
}

} // namespace

double readDecimalLenient(QStringView text)
{
    const qsizetype start = skipBlanks(text);
    bool hasDigits = false;
    const qsizetype end = numberPrefix(text, start, &hasDigits);
    if (!hasDigits)
        return 0;
    return convert(text.mid(start, end - start));
}

std::optional<double> readDecimalStrict(QStringView text)
{
    const qsizetype start = skipBlanks(text);
    bool hasDigits = false;
    const qsizetype end = numberPrefix(text, start, &hasDigits);
    if (!hasDigits)
        return std::nullopt;
    for (qsizetype i = end; i < text.size(); ++i)
        if (text[i] > QLatin1Char(' '))
            return std::nullopt;
    return convert(text.mid(start, end - start));
}

int readIntegerPrefix(QStringView text)
{
    qsizetype i = skipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        value = value * 10 + (text[i].unicode() - '0');
        if (value > INT_MAX)
            return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}
