#pragma once

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "calc/casesnapshot.h"
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
    CaseSnapshot snapshot;
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
        const std::vector<std::pair<Box, std::string>> texts {{Box::Text1, text(outside)},
            {Box::Text2, text(uniform(0.5, 3))}, {Box::Text4, text(outside * uniform(1.4, 2.5))},
            {Box::Text5, text(uniform(1, 4))}, {Box::Combo3, pick(2) == 0 ? "Carbon steel" : "Copper"},
            {Box::Combo1, c.inner.fluid}, {Box::Combo2, c.outer.fluid}, {Box::Combo4, c.inner.pressure},
            {Box::Combo5, c.outer.pressure}, {Box::Text6, text(innerInlet)}, {Box::Text9, text(outerInlet)},
            {Box::Text7, text(innerInlet - sign * uniform(0.1, 0.9) * spread)},
            {Box::Text10, text(outerInlet + sign * uniform(0.1, 0.9) * spread)}, {Box::Text8, text(uniform(0.02, 2))},
            {Box::Text11, text(uniform(0.02, 2))}, {Box::Text12, text(uniform(1, 40))},
            {Box::Text3, text(uniform(1, 80))}, {Box::Form2Text1, pick(2) == 0 ? "0" : "0,0001"},
            {Box::Form2Text2, pick(2) == 0 ? "0" : "0,0002"}};
        for (const auto& [box, value] : texts)
            c.snapshot.setText(box, value);
        const std::size_t flowMode = pick(3);
        c.snapshot.setSelected(pick(2) == 0 ? Option::Option1 : Option::Option2);
        c.snapshot.setSelected(flowMode == 0 ? Option::Option3 : Option::Option4);
        c.snapshot.setSelected(flowMode == 1 ? Option::Option7 : Option::Option8);
        c.snapshot.setSelected(pick(2) == 0 ? Option::Option5 : Option::Option6);
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
