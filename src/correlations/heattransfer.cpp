#include "correlations/heattransfer.h"

#include <cmath>

#include "platform/calcerror.h"

namespace vorlan {

double Prandtl(double cp, double k, double mu) { return checked(cp * 1000 * mu / k); }

double Reynolds(double rho, float v, float d, double mu) { return checked(v * rho * d / mu); }

float Velocita(float m, float area, double rho) { return toSingle(checked(checked(m / area) / rho)); }

NusseltBranch nusseltBranch(double Re, double Gz)
{
    if (Re < 2300)
        return Gz < 2 ? NusseltBranch::FullyDeveloped : NusseltBranch::LaminarEntry;
    if (Re > 10000)
        return NusseltBranch::Turbulent;
    return NusseltBranch::Transition;
}

double nusseltNumber(double Re, double Pr, double Gz, double muBulk, double muWall)
{
    const NusseltBranch branch = nusseltBranch(Re, Gz);
    if (branch == NusseltBranch::FullyDeveloped)
        return 3.66;
    const double phi = checked(std::pow(checked(muBulk / muWall), 0.14));
    // The laminar end of the transition band is the laminar value at this Gz: 3.66 past the entry length.
    const double laminar = Gz < 2 ? 3.66 : checked(1.86 * std::pow(Gz, 1.0 / 3) * phi);
    if (branch == NusseltBranch::LaminarEntry)
        return laminar;
    const double turbulent = checked(0.027 * std::pow(Re, 0.8) * std::pow(Pr, 1.0 / 3) * phi);
    if (branch == NusseltBranch::Turbulent)
        return turbulent;
    return checked(laminar + (Re - 2300) / 7700 * (turbulent - laminar));
}

FilmGroups filmGroups(const CaseState& state, const FluidSide& in, const FluidSide& es, float diti, float dhe, float L)
{
    FilmGroups g;
    g.prInt = Prandtl(in.Cp, in.K, in.Mu);
    g.prEst = Prandtl(es.Cp, es.K, es.Mu);
    g.vInt = Velocita(state.intPort, state.intArea, in.Rho);
    g.vEst = Velocita(state.estPort, state.estArea, es.Rho);
    g.reInt = Reynolds(in.Rho, g.vInt, diti, in.Mu);
    g.reEst = Reynolds(es.Rho, g.vEst, dhe, es.Mu);
    g.gzInt = checked(g.reInt * g.prInt * diti / L);
    g.gzEst = checked(g.reEst * g.prEst * dhe / L);
    return g;
}

FilmCoefficients filmCoefficients(
    FluidTables& fluids, const FilmGroups& g, float diti, float deti, float dhe, double tmi, double tme)
{
    const auto wallMu = [&fluids](bool internalSide, double tp) {
        return internalSide ? fluids.propviscpari(tp) : fluids.propviscpare(tp);
    };
    return filmCoefficients(fluids.intSide, fluids.estSide, wallMu, g, diti, deti, dhe, tmi, tme);
}

float wallResistance(float diti, float deti, float wallK)
{
    const float wall = checked((deti - diti) / 2);
    return wall / wallK * deti / diti;
}

double overallCoefficient(const CaseState& state, const FilmCoefficients& f, float diti, float deti)
{
    const double resistance = checked(
        wallResistance(diti, deti, state.wallK) + 1 / f.hIntOutside + 1 / f.hEst + state.intSporc + state.estSporc);
    return checked(1 / resistance);
}

double Coeffscambio(
    const CaseState& state, FluidTables& fluids, float diti, float deti, float dhe, float L, double tmi, double tme)
{
    const FilmGroups groups = filmGroups(state, fluids, diti, dhe, L);
    return overallCoefficient(state, filmCoefficients(fluids, groups, diti, deti, dhe, tmi, tme), diti, deti);
}

} // namespace vorlan
