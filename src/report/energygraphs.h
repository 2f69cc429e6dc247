#pragma once

#include <array>

#include "report/chartmodel.h"

struct EstimationResults;
struct ProgramOptions;

// The energy graph selected on the "Energy Graphs" page, by list index.
enum class EnergyGraph { Cost = 0, Hours = 1, Time = 2 };

inline constexpr int GraphTypeCount = 6;

// Series kind of graph type 1 … 6 (area, line, horizontal bar, point, bar, fast line).
SeriesKind graphTypeKind(int graphType);

// The six charts of the "Energy Graphs" page, one per graph type, always filled together so that
// a change of graph type shows the current energy graph at once. `kind` is the application kind
// (1 fan, 2 pump). The draw operations plot the results as they stand and check nothing.
class EnergyGraphSet final
{
public:
    EnergyGraphSet();

    void ClearGraphSeries();
    void DrawCostGraph(int kind, const EstimationResults &results, const ProgramOptions &options);
    void DrawHoursGraph(int kind, const EstimationResults &results);
    void DrawTimeGraph(int kind, const EstimationResults &results);
    void draw(EnergyGraph graph, int kind, const EstimationResults &results, const ProgramOptions &options);

    // Hatched fills on the point, bar and horizontal-bar charts when `bw`, solid otherwise.
    void ApplyFillPattern(bool bw);

    // The 3D view settings, always set on all six charts.
    void set3D(bool on);
    void setDepth(int percent);
    void setOrthogonal(bool on);
    void setRotation(int degrees);
    void setThousandSep(QChar sep);

    // Chart of graph type 1 … 6.
    const ChartModel &chart(int graphType) const;
    // The legend name of slot 1 … 5 given by the last draw operation.
    const QString &legendName(int slot) const { return m_legendNames[slot - 1]; }

private:
    ChartModel &at(int graphType) { return m_charts[graphType - 1]; }
    void setTexts(const QString &title, const QString &valueTitle, const QString &pointValueTitle);
    void startAtOrigin();

    std::array<ChartModel, GraphTypeCount> m_charts;
    std::array<QString, ChartSlotCount> m_legendNames;
};

// The duty-cycle chart of the "System Data" page from the duty percents of the last estimation,
// bars blue while the duty cycle adds up to 100 and red otherwise.
ChartModel dutyChartModel(int kind, const EstimationResults &results, bool blue);
