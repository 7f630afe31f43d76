// What the analysis of a solved case costs beside the calculation itself: one Calculate against the
// details, the cross-check, the warnings and a 200-segment profile of the same case, on a copy of
// the tables the calculation ended with.
#include <benchmark/benchmark.h>

#include "analysis/caseanalysis.h"
#include "calc/casecontents.h"
#include "calc/exchanger.h"
#include "platform/appdir.h"
#include "support/watercase.h"

namespace {

const std::string kDataFolder = vorlan::QuestaDirectory() + "/data";

using vorlan::test::Mode;

const vorlan::test::Changes kRefrigerant = vorlan::test::refrigerantChanges();

struct Solved {
    Solved(Mode mode, const vorlan::test::Changes& changes)
        : exchanger(kDataFolder)
    {
        vorlan::test::describeWaterCase(form, mode);
        for (const auto& [box, text] : changes)
            form.setText(box, text);
        outcome = exchanger.calculate(form);
    }
    vorlan::CaseContents form;
    vorlan::Exchanger exchanger;
    vorlan::CalcOutcome outcome;
};

void calculate(benchmark::State& state, Mode mode, bool refrigerant)
{
    Solved solved(mode, refrigerant ? kRefrigerant : decltype(kRefrigerant) {});
    for (auto _ : state)
        benchmark::DoNotOptimize(solved.exchanger.calculate(solved.form));
}

void analyse(benchmark::State& state, Mode mode, bool refrigerant)
{
    Solved solved(mode, refrigerant ? kRefrigerant : decltype(kRefrigerant) {});
    if (!solved.outcome.solution) {
        state.SkipWithError(solved.outcome.message.c_str());
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(vorlan::analyseCase(*solved.outcome.solution, 200));
}

} // namespace

// Each mode on the water case, and the refrigerant case in two: each analysis beside its Calculate.
BENCHMARK_CAPTURE(calculate, L1 / water, Mode::L1, false);
BENCHMARK_CAPTURE(analyse, L1 / water, Mode::L1, false);
BENCHMARK_CAPTURE(calculate, L2 / water, Mode::L2, false);
BENCHMARK_CAPTURE(analyse, L2 / water, Mode::L2, false);
BENCHMARK_CAPTURE(calculate, L3 / water, Mode::L3, false);
BENCHMARK_CAPTURE(analyse, L3 / water, Mode::L3, false);
BENCHMARK_CAPTURE(calculate, C1 / water, Mode::C1, false);
BENCHMARK_CAPTURE(analyse, C1 / water, Mode::C1, false);
BENCHMARK_CAPTURE(calculate, C2 / water, Mode::C2, false);
BENCHMARK_CAPTURE(analyse, C2 / water, Mode::C2, false);
BENCHMARK_CAPTURE(calculate, C3 / water, Mode::C3, false);
BENCHMARK_CAPTURE(analyse, C3 / water, Mode::C3, false);
BENCHMARK_CAPTURE(calculate, L1 / R134a - glycol, Mode::L1, true);
BENCHMARK_CAPTURE(analyse, L1 / R134a - glycol, Mode::L1, true);
BENCHMARK_CAPTURE(calculate, C1 / R134a - glycol, Mode::C1, true);
BENCHMARK_CAPTURE(analyse, C1 / R134a - glycol, Mode::C1, true);
