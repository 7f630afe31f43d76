#include "correlations/heattransfer.h"

#include <cmath>

#include "platform/calcerror.h"

namespace vorlan {

double Prandtl(double cp, double k, double mu) { return checked(cp * 1000 * mu / k); }

double Reynolds(double rho, float v, float d, double mu) { return checked(v * rho * d / mu); }

float Velocita(float m, float area, double rho) { return toSingle(checked(checked(m / area) / rho)); }

double nusseltNumber(double Re, double Pr, double Gz, double muBulk, double muWall)
{
    if (Gz < 2)
        return 3.66;
    const double phi = checked(std::pow(checked(muBulk / muWall), 0.14));
    const double laminar = checked(1.86 * std::pow(Gz, 1.0 / 3) * phi);
    if (Re < 2300)
        return laminar;
    const double turbulent = checked(0.027 * std::pow(Re, 0.8) * std::pow(Pr, 1.0 / 3) * phi);
    if (Re > 10000)
        return turbulent;
    return checked(laminar + (Re - 2300) / 7700 * (turbulent - laminar));
}

double Coeffscambio(
    const CaseState& state, FluidTables& fluids, float diti, float deti, float dhe, float L, double tmi, double tme)
{
    const FluidSide& in = fluids.intSide;
    const FluidSide& es = fluids.estSide;
    const double prInt = Prandtl(in.Cp, in.K, in.Mu);
    const double prEst = Prandtl(es.Cp, es.K, es.Mu);
    const float vInt = Velocita(state.intPort, state.intArea, in.Rho);
    const float vEst = Velocita(state.estPort, state.estArea, es.Rho);
    const double reInt = Reynolds(in.Rho, vInt, diti, in.Mu);
    const double reEst = Reynolds(es.Rho, vEst, dhe, es.Mu);
    const float wall = checked((deti - diti) / 2);
    const double gzInt = checked(reInt * prInt * diti / L);
    const double gzEst = checked(reEst * prEst * dhe / L);

    double muWallInt = in.Mu;
    double muWallEst = es.Mu;
    double hInt = 0;
    double hIntOutside = 0;
    double hEst = 0;
    for (int pass = 0; pass <= 5; ++pass) {
        hInt = checked(nusseltNumber(reInt, prInt, gzInt, in.Mu, muWallInt) / diti * in.K);
        hIntOutside = checked(diti * hInt / deti); // referred to the outside surface
        hEst = checked(nusseltNumber(reEst, prEst, gzEst, es.Mu, muWallEst) / dhe * es.K);
        // The wall temperature ignores the wall and fouling resistances.
        const double wallTemperature = checked((hInt * tmi + hEst * tme) / (hInt + hEst));
        muWallInt = fluids.propviscpari(wallTemperature);
        muWallEst = fluids.propviscpare(wallTemperature);
    }
    const double resistance
        = checked(wall / state.wallK * deti / diti + 1 / hIntOutside + 1 / hEst + state.intSporc + state.estSporc);
    return checked(1 / resistance);
}

} // namespace vorlan
