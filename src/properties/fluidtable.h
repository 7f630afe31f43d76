#pragma once

#include <string>
#include <vector>

namespace vorlan {

/** Rows a fluid file may hold. */
inline constexpr int kMaxFluidRows = 451;

/**
 * One fluid's property table: seven parallel columns, one element per record of its data file,
 * in file order. The rows of one pressure form a block with rising temperature and enthalpy.
 */
struct FluidTable {
    std::vector<double> T; ///< temperature [degC]
    std::vector<float> P; ///< pressure of the row's block [bar]
    std::vector<double> Rho; ///< density [kg/m^3]
    std::vector<double> Cp; ///< specific heat at constant pressure [kJ/(kg K)]
    std::vector<double> K; ///< thermal conductivity [W/(m K)]
    std::vector<double> Mu; ///< dynamic viscosity [Pa s]
    std::vector<double> H; ///< specific enthalpy [kJ/kg]

    /** Index of the last row; -1 for an empty table. */
    int lastRow() const { return static_cast<int>(T.size()) - 1; }
    /** Empties every column, keeping their storage for the next load. */
    void clear();
};

/**
 * Loads the table from a fluid file of records T,p,rho,cp,k,mu,h. The previous contents are
 * discarded before the file is opened. A missing file, a value that is not a number, a record cut
 * short, a density, specific heat, conductivity or viscosity not greater than zero, more than 451
 * records or no record at all throw CalcError and leave the table empty.
 */
void loadFluidTable(FluidTable& table, const std::string& path);

} // namespace vorlan
