#pragma once

#include <QStringView>

#include <optional>

// Conversions of typed or stored texts to numbers; a full stop is the only decimal separator.

// Leading blanks, optional sign, digits, optional "." and digits, optional exponent. Reads the
// longest such prefix; an empty text, a lone sign or a lone "." read as 0.
double readDecimalLenient(QStringView text);

// The whole text (blanks around it allowed) must be one decimal number; otherwise nothing.
std::optional<double> readDecimalStrict(QStringView text);

// Leading blanks, optional sign, then decimal digits up to the first other character; empty is 0.
// Saturates at the 32-bit limits.
int readIntegerPrefix(QStringView text);
