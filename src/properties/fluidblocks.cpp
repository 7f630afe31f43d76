#include "properties/fluidblocks.h"

#include <cmath>

namespace vorlan {

namespace {

constexpr std::string_view kLiquid = " liquid";
constexpr std::string_view kVapour = " s.h. vapor";
/** Densities from here up are a liquid's [kg/m^3]. */
constexpr double kLiquidDensity = 100;

} // namespace

std::vector<FluidBlock> fluidBlocks(const FluidTable& table)
{
    std::vector<FluidBlock> blocks;
    std::size_t first = 0;
    for (std::size_t i = 1; i <= table.P.size(); ++i) {
        if (i < table.P.size() && table.P[i] == table.P[first])
            continue;
        double step = i - first > 1 ? table.T[first + 1] - table.T[first] : 0;
        for (std::size_t row = first + 1; row < i; ++row)
            if (std::abs(table.T[row] - table.T[row - 1] - step) > 1e-9 * std::abs(step))
                step = 0;
        blocks.push_back({table.P[first], table.T[first], table.T[i - 1], step, i - first});
        first = i;
    }
    return blocks;
}

std::string tablePhase(const FluidTable& table)
{
    if (table.Rho.empty())
        return {};
    return table.Rho.front() >= kLiquidDensity ? "liquid" : "gas or superheated vapour";
}

std::string companionTable(std::string_view fluid)
{
    const auto swapEnd = [fluid](std::string_view from, std::string_view to) -> std::string {
        if (fluid.size() <= from.size() || !fluid.ends_with(from))
            return {};
        return std::string(fluid.substr(0, fluid.size() - from.size())) + std::string(to);
    };
    if (std::string other = swapEnd(kLiquid, kVapour); !other.empty())
        return other;
    return swapEnd(kVapour, kLiquid);
}

} // namespace vorlan
