#pragma once

#include "engine/estimation.h"

#include <QChar>
#include <QList>
#include <QPair>
#include <QString>

#include <array>
#include <optional>

// One row of the calculation overview: a flow step's duty, hours, shaft power and costs.
struct OverviewRow
{
    QString duty;          // Ap<n>
    QString hours;         // HRY<n>
    QString shaftHp;       // SHP<n>
    QString costPerHour;   // CPH<n>
    QString operatingCost; // OC<n>
};

// The texts of the calculation overview window. Row 0 is 100 % flow, row 9 is 10 % flow.
struct OverviewTexts
{
    QString flowMedium; // FLOWM: "AIR" or "LIQUID"
    std::array<OverviewRow, FlowStepCount> rows;
    QString totalHours; // TOTHOUR
    QString totalCost;  // TOTALCOST

    // Every text with the name of the label that shows it (FLOWM, Ap10 … OC100, TOTHOUR, TOTALCOST).
    QList<QPair<QString, QString>> namedTexts() const;
};

// Label name of one overview column for row r (0 … 9): the digits count rows, Ap10 is the top row.
QString overviewFieldName(const QString &prefix, int row);

// The result set behind an overview selection; nothing for a pairing the program never offers
// (pump method 2, or a kind or method out of range).
std::optional<ResultSet> overviewResultSet(int kind, int method);

// The overview texts of one method from the stored results. A selection without a result set
// leaves the method's columns and the total cost empty.
OverviewTexts FillOverview(int kind, int method, const EstimationResults &results, QChar thousandSep);
