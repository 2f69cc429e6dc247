#include "textnumbers.h"

#include <charconv>
#include <climits>
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
    std::from_chars(ascii.data(), ascii.data() + ascii.size(), v);
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
