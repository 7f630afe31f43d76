#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "properties/fluidtable.h"

namespace vorlan {

/** One pressure's rows of a fluid table. */
struct FluidBlock {
    float pressure = 0; ///< [bar]
    double first = 0; ///< temperature of the first row [degC]
    double last = 0; ///< temperature of the last row [degC], the block's exclusive upper limit
    double step = 0; ///< temperature step between the rows [K]; 0 for a single row or uneven steps
    std::size_t rows = 0;
};

/** The table's blocks in file order: each run of rows with one pressure. */
std::vector<FluidBlock> fluidBlocks(const FluidTable& table);

/**
 * The phase a table holds, from its density: "liquid" from 100 kg/m^3 at the first row, else
 * "gas or superheated vapour" (the tables hold one phase only; at their pressures, which stay
 * below 0.7 of the critical one, no liquid is that light and no gas that dense).
 */
std::string tablePhase(const FluidTable& table);

/**
 * The other table of a fluid shipped as two, "<name> liquid" and "<name> s.h. vapor"; empty
 * for a fluid shipped as one table. Only names, whether that table exists is not checked.
 */
std::string companionTable(std::string_view fluid);

} // namespace vorlan
