#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The platform's calculator program, tried in this order.
QStringList calculatorCandidates();
// Full path of the first candidate that `findExecutable` finds (it returns empty for a missing
// one), or empty when none is installed.
QString findCalculator(const std::function<QString(const QString &name)> &findExecutable);

inline const QString NoCalculatorText = QStringLiteral(
    "No calculator program was found on this computer. Install one of gnome-calculator, kcalc, galculator, "
    "qalculate-gtk or xcalc to use the Calculator command.");
