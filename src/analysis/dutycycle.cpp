#include "analysis/dutycycle.h"

#include "data/parameters.h"
#include "data/textnumbers.h"

namespace {

constexpr int DutyTextLimit = 5;

} // namespace

DutyTexts DutyWorkingCopy(const DutyTexts &fieldTexts)
{
    DutyTexts copy;
    for (size_t i = 0; i < copy.size(); ++i)
        copy[i] = fieldTexts[i].left(DutyTextLimit);
    return copy;
}

int DutyTotal(const DutyTexts &texts)
{
    // Five characters each keep the sum far from the integer limits.
    int sum = 0;
    for (const QString &text : texts)
        sum += readIntegerPrefix(text);
    return sum;
}

QString DutyTotalMessage(int sum)
{
    return QStringLiteral("Total Duty Cycle Percentages should equal 100%\nPercentages entered currently equal: %1%")
        .arg(sum);
}

QString DutyTotalLabelText(int sum)
{
    if (sum == RequiredDutyTotal)
        return QStringLiteral("%1%").arg(sum);
    return QStringLiteral("%1% (must equal 100%)").arg(sum);
}

const DutyTexts &DefaultDutyTexts()
{
    static const DutyTexts texts = [] {
        DutyTexts t;
        for (size_t i = 0; i < t.size(); ++i)
            t[i] = QString::number(DefaultDutyCycle[i]);
        return t;
    }();
    return texts;
}
