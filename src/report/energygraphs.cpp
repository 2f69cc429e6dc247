#include "report/energygraphs.h"

#include <algorithm>

#include "engine/estimation.h"
#include "setup/options.h"

namespace {

constexpr int PointChart = 4;
constexpr int HorizontalChart = 3;
constexpr int AreaChart = 1;

const QString FlowAxisTitle = QStringLiteral("Percentage Flow (%)");

bool isPump(int kind)
{
    return kind == 2;
}

// The value plotted at flow 10·i % (i = 1 … 10); the results hold 100 % flow first.
template <typename Values>
double atFlowStep(const Values &values, int i)
{
    return static_cast<double>(values[static_cast<size_t>(FlowStepCount - i)]);
}

} // namespace

SeriesKind graphTypeKind(int graphType)
{
    static const std::array<SeriesKind, GraphTypeCount> kinds{SeriesKind::Area,  SeriesKind::Line,
                                                              SeriesKind::HorizontalBar, SeriesKind::Point,
                                                              SeriesKind::Bar,   SeriesKind::FastLine};
    return kinds[static_cast<size_t>(graphType - 1)];
}

EnergyGraphSet::EnergyGraphSet()
{
    for (int type = 1; type <= GraphTypeCount; ++type) {
        ChartModel &c = at(type);
        c.kind = graphTypeKind(type);
        c.horizontal = c.kind == SeriesKind::HorizontalBar;
        for (int slot = 1; slot <= ChartSlotCount; ++slot) {
            c.series[static_cast<size_t>(slot - 1)].color = slotColor(slot);
            // Nothing to show before the first draw operation.
            c.series[static_cast<size_t>(slot - 1)].visible = false;
            c.series[static_cast<size_t>(slot - 1)].points.reserve(FlowStepCount + 1);
        }
        // Damper and inlet vane first so the smaller VFD area lies over them.
        if (type == AreaChart)
            c.drawOrder = {1, 2, 0, 3, 4};
    }
}

const ChartModel &EnergyGraphSet::chart(int graphType) const
{
    return m_charts[static_cast<size_t>(graphType - 1)];
}

void EnergyGraphSet::ClearGraphSeries()
{
    for (ChartModel &c : m_charts)
        for (ChartSeries &s : c.series)
            s.points.clear();
    for (QString &name : m_legendNames)
        name.clear();
}

void EnergyGraphSet::setTexts(const QString &title, const QString &valueTitle, const QString &pointValueTitle)
{
    for (int type = 1; type <= GraphTypeCount; ++type) {
        ChartModel &c = at(type);
        c.title = title;
        c.valueAxisTitle = type == PointChart ? pointValueTitle : valueTitle;
        c.flowAxisTitle = FlowAxisTitle;
    }
}

void EnergyGraphSet::startAtOrigin()
{
    for (ChartModel &c : m_charts) {
        for (size_t k = 0; k < c.series.size(); ++k) {
            c.series[k].points.append(QPointF(0, 0));
            c.series[k].title = m_legendNames[k];
        }
    }
}

void EnergyGraphSet::DrawCostGraph(int kind, const EstimationResults &results, const ProgramOptions &options)
{
    ClearGraphSeries();
    const bool pump = isPump(kind);
    m_legendNames[0] = QStringLiteral("Inverter");
    m_legendNames[1] = pump ? QStringLiteral("Throttling Valve") : QStringLiteral("Outlet Damper");
    m_legendNames[2] = pump ? QString() : QStringLiteral("Inlet Vane");
    m_legendNames[3] = options.custom1InUse ? options.custom1Title : QString();
    m_legendNames[4] = options.custom2InUse ? options.custom2Title : QString();

    setTexts(pump ? QStringLiteral("Annual Operating Cost / Pumping Application")
                  : QStringLiteral("Annual Operating Cost / Fan Application"),
             QStringLiteral("Operating cost $ "), QStringLiteral("Operating cost $"));
    startAtOrigin();

    const std::array<bool, ChartSlotCount> shown{true, true, !pump, options.custom1InUse, options.custom2InUse};
    const std::array<const MethodResults *, ChartSlotCount> methods{
        &results.method(pump ? ResultSet::VfdPump : ResultSet::VfdFan),
        &results.method(pump ? ResultSet::Valve : ResultSet::Damper),
        pump ? nullptr : &results.method(ResultSet::InletVane),
        &results.method(ResultSet::Custom1),
        &results.method(ResultSet::Custom2)};

    for (int type = 1; type <= GraphTypeCount; ++type) {
        ChartModel &c = at(type);
        for (size_t k = 0; k < c.series.size(); ++k) {
            ChartSeries &s = c.series[k];
            s.visible = shown[k];
            s.listedInLegend = true;
            if (!shown[k] || !methods[k])
                continue;
            for (int i = 1; i <= FlowStepCount; ++i) {
                const double flow = 10.0 * i;
                const double cost = atFlowStep(methods[k]->operatingCost, i);
                s.points.append(type == HorizontalChart ? QPointF(cost, flow) : QPointF(flow, cost));
            }
        }
    }
}

namespace {

// The single plotted series of the hours and time graphs is slot 3.
void plotSlot3Only(std::array<ChartModel, GraphTypeCount> &charts, const StepValues &values)
{
    for (int type = 1; type <= GraphTypeCount; ++type) {
        ChartModel &c = charts[static_cast<size_t>(type - 1)];
        for (size_t k = 0; k < c.series.size(); ++k) {
            c.series[k].visible = k == 2;
            if (k == 2)
                c.series[k].listedInLegend = false;
        }
        ChartSeries &s = c.series[2];
        for (int i = 1; i <= FlowStepCount; ++i) {
            const double flow = 10.0 * i;
            const double v = atFlowStep(values, i);
            s.points.append(type == HorizontalChart ? QPointF(v, flow) : QPointF(flow, v));
        }
    }
}

} // namespace

void EnergyGraphSet::DrawHoursGraph(int kind, const EstimationResults &results)
{
    ClearGraphSeries();
    const bool pump = isPump(kind);
    m_legendNames[2] = pump ? QStringLiteral("%Flow/Annual Hrs") : QStringLiteral("%Flow/Annual Hours");
    setTexts(pump ? QStringLiteral("Annual Hours of operation per percentage Flow Graph for Pumps")
                  : QStringLiteral("Annual Hours of operation per percentage Flow Graph for Fans"),
             QStringLiteral("Annual Hours "), QStringLiteral("Annual Hours"));
    startAtOrigin();
    plotSlot3Only(m_charts, pump ? results.stepHoursPump : results.stepHoursFan);
}

void EnergyGraphSet::DrawTimeGraph(int kind, const EstimationResults &results)
{
    ClearGraphSeries();
    const bool pump = isPump(kind);
    m_legendNames[2] = QStringLiteral("Flow(%)/Time(%)");
    setTexts(pump ? QStringLiteral("Percentage Time per percentage Flow Graph for Pumps")
                  : QStringLiteral("Percentage Time per percentage Flow Graph for Fans"),
             QStringLiteral("Percentage Time (%) "), QStringLiteral("Percentage Time (%)"));
    startAtOrigin();
    const auto &duty = pump ? results.dutyPump : results.dutyFan;
    StepValues values{};
    for (size_t n = 0; n < values.size(); ++n)
        values[n] = duty[n];
    plotSlot3Only(m_charts, values);
}

void EnergyGraphSet::draw(EnergyGraph graph, int kind, const EstimationResults &results,
                          const ProgramOptions &options)
{
    switch (graph) {
    case EnergyGraph::Cost: DrawCostGraph(kind, results, options); break;
    case EnergyGraph::Hours: DrawHoursGraph(kind, results); break;
    case EnergyGraph::Time: DrawTimeGraph(kind, results); break;
    }
}

void EnergyGraphSet::ApplyFillPattern(bool bw)
{
    for (ChartModel &c : m_charts) {
        const bool hatchable = c.kind == SeriesKind::Point || c.kind == SeriesKind::Bar
                               || c.kind == SeriesKind::HorizontalBar;
        for (int slot = 1; slot <= ChartSlotCount; ++slot)
            c.series[static_cast<size_t>(slot - 1)].hatch = bw && hatchable ? slotHatch(slot) : HatchStyle::Solid;
    }
}

void EnergyGraphSet::set3D(bool on)
{
    for (ChartModel &c : m_charts)
        c.view.on = on;
}

void EnergyGraphSet::setDepth(int percent)
{
    for (ChartModel &c : m_charts)
        c.view.depth = std::clamp(percent, 1, 100);
}

void EnergyGraphSet::setOrthogonal(bool on)
{
    for (ChartModel &c : m_charts)
        c.view.orthogonal = on;
}

void EnergyGraphSet::setRotation(int degrees)
{
    for (ChartModel &c : m_charts)
        c.view.rotation = std::clamp(degrees, 270, 360);
}

void EnergyGraphSet::setThousandSep(QChar sep)
{
    for (ChartModel &c : m_charts)
        c.thousandSep = sep;
}

ChartModel dutyChartModel(int kind, const EstimationResults &results, bool blue)
{
    ChartModel c;
    c.kind = SeriesKind::Bar;
    c.title = QStringLiteral("          Duty Cycle");
    c.flowAxisTitle = QStringLiteral("Flow (%)");
    c.valueAxisTitle = QStringLiteral("Time (%)");
    c.legendVisible = false;
    c.view.on = false;
    c.xRange = {0.0, 105.0};
    c.yRange = {0.0, std::nullopt};
    for (size_t k = 1; k < c.series.size(); ++k)
        c.series[k].visible = false;
    ChartSeries &s = c.series[0];
    s.title = QStringLiteral("DutySeries1");
    s.listedInLegend = false;
    s.color = blue ? QColor(0, 0, 255) : QColor(255, 0, 0);
    s.points.reserve(FlowStepCount + 1);
    s.points.append(QPointF(0, 0));
    const auto &duty = isPump(kind) ? results.dutyPump : results.dutyFan;
    for (int i = 1; i <= FlowStepCount; ++i)
        s.points.append(QPointF(10.0 * i, atFlowStep(duty, i)));
    return c;
}
