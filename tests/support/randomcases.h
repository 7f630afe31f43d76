#pragma once

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "calc/casecontents.h"
#include "platform/numbertext.h"
#include "properties/fluidtables.h"

namespace vorlan::test {

/** One pressure block of a shipped fluid: its pressure text and temperature range [degC]. */
struct Block {
    std::string fluid;
    std::string pressure;
    double lowest;
    double highest;
};

/** Every pressure block of every fluid table in the data folder. */
inline std::vector<Block> shippedBlocks(const std::string& dataFolder)
{
    std::vector<Block> blocks;
    FluidTables tables(dataFolder);
    for (const auto& entry : std::filesystem::directory_iterator(dataFolder)) {
        const std::string name = entry.path().stem().string();
        if (entry.path().extension() != ".dat" || name == "condmat" || name == "User defined")
            continue;
        tables.dbpropint(name);
        std::map<float, std::pair<double, double>> ranges;
        const FluidTable& t = tables.intSide.Tab;
        for (std::size_t i = 0; i < t.T.size(); ++i) {
            auto [it, added] = ranges.try_emplace(t.P[i], t.T[i], t.T[i]);
            it->second = {std::min(it->second.first, t.T[i]), std::max(it->second.second, t.T[i])};
        }
        for (const auto& [p, range] : ranges)
            blocks.push_back({name, numberToText(p), range.first, range.second});
    }
    std::sort(blocks.begin(), blocks.end(),
        [](const Block& a, const Block& b) { return a.fluid + a.pressure < b.fluid + b.pressure; });
    return blocks;
}

/** A random case of the kind an engineer types: both fluids, one of the six modes, both configurations. */
struct RandomCase {
    CaseContents contents;
    Block inner;
    Block outer;
};

/** Random realistic cases from a fixed seed: the same sequence on every run. */
class RandomCases {
public:
    RandomCases(const std::string& dataFolder, unsigned seed)
        : m_blocks(shippedBlocks(dataFolder))
        , m_random(seed)
    { }

    RandomCase next()
    {
        RandomCase c {{}, m_blocks[pick(m_blocks.size())], m_blocks[pick(m_blocks.size())]};
        const double innerInlet = uniform(c.inner.lowest, c.inner.highest - 1);
        const double outerInlet = uniform(c.outer.lowest, c.outer.highest - 1);
        const double spread = std::fabs(innerInlet - outerInlet);
        const double sign = innerInlet > outerInlet ? 1 : -1;
        const double outside = uniform(10, 60);
        const std::vector<std::pair<Quantity, std::string>> texts {{Quantity::InternalOutsideDiameter, text(outside)},
            {Quantity::InternalThickness, text(uniform(0.5, 3))},
            {Quantity::ExternalOutsideDiameter, text(outside * uniform(1.4, 2.5))},
            {Quantity::ExternalThickness, text(uniform(1, 4))},
            {Quantity::Material, pick(2) == 0 ? "Carbon steel" : "Copper"}, {Quantity::InternalFluid, c.inner.fluid},
            {Quantity::ExternalFluid, c.outer.fluid}, {Quantity::InternalPressure, c.inner.pressure},
            {Quantity::ExternalPressure, c.outer.pressure}, {Quantity::InternalInletTemperature, text(innerInlet)},
            {Quantity::ExternalInletTemperature, text(outerInlet)},
            {Quantity::InternalOutletTemperature, text(innerInlet - sign * uniform(0.1, 0.9) * spread)},
            {Quantity::ExternalOutletTemperature, text(outerInlet + sign * uniform(0.1, 0.9) * spread)},
            {Quantity::InternalMassFlow, text(uniform(0.02, 2))}, {Quantity::ExternalMassFlow, text(uniform(0.02, 2))},
            {Quantity::Length, text(uniform(1, 40))}, {Quantity::Capacity, text(uniform(1, 80))},
            {Quantity::InternalFouling, pick(2) == 0 ? "0" : "0,0001"},
            {Quantity::ExternalFouling, pick(2) == 0 ? "0" : "0,0002"}};
        for (const auto& [box, value] : texts)
            c.contents.setText(box, value);
        const std::size_t flowMode = pick(3);
        c.contents.counterCurrent = pick(2) == 0;
        c.contents.internalOutletGiven = flowMode == 0;
        c.contents.externalOutletGiven = flowMode == 1;
        c.contents.lengthGiven = pick(2) == 0;
        return c;
    }

private:
    double uniform(double low, double high) { return std::uniform_real_distribution<>(low, high)(m_random); }
    std::size_t pick(std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(m_random); }
    static std::string text(double value) { return numberToText(roundHalfEven(value, 3)); }

    std::vector<Block> m_blocks;
    std::mt19937 m_random;
};

} // namespace vorlan::test
