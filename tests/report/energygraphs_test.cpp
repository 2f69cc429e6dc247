#include <gtest/gtest.h>

#include "chartfixture.h"
#include "report/energygraphs.h"

namespace {

constexpr int HorizontalChart = 3;
constexpr int PointChart = 4;

// The eleven points a shown series must hold: the origin, then flows 10 … 100 with the value of the
// step read from the results (entry 0 is 100 % flow); flow and value swap on the horizontal chart.
template <typename Values>
QVector<QPointF> expectedPoints(const Values &values, int graphType)
{
    QVector<QPointF> pts{QPointF(0, 0)};
    for (int i = 1; i <= 10; ++i) {
        const double flow = 10.0 * i;
        const double v = static_cast<double>(values[static_cast<size_t>(10 - i)]);
        pts.append(graphType == HorizontalChart ? QPointF(v, flow) : QPointF(flow, v));
    }
    return pts;
}

QStringList legendEntries(const ChartModel &c)
{
    QStringList names;
    for (int slot : c.drawOrder) {
        const ChartSeries &s = c.series[static_cast<size_t>(slot)];
        if (s.visible && s.listedInLegend && c.legendVisible)
            names << s.title;
    }
    return names;
}

struct CostCase
{
    const char *name;
    int kind;
    bool custom1;
    bool custom2;
    std::array<bool, 5> shown;
    std::array<const char *, 5> names;
    std::array<std::optional<ResultSet>, 5> sets;
    const char *title;
};

const CostCase CostCases[] = {
    {"fan", 1, false, false, {true, true, true, false, false}, {"Inverter", "Outlet Damper", "Inlet Vane", "", ""},
     {ResultSet::VfdFan, ResultSet::Damper, ResultSet::InletVane, std::nullopt, std::nullopt},
     "Annual Operating Cost / Fan Application"},
    {"pump", 2, false, false, {true, true, false, false, false}, {"Inverter", "Throttling Valve", "", "", ""},
     {ResultSet::VfdPump, ResultSet::Valve, std::nullopt, std::nullopt, std::nullopt},
     "Annual Operating Cost / Pumping Application"},
    {"fan with both customs", 1, true, true, {true, true, true, true, true},
     {"Inverter", "Outlet Damper", "Inlet Vane", "Eddy Current", "Two Speed Motor"},
     {ResultSet::VfdFan, ResultSet::Damper, ResultSet::InletVane, ResultSet::Custom1, ResultSet::Custom2},
     "Annual Operating Cost / Fan Application"},
    {"pump with custom 2", 2, false, true, {true, true, false, false, true},
     {"Inverter", "Throttling Valve", "", "", "Two Speed Motor"},
     {ResultSet::VfdPump, ResultSet::Valve, std::nullopt, std::nullopt, ResultSet::Custom2},
     "Annual Operating Cost / Pumping Application"},
};

} // namespace

TEST(EnergyGraphs, CostGraphSeriesOnEveryChart)
{
    const EstimationResults results = sampleResults();
    for (const CostCase &tc : CostCases) {
        SCOPED_TRACE(tc.name);
        EnergyGraphSet graphs;
        graphs.DrawCostGraph(tc.kind, results, customOptions(tc.custom1, tc.custom2));
        for (int type = 1; type <= GraphTypeCount; ++type) {
            SCOPED_TRACE(type);
            const ChartModel &c = graphs.chart(type);
            EXPECT_EQ(c.title, QString::fromLatin1(tc.title));
            EXPECT_EQ(c.valueAxisTitle, type == PointChart ? "Operating cost $" : "Operating cost $ ");
            EXPECT_EQ(c.flowAxisTitle, "Percentage Flow (%)");
            EXPECT_EQ(c.bottomAxisTitle(), type == HorizontalChart ? "Operating cost $ " : "Percentage Flow (%)");
            EXPECT_EQ(c.leftAxisTitle(), type == HorizontalChart ? "Percentage Flow (%)" : c.valueAxisTitle);
            for (size_t k = 0; k < 5; ++k) {
                const ChartSeries &s = c.series[k];
                EXPECT_EQ(s.visible, tc.shown[k]) << "slot " << k + 1;
                EXPECT_EQ(s.title, QString::fromLatin1(tc.names[k])) << "slot " << k + 1;
                EXPECT_EQ(s.color, slotColor(static_cast<int>(k) + 1));
                if (tc.shown[k] && tc.sets[k]) {
                    EXPECT_EQ(s.points, expectedPoints(results.method(*tc.sets[k]).operatingCost, type)) << k + 1;
                } else {
                    EXPECT_EQ(s.points, QVector<QPointF>{QPointF(0, 0)}) << "slot " << k + 1;
                }
            }
        }
    }
}

TEST(EnergyGraphs, LegendListsShownMethodsInSeriesOrder)
{
    const EstimationResults results = sampleResults();
    EnergyGraphSet graphs;
    graphs.DrawCostGraph(2, results, customOptions(true, false));
    EXPECT_EQ(legendEntries(graphs.chart(5)), QStringList({"Inverter", "Throttling Valve", "Eddy Current"}));
    // The area chart holds slot 2, 3, 1, 4, 5 so the damper's area lies under the VFD's.
    EXPECT_EQ(legendEntries(graphs.chart(1)), QStringList({"Throttling Valve", "Inverter", "Eddy Current"}));
    graphs.DrawCostGraph(1, results, customOptions(false, false));
    EXPECT_EQ(legendEntries(graphs.chart(2)), QStringList({"Inverter", "Outlet Damper", "Inlet Vane"}));
}

TEST(EnergyGraphs, HoursAndTimeGraphsPlotSlotThreeOnlyUnlisted)
{
    const EstimationResults results = sampleResults();
    struct Case
    {
        EnergyGraph graph;
        int kind;
        const char *legend;
        const char *title;
        const char *valueTitle;
    };
    const Case cases[] = {
        {EnergyGraph::Hours, 1, "%Flow/Annual Hours", "Annual Hours of operation per percentage Flow Graph for Fans",
         "Annual Hours "},
        {EnergyGraph::Hours, 2, "%Flow/Annual Hrs", "Annual Hours of operation per percentage Flow Graph for Pumps",
         "Annual Hours "},
        {EnergyGraph::Time, 1, "Flow(%)/Time(%)", "Percentage Time per percentage Flow Graph for Fans",
         "Percentage Time (%) "},
        {EnergyGraph::Time, 2, "Flow(%)/Time(%)", "Percentage Time per percentage Flow Graph for Pumps",
         "Percentage Time (%) "},
    };
    for (const Case &tc : cases) {
        SCOPED_TRACE(tc.title);
        EnergyGraphSet graphs;
        // A cost graph with both customs first: nothing of it may survive.
        graphs.DrawCostGraph(tc.kind, results, customOptions(true, true));
        graphs.draw(tc.graph, tc.kind, results, customOptions(true, true));
        for (int slot = 1; slot <= 5; ++slot)
            EXPECT_EQ(graphs.legendName(slot), slot == 3 ? QString::fromLatin1(tc.legend) : QString());
        for (int type = 1; type <= GraphTypeCount; ++type) {
            const ChartModel &c = graphs.chart(type);
            EXPECT_EQ(c.title, QString::fromLatin1(tc.title));
            QString valueTitle = QString::fromLatin1(tc.valueTitle);
            if (type == PointChart)
                valueTitle.chop(1);
            EXPECT_EQ(c.valueAxisTitle, valueTitle);
            EXPECT_TRUE(legendEntries(c).isEmpty());
            for (size_t k = 0; k < 5; ++k) {
                EXPECT_EQ(c.series[k].visible, k == 2);
                if (k != 2) {
                    EXPECT_EQ(c.series[k].points, QVector<QPointF>{QPointF(0, 0)});
                }
            }
            const ChartSeries &s = c.series[2];
            EXPECT_FALSE(s.listedInLegend);
            if (tc.graph == EnergyGraph::Hours) {
                EXPECT_EQ(s.points, expectedPoints(tc.kind == 1 ? results.stepHoursFan : results.stepHoursPump, type));
            } else {
                EXPECT_EQ(s.points, expectedPoints(tc.kind == 1 ? results.dutyFan : results.dutyPump, type));
            }
        }
        // The cost graph switches the legend entry of slot 3 back on.
        graphs.DrawCostGraph(1, results, customOptions(false, false));
        EXPECT_TRUE(graphs.chart(5).series[2].listedInLegend);
        EXPECT_EQ(legendEntries(graphs.chart(5)).size(), 3);
    }
}

TEST(EnergyGraphs, ClearEmptiesEverySeriesAndName)
{
    EnergyGraphSet graphs;
    graphs.DrawCostGraph(1, sampleResults(), customOptions(true, true));
    graphs.ClearGraphSeries();
    for (int type = 1; type <= GraphTypeCount; ++type)
        for (const ChartSeries &s : graphs.chart(type).series)
            EXPECT_TRUE(s.points.isEmpty());
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_TRUE(graphs.legendName(slot).isEmpty());
}

TEST(EnergyGraphs, FillPatternOnlyOnPointAndBarChartsAndSurvivesDrawing)
{
    EnergyGraphSet graphs;
    graphs.ApplyFillPattern(true);
    graphs.DrawHoursGraph(1, sampleResults());
    graphs.DrawCostGraph(2, sampleResults(), customOptions(true, true));
    const std::array<HatchStyle, 5> hatches{HatchStyle::BackwardDiagonal, HatchStyle::Cross, HatchStyle::DiagonalCross,
                                            HatchStyle::ForwardDiagonal, HatchStyle::Horizontal};
    for (int type = 1; type <= GraphTypeCount; ++type) {
        const bool hatched = type == 3 || type == 4 || type == 5;
        for (size_t k = 0; k < 5; ++k)
            EXPECT_EQ(graphs.chart(type).series[k].hatch, hatched ? hatches[k] : HatchStyle::Solid) << type;
    }
    graphs.ApplyFillPattern(false);
    for (int type = 1; type <= GraphTypeCount; ++type)
        for (const ChartSeries &s : graphs.chart(type).series)
            EXPECT_EQ(s.hatch, HatchStyle::Solid);
}

TEST(EnergyGraphs, ViewSettingsReachAllSixChartsAndStayInRange)
{
    EnergyGraphSet graphs;
    graphs.set3D(false);
    graphs.setDepth(100);
    graphs.setOrthogonal(false);
    graphs.setRotation(300);
    for (int type = 1; type <= GraphTypeCount; ++type)
        EXPECT_EQ(graphs.chart(type).view, (View3D{false, 100, false, 300}));
    graphs.setDepth(0);
    graphs.setRotation(400);
    for (int type = 1; type <= GraphTypeCount; ++type)
        EXPECT_EQ(graphs.chart(type).view, (View3D{false, 1, false, 360}));
    // Drawing keeps the view.
    graphs.DrawCostGraph(1, sampleResults(), customOptions(false, false));
    EXPECT_EQ(graphs.chart(4).view, (View3D{false, 1, false, 360}));
}

TEST(EnergyGraphs, ChartKindsPerGraphType)
{
    EnergyGraphSet graphs;
    const SeriesKind kinds[] = {SeriesKind::Area,  SeriesKind::Line, SeriesKind::HorizontalBar,
                                SeriesKind::Point, SeriesKind::Bar,  SeriesKind::FastLine};
    for (int type = 1; type <= GraphTypeCount; ++type) {
        EXPECT_EQ(graphs.chart(type).kind, kinds[type - 1]);
        EXPECT_EQ(graphs.chart(type).horizontal, type == 3);
        EXPECT_TRUE(graphs.chart(type).view.on);
        EXPECT_EQ(graphs.chart(type).view.depth, 15);
    }
    EXPECT_EQ(graphs.chart(1).drawOrder, (std::array<int, 5>{1, 2, 0, 3, 4}));
    EXPECT_EQ(graphs.chart(5).drawOrder, (std::array<int, 5>{0, 1, 2, 3, 4}));
}

TEST(EnergyGraphs, FullDutyAtFullFlowGivesHoursOnlyAtHundredPercent)
{
    ProgramOptions options;
    SetupFields fields;
    ResetEfficiencyDefaults(options, fields);
    EstimationResults results;
    results.dutyTexts = {"100", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
    SystemDataTexts texts;
    texts.fields = {"24", "7", "52", "10", "50", "93", "97", "0", "10000"};
    ASSERT_FALSE(CalculateEstimation(1, texts, options, results).has_value());
    ASSERT_GT(results.annualHours, 0);
    EnergyGraphSet graphs;
    graphs.DrawHoursGraph(1, results);
    const QVector<QPointF> &pts = graphs.chart(5).series[2].points;
    ASSERT_EQ(pts.size(), 11);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(pts[i].y(), 0.0) << i;
    EXPECT_DOUBLE_EQ(pts[10].y(), results.annualHours);
}

TEST(DutyChart, BarsFromTheDutyPercentsOfTheKind)
{
    EstimationResults results = sampleResults();
    for (int kind : {1, 2}) {
        const ChartModel c = dutyChartModel(kind, results, kind == 1);
        EXPECT_EQ(c.title, "          Duty Cycle");
        EXPECT_EQ(c.bottomAxisTitle(), "Flow (%)");
        EXPECT_EQ(c.leftAxisTitle(), "Time (%)");
        EXPECT_EQ(c.kind, SeriesKind::Bar);
        EXPECT_FALSE(c.legendVisible);
        EXPECT_FALSE(c.view.on);
        EXPECT_EQ(c.xRange.min, 0.0);
        EXPECT_EQ(c.xRange.max, 105.0);
        EXPECT_EQ(c.yRange.min, 0.0);
        EXPECT_FALSE(c.yRange.max.has_value());
        EXPECT_EQ(c.series[0].color, kind == 1 ? QColor(0, 0, 255) : QColor(255, 0, 0));
        EXPECT_EQ(c.series[0].points, expectedPoints(kind == 1 ? results.dutyFan : results.dutyPump, 5));
        for (size_t k = 1; k < 5; ++k)
            EXPECT_FALSE(c.series[k].visible);
    }
}
