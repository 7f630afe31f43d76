#pragma once

#include "analysis/details.h"
#include "calc/resultrecord.h"

namespace vorlan {

/** The leg length of a hairpin when none is given [m]. */
inline constexpr double kDefaultLegLength = 6.0;

/**
 * Loss coefficient of a 180° return bend, flanged, r/D = 1, by Darby's 3-K method:
 * K = K1/Re + Ki (1 + Kd / D^0.3), D in inches (Darby's is the nominal size; given here the
 * inside diameter of the pipe or the hydraulic diameter of the annulus), with K1 = 1000, Ki = 0.12,
 * Kd = 4.0 (R. Darby, "Correlate pressure drops through fittings", Chemical Engineering 108
 * (2001) 127-130, and Chemical Engineering Fluid Mechanics, 2nd ed., 2001; the same constants
 * in the `fluids` library's Darby table). Valid for all Re, D about 0.5 to 24 in.
 */
double returnBendK(double Re, double diameterInches);

/** The return bends of one side: how many, the K of each, and their pressure drop together [kPa]. */
struct ReturnBends {
    long count = 0;
    double K = 0;
    double pressureDrop = 0;
};

/**
 * count return bends of one side at its bulk density and velocity: K by returnBendK at the side's
 * Reynolds number and diameter, and count K rho v²/2 [kPa]. Throws CalcError for a value that is
 * not finite.
 */
ReturnBends returnBends(long count, const SideDetails& side);

/**
 * The solved length laid out as hairpins: two straight legs joined by a return bend, rounded up
 * to a whole hairpin. The fouling the installed surface allows is Kern's design margin
 * (Process Heat Transfer, 1950, ch. 6): with U_D = U A / A_installed, R_d = 1/U_D - 1/U_C, the
 * total fouling on the outside surface [(m² K)/W] that the excess surface would carry at the
 * same duty and LMTD.
 */
struct HairpinLayout {
    double legLength = 0; ///< [m]
    long hairpins = 0;
    double installedLength = 0; ///< [m]
    double installedSurface = 0; ///< [m²]
    double excess = 0; ///< installed over required surface [%]
    double designU = 0; ///< U the installed surface needs [W/(m² K)]
    double allowedFouling = 0; ///< [(m² K)/W]
    ReturnBends internal; ///< one bend of the internal pipe per hairpin
    ReturnBends external; ///< one return of the annulus per hairpin, on its hydraulic diameter
};

/**
 * Lays the solved case out in hairpins of the given leg [m]; the bends' pressure drop is
 * K rho v²/2 per bend at each side's bulk density and velocity. Throws CalcError when the leg is
 * not a positive length or a value is not finite.
 */
HairpinLayout hairpinLayout(const ResultRecord& record, const FilmDetails& details, double legLength);

} // namespace vorlan
