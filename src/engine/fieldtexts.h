#pragma once

#include "engine/estimation.h"

#include <QString>

#include <array>

class ParameterTable;
struct ParameterDefinition;

// A parameter's value as its field shows it after a show of the analysis window: fixed notation
// with the field's decimals, a "." as decimal point, no separators, cut to 10 characters.
QString ParameterFieldText(const ParameterDefinition &definition);

// The System Data texts A101 … A109 as the analysis window would show the table's values.
SystemDataTexts SystemDataFromParameters(const ParameterTable &params);

// The duty texts the duty-cycle check copies from A110 … A119: each field text cut to 5 characters.
std::array<QString, FlowStepCount> DutyTextsFromParameters(const ParameterTable &params);

// The sum the duty-cycle check adds up: every duty text read as an integer, an empty one as 0.
int DutyTotal(const std::array<QString, FlowStepCount> &dutyTexts);

// The duty-cycle check's message for a sum other than 100.
QString DutyTotalMessage(int total);
