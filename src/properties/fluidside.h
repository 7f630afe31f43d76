#pragma once

#include <string>

#include "properties/fluidtable.h"

namespace vorlan {

/**
 * One side of the exchanger ("int" or "est"): its fluid table and the bulk properties at the
 * temperature last given to bulkProperties(). Each lookup takes the text of the side's pressure
 * box and works on the segment of that pressure's block that holds its argument.
 */
struct FluidSide {
    FluidTable Tab;
    double Rho = 0; ///< density [kg/m^3]
    double Cp = 0; ///< specific heat [kJ/(kg K)]
    double K = 0; ///< thermal conductivity [W/(m K)]
    double Mu = 0; ///< dynamic viscosity [Pa s]

    /** Sets Rho, Cp, K and Mu at the bulk temperature tm [degC], extrapolating outside the block. */
    void bulkProperties(double tm, const std::string& pressureText);
    /** Viscosity [Pa s] at the wall temperature tp [degC], held to the first and last rows. */
    double wallViscosity(double tp, const std::string& pressureText);
    /** Specific enthalpy [kJ/kg] at the temperature tt [degC], extrapolating outside the block. */
    double enthalpy(double tt, const std::string& pressureText);
    /** Temperature [degC] at the specific enthalpy hh [kJ/kg]; the last row's enthalpy maps to the last segment. */
    double temperatureAt(double hh, const std::string& pressureText);
};

} // namespace vorlan
