#pragma once

#include <QChar>
#include <QString>

struct ParameterDefinition;

// Rules of the nineteen numeric fields of the analysis window, apart from the widgets.

// KEYLOCK: a typed character passes when it is backspace, "-", "." or a digit.
bool KeyAccepted(QChar typed);

// The text a field shows for a value: fixed point with the decimals of the step, no thousands
// separator, at most 10 characters.
QString FieldText(float value, float step);

// A field's text read as a number (lenient: the longest number at its start; empty or "-" is 0).
float FieldNumber(const QString &text);

// The value stored in the table for a field's text. Kept inside the parameter's limits: a field can
// still hold an unchecked text when the values move (focus still inside it).
float StoredFieldValue(const QString &text, const ParameterDefinition &definition);

// What leaving a field does to it: the corrected text, and whether the correction beeps.
struct RangeCheckOutcome
{
    QString text;
    bool beep = false;
};

// CheckRange: above the maximum gives the maximum, below the minimum the minimum (both with a beep);
// otherwise the number itself in the parameter's decimals. Compared in single precision.
RangeCheckOutcome CheckRangeOutcome(const QString &text, const ParameterDefinition &definition);
