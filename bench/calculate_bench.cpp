// A whole press of Calculate, table loads included, per mode on water/water and on an R134a
// liquid cooled by a glycol, and a case close to the NTU limit.
#include <benchmark/benchmark.h>

#include "calc/exchanger.h"
#include "platform/appdir.h"
#include "support/watercase.h"

namespace {

const std::string kDataFolder = vorlan::QuestaDirectory() + "/data";

using vorlan::test::Mode;

struct Case {
    std::string name;
    Mode mode;
    vorlan::test::Changes changes; // to the water case
};

const vorlan::test::Changes kRefrigerant = vorlan::test::refrigerantChanges();

void calculate(benchmark::State& state, const Case& c)
{
    vorlan::CaseContents form;
    vorlan::test::describeWaterCase(form, c.mode);
    for (const auto& [box, text] : c.changes)
        form.setText(box, text);
    vorlan::Exchanger exchanger(kDataFolder);
    for (auto _ : state) {
        const vorlan::CalcOutcome outcome = exchanger.calculate(form);
        if (!outcome.solution) {
            state.SkipWithError(outcome.message.c_str());
            break;
        }
    }
}

const std::vector<Case> kCases = [] {
    std::vector<Case> cases;
    for (const Mode mode : vorlan::test::kModes)
        cases.push_back({vorlan::test::modeName(mode) + std::string("/water"), mode, {}});
    cases.push_back({"L1/R134a-glycol", Mode::L1, kRefrigerant});
    cases.push_back({"C1/R134a-glycol", Mode::C1, kRefrigerant});
    cases.push_back({"L3/water-NTU-16", Mode::L3, {{vorlan::Quantity::Length, "200"}}});
    cases.push_back({"L3/water-NTU-19.7", Mode::L3, {{vorlan::Quantity::Length, "240"}}});
    return cases;
}();

const bool kRegistered = [] {
    for (const Case& c : kCases)
        benchmark::RegisterBenchmark(c.name.c_str(), calculate, c)->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace
