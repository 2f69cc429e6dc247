#include "overview.h"

#include "data/numberformat.h"
#include "data/programidentity.h"

QString overviewFieldName(const QString &prefix, int row)
{
    return prefix + QString::number((row + 1) * 10);
}

QList<QPair<QString, QString>> OverviewTexts::namedTexts() const
{
    QList<QPair<QString, QString>> list;
    list.reserve(3 + 5 * FlowStepCount);
    list.append({QStringLiteral("FLOWM"), flowMedium});
    for (int r = 0; r < FlowStepCount; ++r) {
        const OverviewRow &row = rows[r];
        list.append({overviewFieldName(QStringLiteral("Ap"), r), row.duty});
        list.append({overviewFieldName(QStringLiteral("HRY"), r), row.hours});
        list.append({overviewFieldName(QStringLiteral("SHP"), r), row.shaftHp});
        list.append({overviewFieldName(QStringLiteral("CPH"), r), row.costPerHour});
        list.append({overviewFieldName(QStringLiteral("OC"), r), row.operatingCost});
    }
    list.append({QStringLiteral("TOTHOUR"), totalHours});
    list.append({QStringLiteral("TOTALCOST"), totalCost});
    return list;
}

std::optional<ResultSet> overviewResultSet(int kind, int method)
{
    if (kind == 1) {
        switch (method) {
        case 1: return ResultSet::VfdFan;
        case 2: return ResultSet::Damper;
        case 3: return ResultSet::InletVane;
        case 4: return ResultSet::Custom1;
        case 5: return ResultSet::Custom2;
        default: return std::nullopt;
        }
    }
    if (kind == 2) {
        switch (method) {
        case 1: return ResultSet::VfdPump;
        case 3: return ResultSet::Valve;
        case 4: return ResultSet::Custom1;
        case 5: return ResultSet::Custom2;
        default: return std::nullopt;
        }
    }
    return std::nullopt;
}

OverviewTexts FillOverview(int kind, int method, const EstimationResults &results, QChar thousandSep)
{
    const QString &currency = ProgramIdentity::CurrencySymbol;
    // The formatter works in single precision, as every amount on screen does.
    const auto amount = [thousandSep](double value, int decimals) {
        return FormatThousands(decimals, static_cast<float>(value), thousandSep);
    };

    OverviewTexts texts;
    texts.flowMedium = kind == 2 ? QStringLiteral("LIQUID") : QStringLiteral("AIR");
    const StepValues &stepHours = kind == 2 ? results.stepHoursPump : results.stepHoursFan;
    const double totalHours = kind == 2 ? results.totalHoursPump : results.totalHoursFan;
    const std::optional<ResultSet> set = overviewResultSet(kind, method);

    for (int i = 0; i < FlowStepCount; ++i) {
        OverviewRow &row = texts.rows[i];
        row.duty = results.dutyTexts[i];
        row.hours = amount(stepHours[i], 2);
        if (set) {
            const MethodResults &m = results.method(*set);
            row.shaftHp = amount(m.shaftHp[i], 2);
            row.costPerHour = currency + amount(m.costPerHour[i], 2);
            row.operatingCost = currency + amount(m.operatingCost[i], 2);
        }
    }
    if (set)
        texts.totalCost = currency + amount(results.method(*set).annualCost, 0);
    texts.totalHours = amount(totalHours, 2);
    return texts;
}
