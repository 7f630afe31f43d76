#include "studies/designcost.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/calcerror.h"

namespace vorlan {

namespace {

// Purchased cost of a carbon-steel double-pipe exchanger at ambient pressure: Turton, Bailie, Whiting and
// Shaeiwitz, Analysis, Synthesis and Design of Chemical Processes, 3rd ed. (2009), Appendix A, eq. (A.1)
// with the "Double pipe" row of Table A.1,
//   log10 Cp0 = K1 + K2 log10 A + K3 (log10 A)²,   Cp0 [USD], A [m²] heat-transfer surface,
// fitted over 1 to 10 m² to manufacturers' prices of May to September 2001, so in dollars of CEPCI 397.
constexpr double kK1 = 3.3444;
constexpr double kK2 = 0.2745;
constexpr double kK3 = -0.0472;
constexpr double kMinSurface = 1; // [m²] smallest surface of the fit
constexpr double kMaxSurface = 10; // [m²] largest surface of the fit

/**
 * Cp0 of one exchanger [USD of 2001] of a surface up to kMaxSurface [m²]. Below the fit's range it is the
 * cost of the smallest exchanger the fit knows: a shorter pipe pair still needs its return bend, heads and
 * nozzles, so extrapolating the curve down would promise a saving that buying one does not give.
 */
double oneExchanger(double surface)
{
    const double x = std::log10(std::max(surface, kMinSurface));
    return std::pow(10.0, kK1 + kK2 * x + kK3 * x * x);
}

} // namespace

CostEstimate doublePipeCost(double surface)
{
    if (!(surface > 0) || !std::isfinite(surface))
        throw CalcError("the surface to cost is not a positive number of square metres");
    // Above the fit's range the surface is shared equally among the fewest exchangers within it.
    const double units = std::max(1.0, std::ceil(surface / kMaxSurface));
    if (!(units <= std::numeric_limits<int>::max()))
        throw CalcError("the surface to cost needs more exchangers than can be counted");
    return {units * oneExchanger(surface / units), static_cast<int>(units)};
}

std::string_view costBasis()
{
    return "Purchase cost, carbon steel, low pressure: Turton et al., Analysis, Synthesis and Design of Chemical "
           "Processes, 3rd ed. (2009), Table A.1, double pipe of 1 to 10 m² each; US dollars of 2001 (CEPCI 397); "
           "an estimate, ±30 % at best";
}

} // namespace vorlan
