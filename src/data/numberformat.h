#pragma once

#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringView>

// The separators used by FormatThousands. Numbers everywhere else are written with a full stop.
struct NumberSeparators
{
    QChar decimalSep = QLatin1Char('.');
    QChar thousandSep = QLatin1Char(',');

    // Separators of a locale; when both are the same character they become "." and ",".
    static NumberSeparators fromLocale(const QLocale &locale);
    static NumberSeparators fromPair(QChar decimal, QChar thousand);
};

// Fixed-point text of `value` with `decimals` digits after a ".", independent of the C locale.
// Rounds half away from zero, judged on the value's decimal expansion to 18 significant digits.
QString fixedText(long double value, int decimals);

// The same rounding as fixedText, read back as a number: the cents rounding of the estimation.
double roundViaText(long double value, int decimals);

// Fixed-point text with thousands separators inserted by the value's size (at most three).
// The sign is decided before rounding, so -0.001 gives "-0.00".
QString FormatThousands(int decimals, float value, QChar thousandSep);

// The value field of a project-file parameter line: value, ";" and blanks up to `width`.
QString FormatValueField(int decimals, int width, double value);

// Pads `text` with blanks on the right up to `width`; longer texts are returned unchanged.
QString PadRight(const QString &text, int width);
