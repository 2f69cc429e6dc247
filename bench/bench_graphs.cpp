#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>

#include "data/messageservice.h"
#include "data/parameters.h"
#include "engine/estimation.h"
#include "engine/estimationpage.h"
#include "engine/fieldtexts.h"
#include "engine/payback.h"
#include "report/chartrenderer.h"
#include "report/energygraphs.h"
#include "setup/options.h"

namespace {

class QuietMessages final : public MessageService
{
public:
    MessageAnswer show(MessageKind, const QString &, MessageButtons) override { return MessageAnswer::Ok; }
    void beep() override {}
    [[noreturn]] void terminateProgram() override { std::abort(); }
};

// Text drawing needs a GUI application; the benchmarks run headless.
void ensureGuiApplication()
{
    static int argc = 1;
    static char name[] = "pelnix_bench";
    static char *argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);
    }
}

struct GraphPage
{
    QuietMessages messages;
    ParameterTable params;
    ProgramOptions options;
    SetupFields setupFields;
    SystemDataTexts fields;
    EstimationResults results;
    EstimationPage page;
    EnergyGraphSet graphs;
    ChartModel duty;
    QImage screen{775, 500, QImage::Format_ARGB32_Premultiplied};

    GraphPage()
    {
        ensureGuiApplication();
        params.DefineParameters(messages);
        ResetEfficiencyDefaults(options, setupFields);
        options.custom1InUse = options.custom2InUse = true;
        options.custom1Title = QStringLiteral("Eddy Current");
        options.custom2Title = QStringLiteral("Two Speed Motor");
        fields = SystemDataFromParameters(params);
        results.dutyTexts = DutyTextsFromParameters(params);
    }

    // One page move: estimation, page texts, the selected graph into all six charts, the duty
    // chart, and one paint of the visible chart at its on-screen size.
    void refresh(int graphType)
    {
        CalculateEstimation(1, fields, options, results);
        ShowEstimation(1, results, options, QLatin1Char(','), page);
        graphs.DrawCostGraph(1, results, options);
        duty = dutyChartModel(1, results, true);
        QPainter p(&screen);
        renderChart(p, QRectF(0, 0, 775, 500), graphs.chart(graphType));
    }
};

void BM_RefreshResults(benchmark::State &state)
{
    GraphPage page;
    const int graphType = static_cast<int>(state.range(0));
    page.graphs.set3D(state.range(1) != 0);
    for (auto _ : state) {
        page.refresh(graphType);
        benchmark::DoNotOptimize(page.screen.constBits());
    }
}
BENCHMARK(BM_RefreshResults)
    ->ArgsProduct({{1, 2, 3, 4, 5, 6}, {0, 1}})
    ->ArgNames({"type", "3d"})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The heaviest paint: the 3D bar chart with the B/W hatching.
void BM_RefreshResultsHatchedBars(benchmark::State &state)
{
    GraphPage page;
    page.graphs.ApplyFillPattern(true);
    for (auto _ : state) {
        page.refresh(5);
        benchmark::DoNotOptimize(page.screen.constBits());
    }
}
BENCHMARK(BM_RefreshResultsHatchedBars)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Filling the six charts alone: the part every draw operation pays for hidden charts.
void BM_DrawCostGraph(benchmark::State &state)
{
    GraphPage page;
    CalculateEstimation(1, page.fields, page.options, page.results);
    for (auto _ : state) {
        page.graphs.DrawCostGraph(1, page.results, page.options);
        benchmark::DoNotOptimize(page.graphs);
    }
}
BENCHMARK(BM_DrawCostGraph)->Unit(benchmark::kMicrosecond);

} // namespace
