#include <benchmark/benchmark.h>

#include <QBuffer>

#include <cstdlib>

#include "data/messageservice.h"
#include "data/parameters.h"
#include "data/projectfile.h"
#include "data/projectrecord.h"
#include "engine/estimation.h"
#include "engine/fieldtexts.h"
#include "engine/overview.h"
#include "engine/payback.h"
#include "setup/options.h"

namespace {

// Answers OK and counts; the benchmarked inputs raise no messages.
class SilentMessages final : public MessageService
{
public:
    MessageAnswer show(MessageKind, const QString &, MessageButtons) override { return MessageAnswer::Ok; }
    void beep() override {}
    [[noreturn]] void terminateProgram() override { std::abort(); }
};

struct DefaultProject
{
    SilentMessages messages;
    ParameterTable params;
    ProgramOptions options;
    SetupFields setupFields;
    SystemDataTexts fields;
    EstimationResults results;

    DefaultProject()
    {
        params.DefineParameters(messages);
        ResetEfficiencyDefaults(options, setupFields);
        options.custom1InUse = options.custom2InUse = true;
        fields = SystemDataFromParameters(params);
        results.dutyTexts = DutyTextsFromParameters(params);
    }
};

using EstimationRun = std::optional<EstimationError> (*)(int, const SystemDataTexts &, const ProgramOptions &,
                                                        EstimationResults &);

template<EstimationRun Run>
void BM_Estimation(benchmark::State &state)
{
    DefaultProject p;
    const int kind = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto refused = Run(kind, p.fields, p.options, p.results);
        benchmark::DoNotOptimize(refused);
        benchmark::DoNotOptimize(p.results);
    }
}
BENCHMARK(BM_Estimation<CalculateEstimation>)->Name("CalculateEstimation")->Arg(1)->Arg(2)->ArgName("kind");
// The floor: the same arithmetic, the cost per hour not rounded to cents.
BENCHMARK(BM_Estimation<CalculateEstimationUnrounded>)->Name("CalculateEstimationUnrounded")->Arg(1)->Arg(2)->ArgName("kind");

void BM_ShowEstimation(benchmark::State &state)
{
    DefaultProject p;
    CalculateEstimation(1, p.fields, p.options, p.results);
    EstimationPage page;
    for (auto _ : state) {
        ShowEstimation(1, p.results, p.options, QLatin1Char(','), page);
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK(BM_ShowEstimation);

void BM_FillOverview(benchmark::State &state)
{
    DefaultProject p;
    CalculateEstimation(1, p.fields, p.options, p.results);
    for (auto _ : state) {
        OverviewTexts texts = FillOverview(1, 2, p.results, QLatin1Char(','));
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(BM_FillOverview);

// Open Project's two reads, the examining one and the applying one, from memory.
void BM_ReadAndApplyProjectFile(benchmark::State &state)
{
    DefaultProject p;
    PlainProjectTexts texts;
    for (int t = 0; t < ProjectTextCount; ++t)
        texts.setText(static_cast<ProjectText>(t), QStringLiteral("Text %1").arg(t));
    QByteArray bytes = projectFileBytes(QStringLiteral("FAN"), p.params, texts, QStringLiteral("12/11/2026"));
    for (auto _ : state) {
        ParameterTable params;
        params.DefineParameters(p.messages);
        PlainProjectTexts read;
        QBuffer examine(&bytes);
        examine.open(QIODevice::ReadOnly);
        const ProjectReadResult first = ReadProjectFile(examine, false, params, read, p.messages);
        QBuffer apply(&bytes);
        apply.open(QIODevice::ReadOnly);
        const ProjectReadResult second = ReadProjectFile(apply, true, params, read, p.messages);
        benchmark::DoNotOptimize(first);
        benchmark::DoNotOptimize(second);
    }
}
BENCHMARK(BM_ReadAndApplyProjectFile);

} // namespace

BENCHMARK_MAIN();
