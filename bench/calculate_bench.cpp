// A whole press of Calculate, table loads included, per mode on water/water and on an R134a
// liquid cooled by a glycol, and a case close to the NTU limit.
#include <benchmark/benchmark.h>

#include "calc/exchanger.h"
#include "platform/appdir.h"
#include "platform/memoryform.h"

namespace {

const std::string kDataFolder = vorlan::QuestaDirectory() + "/data";

struct Case {
    const char* name;
    std::vector<std::pair<const char*, const char*>> texts;
    std::vector<const char*> options;
};

const std::vector<std::pair<const char*, const char*>> kWaterWater = {
    {"Text1", "25"},
    {"Text2", "2"},
    {"Text4", "50"},
    {"Text5", "3"},
    {"Combo3", "Copper"},
    {"Combo1", "Water"},
    {"Combo2", "Water"},
    {"Combo4", "1"},
    {"Combo5", "1"},
    {"Text6", "80"},
    {"Text9", "20"},
    {"Form2.Text1", "0"},
    {"Form2.Text2", "0"},
    {"Text12", "10"},
    {"Text3", "40"},
    {"Text7", "60"},
    {"Text10", "40"},
    {"Text8", "0,5"},
    {"Text11", "0,5"},
};

std::vector<std::pair<const char*, const char*>> with(
    std::vector<std::pair<const char*, const char*>> texts, std::vector<std::pair<const char*, const char*>> changes)
{
    for (const auto& change : changes)
        texts.push_back(change);
    return texts;
}

const std::vector<std::pair<const char*, const char*>> kRefrigerant = with(kWaterWater,
    {
        {"Combo1", "R134a liquid"},
        {"Combo4", "10"},
        {"Text6", "35"},
        {"Text7", "15"},
        {"Combo2", "Ethylene Glycol 30%"},
        {"Text9", "5"},
        {"Text10", "10"},
        {"Text3", "10"},
    });

void calculate(benchmark::State& state, const Case& c)
{
    vorlan::MemoryForm form;
    for (const auto& [box, text] : c.texts)
        form.setText(box, text);
    for (const char* option : c.options)
        form.setSelected(option);
    vorlan::Exchanger exchanger(form, kDataFolder);
    exchanger.materials.dbmateriale(kDataFolder);
    for (auto _ : state) {
        const vorlan::CalcOutcome outcome = exchanger.Command1_Click();
        if (!outcome.record) {
            state.SkipWithError(outcome.message.c_str());
            break;
        }
    }
}

const Case kCases[] = {
    {"L1/water", kWaterWater, {"Option1", "Option3", "Option8", "Option5"}},
    {"L2/water", kWaterWater, {"Option1", "Option4", "Option7", "Option5"}},
    {"L3/water", kWaterWater, {"Option1", "Option4", "Option8", "Option5"}},
    {"C1/water", kWaterWater, {"Option1", "Option3", "Option8", "Option6"}},
    {"C2/water", kWaterWater, {"Option1", "Option4", "Option7", "Option6"}},
    {"C3/water", kWaterWater, {"Option1", "Option4", "Option8", "Option6"}},
    {"L1/R134a-glycol", kRefrigerant, {"Option1", "Option3", "Option8", "Option5"}},
    {"C1/R134a-glycol", kRefrigerant, {"Option1", "Option3", "Option8", "Option6"}},
    {"L3/water-NTU-near-20", with(kWaterWater, {{"Text12", "200"}}), {"Option1", "Option4", "Option8", "Option5"}},
};

const bool kRegistered = [] {
    for (const Case& c : kCases)
        benchmark::RegisterBenchmark(c.name, calculate, c)->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace
