#pragma once

#include <vector>

#include "analysis/details.h"

namespace vorlan {

/** Temperatures at one position along the exchanger [m from the internal fluid's inlet, degC]. */
struct ProfilePoint {
    double x = 0;
    double tHot = 0;
    double tCold = 0;
    double tWall = 0;
    double duty = 0; ///< heat given off by the hot stream between its inlet and this point [kW]
};

/** The marched exchanger and how far its ends land from the solved temperatures [K]. */
struct Profile {
    std::vector<ProfilePoint> points; ///< in rising x
    double hotOutletMiss = 0; ///< marched minus solved hot outlet
    double coldEndMiss = 0; ///< marched minus solved cold temperature at the end reached last
    double duty = 0; ///< marched duty [kW]
};

/**
 * Marches the solved exchanger from the hot stream's inlet in the given number of segments, with
 * dQ = U dA (T_hot - T_cold) / 1000 [kW] on each stream's enthalpy (second-order steps: Heun's
 * first, Adams-Bashforth's two-step rule after it from 50 segments on, Heun's throughout below)
 * and temperatures from the tables.
 * Counter-current starts from the hot inlet with the solved cold outlet, co-current from both
 * inlets. The wall temperature is
 * (h_i T_int + h_e T_est) / (h_i + h_e) with the details' film coefficients. Throws CalcError.
 */
Profile marchProfile(const SolvedCase& solved, const FilmDetails& details, FluidTables& fluids, int segments);

} // namespace vorlan
