#pragma once

#include <string_view>
#include <vector>

namespace vorlan {

/** Fluids of the library that belong together, under the heading the fluid lists show them with. */
struct FluidGroup {
    std::string_view heading;
    std::vector<std::string_view> fluids; ///< each also the stem of its data file
};

/**
 * The fluid library beside the sixteen fluids of the lists: refrigerants, hydrocarbons and
 * solvents, gases and steam, heat-transfer oils and aqueous solutions, in the order the lists
 * show them after the sixteen.
 */
const std::vector<FluidGroup>& fluidLibrary();

/** The heading of the library group that holds the fluid; empty for a fluid outside the library. */
std::string_view libraryGroupOf(std::string_view fluid);

} // namespace vorlan
