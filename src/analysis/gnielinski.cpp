#include "analysis/gnielinski.h"

#include <cmath>

#include "platform/calcerror.h"

namespace vorlan {

namespace {

constexpr double kLaminarLimit = 2300;
constexpr double kTurbulentLimit = 1e4;

/** (2 / (1 + 22 Pr))^(1/6) (Re Pr d/L)^(1/2): the hydrodynamic entry term of both laminar rules. */
double entryTerm(double Re, double Pr, double dOverL)
{
    return std::pow(2 / (1 + 22 * Pr), 1.0 / 6) * std::sqrt(Re * Pr * dOverL);
}

/** The turbulent form shared by tube and annulus, with the friction factor xi and the constant k1. */
double turbulentForm(double xi, double k1, double Re, double Pr, double dOverL)
{
    const double root = std::sqrt(xi / 8);
    return xi / 8 * Re * Pr / (k1 + 12.7 * root * (std::pow(Pr, 2.0 / 3) - 1)) * (1 + std::pow(dOverL, 2.0 / 3));
}

/** The blend between the laminar value at 2300 and the turbulent value at 10^4, or either rule. */
template <typename Laminar, typename Turbulent> double blended(double Re, Laminar laminar, Turbulent turbulent)
{
    if (Re < kLaminarLimit)
        return laminar(Re);
    if (Re >= kTurbulentLimit)
        return turbulent(Re);
    const double g = (Re - kLaminarLimit) / (kTurbulentLimit - kLaminarLimit);
    return (1 - g) * laminar(kLaminarLimit) + g * turbulent(kTurbulentLimit);
}

} // namespace

double konakovFriction(double Re) { return checked(std::pow(1.8 * std::log10(Re) - 1.5, -2)); }

double gnielinskiTubeLaminar(double Re, double Pr, double dOverL)
{
    const double graetz = 1.615 * std::cbrt(Re * Pr * dOverL) - 0.7;
    const double entry = entryTerm(Re, Pr, dOverL);
    return checked(std::cbrt(std::pow(3.66, 3) + std::pow(0.7, 3) + std::pow(graetz, 3) + std::pow(entry, 3)));
}

double gnielinskiTubeTurbulent(double Re, double Pr, double dOverL)
{
    return checked(turbulentForm(konakovFriction(Re), 1, Re, Pr, dOverL));
}

double gnielinskiAnnulusLaminar(double Re, double Pr, double dhOverL, double a)
{
    const double nu1 = 3.66 + 1.2 * std::pow(a, -0.8);
    const double nu2 = 1.615 * (1 + 0.14 * std::pow(a, -0.5)) * std::cbrt(Re * Pr * dhOverL);
    const double nu3 = entryTerm(Re, Pr, dhOverL);
    return checked(std::cbrt(std::pow(nu1, 3) + std::pow(nu2, 3) + std::pow(nu3, 3)));
}

double gnielinskiAnnulusTurbulent(double Re, double Pr, double dhOverL, double a)
{
    const double lnA = std::log(a);
    const double reStar = Re * ((1 + a * a) * lnA + (1 - a * a)) / (std::pow(1 - a, 2) * lnA);
    const double xi = konakovFriction(reStar);
    const double k1 = 1.07 + 900 / Re - 0.63 / (1 + 10 * Pr);
    const double fAnn = 0.75 * std::pow(a, -0.17);
    return checked(turbulentForm(xi, k1, Re, Pr, dhOverL) * fAnn);
}

double gnielinskiTube(double Re, double Pr, double dOverL)
{
    return blended(
        Re, [&](double re) { return gnielinskiTubeLaminar(re, Pr, dOverL); },
        [&](double re) { return gnielinskiTubeTurbulent(re, Pr, dOverL); });
}

double gnielinskiAnnulus(double Re, double Pr, double dhOverL, double a)
{
    return blended(
        Re, [&](double re) { return gnielinskiAnnulusLaminar(re, Pr, dhOverL, a); },
        [&](double re) { return gnielinskiAnnulusTurbulent(re, Pr, dhOverL, a); });
}

} // namespace vorlan
