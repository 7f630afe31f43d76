// The whole design search of Kern's Example 6.1 with the default constraints: the target, every
// candidate of the chosen standards evaluated, ranked. Every standard of the catalogue, and
// ASME B36.10M alone, a smaller catalogue to look at where the time goes.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "calc/casefile.h"
#include "calc/exchanger.h"
#include "platform/appdir.h"
#include "properties/pipecatalogue.h"
#include "studies/designsearch.h"

namespace {

const std::string kDataFolder = vorlan::QuestaDirectory() + "/data";

void search(benchmark::State& state, std::vector<std::string> standards)
{
    const vorlan::CaseContents contents = vorlan::readCaseFile(VORLAN_KERN_CASE);
    const std::vector<vorlan::StandardPipe> catalogue = vorlan::readPipeCatalogue(kDataFolder);
    vorlan::DesignConstraints constraints;
    constraints.standards = std::move(standards);
    vorlan::Exchanger exchanger(kDataFolder), second(kDataFolder);
    const std::vector<vorlan::Exchanger*> others
        = state.range(0) == 2 ? std::vector<vorlan::Exchanger*> {&second} : std::vector<vorlan::Exchanger*> {};
    vorlan::DesignSearch found;
    for (auto _ : state) {
        found = vorlan::searchDesigns(exchanger, contents, catalogue, constraints, others);
        if (!found.target) {
            state.SkipWithError(found.message.c_str());
            break;
        }
    }
    state.counters["designs"] = double(found.designs.size());
    state.counters["feasible"] = double(std::count_if(
        found.designs.begin(), found.designs.end(), [](const vorlan::Design& d) { return d.feasible(); }));
}

// The argument is the number of threads, as vorlan-batch uses one per core (two on this machine).
BENCHMARK_CAPTURE(search, every_standard, std::vector<std::string> {})
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(search, asme_b36_10m, std::vector<std::string> {"ASME B36.10M"})
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
