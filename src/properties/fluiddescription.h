#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

/** One check the description reports, with what it found for the fluid. */
struct FluidCheck {
    std::string what; ///< how the check was made
    std::vector<std::string> findings; ///< one per row of the check's table that names the fluid
};

/**
 * What the data folder's description of the tables (README.md for the fifteen tables of the
 * lists, fluid-library.md for the library) says of one fluid. Empty parts where it says nothing.
 */
struct FluidDescription {
    std::string file; ///< the description's file name; empty when no description names the fluid
    std::string error; ///< why that file cannot be read; empty when it was read
    std::string origin; ///< the description's statement of where all its values come from
    std::string densityModel; ///< source of density, cp and enthalpy (the equation of state or the fit)
    std::string viscosityModel;
    std::string conductivityModel;
    std::vector<std::string> phaseLimits; ///< boiling, dew, freezing points at the block pressures
    std::vector<FluidCheck> checks;
    std::vector<std::string> uncertainties; ///< known uncertainties, substitutions and gaps
};

/** The description file of the data folder that describes the fluid; empty for a fluid of none. */
std::string descriptionFileOf(std::string_view fluid);

/**
 * What the description's Markdown says of the fluid of the given library group (empty for one of
 * the fifteen): the row of its sources table, the rows of its check tables, the bullets of its
 * phase limits and known uncertainties, and the titled paragraphs of its substitutions, each
 * found by the fluid's name as the description writes it ("R134a (both files)", "Therminol 66,
 * VP-1, D12", "Glycols, ..., CaCl2"). Inline Markdown marks are dropped.
 */
FluidDescription describeFluid(std::string_view markdown, std::string_view fluid, std::string_view group);

/**
 * The description of the fluid from the data folder's description file; only `file` and `error`
 * are set when that file cannot be read, nothing when no file describes the fluid.
 */
FluidDescription readFluidDescription(const std::string& dataFolder, std::string_view fluid);

} // namespace vorlan
