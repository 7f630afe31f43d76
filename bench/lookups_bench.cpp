// Cost of loading a shipped fluid table and of the lookups a calculation makes on it.
#include <benchmark/benchmark.h>

#include "platform/appdir.h"
#include "properties/fluidtables.h"

namespace {

const std::string kDataFolder = vorlan::QuestaDirectory() + "/data";

void loadWater(benchmark::State& state)
{
    vorlan::FluidTables fluids(kDataFolder);
    for (auto _ : state)
        fluids.dbpropint("Water");
}
BENCHMARK(loadWater);

void bulkPropertiesOfWater(benchmark::State& state)
{
    vorlan::FluidTables fluids(kDataFolder);
    fluids.setPressures("10", "10");
    fluids.dbpropint("Water");
    double t = 1;
    for (auto _ : state) {
        fluids.propint(t);
        benchmark::DoNotOptimize(fluids.intSide.Rho);
        t = t < 170 ? t + 0.7 : 1;
    }
}
BENCHMARK(bulkPropertiesOfWater);

} // namespace
