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
    vorlan::Exchanger exchanger(kDataFolder);
    vorlan::DesignSearch found;
    for (auto _ : state) {
        found = vorlan::searchDesigns(exchanger, contents, catalogue, constraints);
        if (!found.target) {
            state.SkipWithError(found.message.c_str());
            break;
        }
    }
    state.counters["designs"] = double(found.designs.size());
    state.counters["feasible"] = double(std::count_if(
        found.designs.begin(), found.designs.end(), [](const vorlan::Design& d) { return d.feasible(); }));
}

BENCHMARK_CAPTURE(search, every_standard, std::vector<std::string> {})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(search, asme_b36_10m, std::vector<std::string> {"ASME B36.10M"})->Unit(benchmark::kMillisecond);

} // namespace
