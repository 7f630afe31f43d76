// The robust solution alone, the case read once: the water case in a length and a capacity mode,
// the same beyond NTU 20 (where Calculate refuses), and the R134a liquid cooled by a glycol.
#include <benchmark/benchmark.h>

#include "calc/calculation.h"
#include "platform/appdir.h"
#include "support/watercase.h"

namespace {

using vorlan::test::Mode;

struct Case {
    std::string name;
    Mode mode;
    vorlan::test::Changes changes; // to the water case
};

void solve(benchmark::State& state, const Case& c)
{
    const std::string dataFolder = vorlan::QuestaDirectory() + "/data";
    vorlan::CaseContents form;
    vorlan::test::describeWaterCase(form, c.mode);
    for (const auto& [box, text] : c.changes)
        form.setText(box, text);
    vorlan::Exchanger exchanger(dataFolder);
    vorlan::FluidTables tables(dataFolder);
    vorlan::CaseState caseState;
    std::vector<vorlan::WriteBack> writeBacks;
    const vorlan::CaseInput input = vorlan::readCaseInput(form);
    vorlan::Calculation calculation(input, tables, exchanger.materials(), caseState, writeBacks);
    calculation.readCase();
    for (auto _ : state) {
        const vorlan::RobustAnswer answer
            = vorlan::robustAnswer(input, calculation.robustCase(), calculation.readTables());
        if (!answer.solved) {
            state.SkipWithError(answer.solution.reason.c_str());
            break;
        }
    }
}

const std::vector<Case> kCases = {
    {"L1/water", Mode::L1, {}},
    {"C3/water", Mode::C3, {}},
    {"L3/water-2000m", Mode::L3, {{vorlan::Quantity::Length, "2000"}}},
    {"L1/R134a-glycol", Mode::L1, vorlan::test::refrigerantChanges()},
};

const bool kRegistered = [] {
    for (const Case& c : kCases)
        benchmark::RegisterBenchmark(c.name.c_str(), solve, c)->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace
