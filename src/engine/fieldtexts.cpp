#include "fieldtexts.h"

#include "data/numberformat.h"
#include "data/parameters.h"
#include "data/textnumbers.h"

namespace {

constexpr int FieldTextLength = 10;
constexpr int DutyTextLength = 5;
constexpr int FirstDutyPosition = 10; // A110 is the tenth parameter

QString fieldTextAt(const ParameterTable &params, int position)
{
    const ParameterDefinition *d = params.at(position);
    return d ? ParameterFieldText(*d) : QString();
}

} // namespace

QString ParameterFieldText(const ParameterDefinition &definition)
{
    return fixedText(definition.value, fieldDecimals(definition.step)).left(FieldTextLength);
}

SystemDataTexts SystemDataFromParameters(const ParameterTable &params)
{
    SystemDataTexts texts;
    for (int i = 0; i < static_cast<int>(texts.fields.size()); ++i)
        texts.fields[i] = fieldTextAt(params, i + 1);
    return texts;
}

std::array<QString, FlowStepCount> DutyTextsFromParameters(const ParameterTable &params)
{
    std::array<QString, FlowStepCount> texts;
    for (int i = 0; i < FlowStepCount; ++i)
        texts[i] = fieldTextAt(params, FirstDutyPosition + i).left(DutyTextLength);
    return texts;
}

int DutyTotal(const std::array<QString, FlowStepCount> &dutyTexts)
{
    long long sum = 0;
    for (const QString &t : dutyTexts)
        sum += readIntegerPrefix(t);
    return static_cast<int>(sum);
}

QString DutyTotalMessage(int total)
{
    return QStringLiteral("Total Duty Cycle Percentages should equal 100%\nPercentages entered currently equal: %1%")
        .arg(total);
}
