#pragma once

#include "engine/estimation.h"
#include "engine/estimationpage.h"

#include <QChar>
#include <QString>

// "$" and the amount in whole dollars with thousands separators, reduced to single precision first.
QString MoneyText(long double amount, QChar thousandSep);

// Years in fixed notation with three decimals, right-aligned in 8 characters (never cut), and " Years".
QString PaybackText(long double years);

// Writes the annual costs, savings and payback times of application kind 1 (fan) or 2 (pump) onto
// the estimation page. Fields the kind hides keep their old texts.
void ShowEstimation(int kind, const EstimationResults &results, const ProgramOptions &options, QChar thousandSep,
                    EstimationPage &page);
