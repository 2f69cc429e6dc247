#include "analysis/pageflow.h"

#include <QStringList>

#include <algorithm>

#include "data/numberformat.h"

namespace {

const QStringList &pageCaptions()
{
    static const QStringList captions{QStringLiteral("Customer Information"), QStringLiteral("System Data"),
                                      QStringLiteral("Energy Estimation"), QStringLiteral("Energy Graphs"),
                                      QStringLiteral("Report")};
    return captions;
}

const QStringList &helpTopics()
{
    // The topics jump from STEP2 to STEP4; the overview window shares STEP4.
    static const QStringList topics{QStringLiteral("STEP1"), QStringLiteral("STEP2"), QStringLiteral("STEP4"),
                                    QStringLiteral("STEP5"), QStringLiteral("STEP6")};
    return topics;
}

constexpr int FanKind = 1;
constexpr int PumpKind = 2;

} // namespace

QString PageCaption(int page)
{
    return pageCaptions().value(page);
}

QString PageHelpTopic(int page)
{
    return helpTopics().value(page);
}

int PageAfterContinue(int page)
{
    return page < AnalysisPageCount - 1 ? page + 1 : page;
}

int PageAfterGoBack(int page)
{
    return page > 0 ? page - 1 : page;
}

QString DesignCaption()
{
    return QStringLiteral("Fan & Pump Analysis using a Vendram Variable Frequency Drive");
}

QString ApplicationCaption(int applicationKind)
{
    switch (applicationKind) {
    case FanKind: return QStringLiteral("Pelnix Veriro Zarired Uviduzudu, Active Project: Fan Application");
    case PumpKind: return QStringLiteral("Pelnix Veriro Zarired Uviduzudu, Active Project: Pump Application");
    default: return {};
    }
}

QString NoSpeedControlMessage()
{
    return QStringLiteral("No Speed Control: Energy Cost when the motor is running across the line.");
}

std::optional<OverviewChoice> MethodButtonOverview(MethodButton button, int applicationKind)
{
    if (applicationKind != FanKind && applicationKind != PumpKind)
        return std::nullopt;
    const bool pump = applicationKind == PumpKind;
    switch (button) {
    case MethodButton::Line1: return std::nullopt;
    case MethodButton::Line2: return OverviewChoice{applicationKind, 1};
    case MethodButton::Line3: return OverviewChoice{applicationKind, pump ? 3 : 2};
    case MethodButton::Line4:
        if (pump)
            return std::nullopt;
        return OverviewChoice{applicationKind, 3};
    case MethodButton::Custom1: return OverviewChoice{applicationKind, 4};
    case MethodButton::Custom2: return OverviewChoice{applicationKind, 5};
    }
    return std::nullopt;
}

QString DriveEfficiencyText(double efficiency)
{
    return fixedText(static_cast<long double>(efficiency) * 100.0L, 2);
}
