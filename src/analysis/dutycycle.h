#pragma once

#include <QString>

#include <array>

#include "setup/options.h"

// The duty-cycle rules of the "System Data" page: the working copy of the ten fields, their total
// and what the page says about it.

using DutyTexts = std::array<QString, FlowStepCount>; // 100 % flow first

// The working copy the estimation reads: each field text cut to its first 5 characters.
DutyTexts DutyWorkingCopy(const DutyTexts &fieldTexts);

// The ten texts read as integers (leading blanks, sign, digits; empty is 0) and added up.
int DutyTotal(const DutyTexts &texts);

inline constexpr int RequiredDutyTotal = 100;

// The error shown when a move is refused: two lines, the second ending in the sum and "%".
QString DutyTotalMessage(int sum);

// The total label: "100%" while the sum is right, otherwise the sum and "% (must equal 100%)".
QString DutyTotalLabelText(int sum);

// The texts the duty-cycle Reset puts back, 100 % flow first.
const DutyTexts &DefaultDutyTexts();
