#pragma once

#include "analysis/details.h"

namespace vorlan {

/** U once more with Gnielinski's rules at the same properties, geometry, wall and fouling. */
struct CrossCheck {
    double nuInt = 0, nuEst = 0;
    double hInt = 0, hEst = 0; ///< film coefficients on their own surfaces [W/(m^2 K)]
    double U = 0; ///< [W/(m^2 K)]
    double uSiederTate = 0; ///< U of the program's own rules at the same state [W/(m^2 K)]
    double spread = 0; ///< (U / uSiederTate - 1) * 100 [%]
};

/** Gnielinski's U beside the details' U; throws CalcError. */
CrossCheck crossCheck(const SolvedCase& solved, const FilmDetails& details);

} // namespace vorlan
