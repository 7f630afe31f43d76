#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vorlan {

/** The constant properties of the fluid "User defined". */
struct UserFluid {
    float density = 0; ///< [kg/m^3]
    float specificHeat = 0; ///< [kJ/(kg K)]
    float conductivity = 0; ///< [W/(m K)]
    double viscosity = 0; ///< dynamic viscosity [Pa s]
};

/**
 * The three records of the user fluid's table, as text: at -100, 0 and 300 degC and 1 bar, the
 * four properties and the enthalpy cp * t [kJ/kg] (single precision, zero at 0 degC). Singles are
 * written with 7 significant digits and the viscosity with 15, '.' as decimal separator. A
 * property not greater than zero throws CalcError whose message names it. writeDataFile writes
 * them as the fluid's file.
 */
std::vector<std::vector<std::string>> userFluidRecords(const UserFluid& fluid);

/**
 * The user fluid as its file at path defines it: the four properties of the first record, the
 * density, specific heat and conductivity rounded to single precision. None when there is no file
 * yet; a file that cannot be read throws CalcError.
 */
std::optional<UserFluid> readUserFluid(const std::string& path);

/** Whether the file at path holds exactly the records of fluid; false when it cannot be read. */
bool userFluidFileHolds(const std::string& path, const UserFluid& fluid);

} // namespace vorlan
