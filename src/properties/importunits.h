#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace vorlan {

/** The quantities of a fluid table's record, in the record's column order. */
enum class FluidQuantity { Temperature, Pressure, Density, SpecificHeat, Conductivity, Viscosity, Enthalpy };

inline constexpr int kQuantities = 7;

/** The quantity's name as the import speaks of it ("temperature", "specific heat", ...). */
std::string_view quantityName(FluidQuantity quantity);

/** A unit a table to import may give a quantity in: program's value = value * scale + offset. */
struct ImportUnit {
    std::string_view label; ///< as the windows show it: "°F", "kJ/(kg K)", "mPa s (cP)"
    std::string_view word; ///< as the command line takes it: "degF", "kJ/kg-K", "mPa-s"
    double scale;
    double offset;
};

/** The units of a quantity; the first is the program's own. */
const std::vector<ImportUnit>& importUnits(FluidQuantity quantity);

/** The index of the unit of a quantity named by its word or its label (or "cP"); -1 when none. */
int findImportUnit(FluidQuantity quantity, std::string_view name);

/** A value of the quantity in the given unit (index into importUnits), in the program's unit. */
double toProgramUnit(FluidQuantity quantity, int unit, double value);

} // namespace vorlan
