// What the analysis of a solved case costs beside the calculation itself: one Calculate against the
// details, the cross-check, the warnings and a 200-segment profile of the same case, table loads
// included in both.
#include <benchmark/benchmark.h>

#include "analysis/caseanalysis.h"
#include "calc/exchanger.h"
#include "platform/appdir.h"
#include "platform/memoryform.h"
#include "support/watercase.h"

namespace {

const std::string kDataFolder = vorlan::QuestaDirectory() + "/data";

using vorlan::test::Mode;

struct Solved {
    explicit Solved(Mode mode)
        : exchanger(form, kDataFolder)
    {
        vorlan::test::describeWaterCase(form, mode);
        exchanger.materials.dbmateriale(kDataFolder);
        outcome = exchanger.Command1_Click();
    }
    vorlan::MemoryForm form;
    vorlan::Exchanger exchanger;
    vorlan::CalcOutcome outcome;
};

void calculate(benchmark::State& state, Mode mode)
{
    Solved solved(mode);
    for (auto _ : state)
        benchmark::DoNotOptimize(solved.exchanger.Command1_Click());
}

void analyse(benchmark::State& state, Mode mode)
{
    Solved solved(mode);
    if (!solved.outcome.record) {
        state.SkipWithError(solved.outcome.message.c_str());
        return;
    }
    const vorlan::CaseContents contents = vorlan::caseFromForm(solved.form);
    for (auto _ : state)
        benchmark::DoNotOptimize(vorlan::analyseCase(contents, *solved.outcome.record, kDataFolder, 200));
}

} // namespace

BENCHMARK_CAPTURE(calculate, L1, Mode::L1);
BENCHMARK_CAPTURE(analyse, L1, Mode::L1);
BENCHMARK_CAPTURE(calculate, L3, Mode::L3);
BENCHMARK_CAPTURE(analyse, L3, Mode::L3);
BENCHMARK_CAPTURE(calculate, C2, Mode::C2);
BENCHMARK_CAPTURE(analyse, C2, Mode::C2);
