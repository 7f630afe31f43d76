#include "analysis/details.h"

#include <algorithm>
#include <cmath>

#include "analysis/effectiveness.h"
#include "correlations/dtml.h"
#include "correlations/friction.h"
#include "platform/calcerror.h"

namespace vorlan {

namespace {

void setBulk(SideDetails& d, const FluidSide& side, double tm)
{
    d.tm = tm;
    d.rho = side.Rho;
    d.cp = side.Cp;
    d.k = side.K;
    d.mu = side.Mu;
    d.tableMin = element(side.Tab.T, 0);
    d.tableMax = element(side.Tab.T, side.Tab.lastRow());
}

void setFlow(SideDetails& d, double Re, double Pr, double Gz, float v, float diameter)
{
    d.Re = Re;
    d.Pr = Pr;
    d.Gz = Gz;
    d.velocity = v;
    d.diameter = diameter;
    d.regime = flowRegime(Re);
    d.branch = nusseltBranch(Re, Gz);
}

void setHydraulics(SideDetails& d, double roughness, float diameter, float L)
{
    d.frictionFactor = frictionFactor(roughness, diameter, d.Re);
    d.pressureDrop = darcyPressureDrop(d.frictionFactor, diameter, L, d.rho, d.velocity);
}

/** Heat-capacity rate [kW/K]: flow times the enthalpy change over the temperature change, or times cp when they are
 * equal. */
double capacityRate(float flow, double tIn, double tOut, double hIn, double hOut, double cp)
{
    if (tIn == tOut)
        return checked(flow * cp);
    return checked(flow * (hIn - hOut) / (tIn - tOut));
}

} // namespace

FlowRegime flowRegime(double Re)
{
    if (Re < 2300)
        return FlowRegime::Laminar;
    return Re > 10000 ? FlowRegime::Turbulent : FlowRegime::Transition;
}

FilmDetails filmDetails(const SolvedCase& solved, FluidTables& fluids)
{
    const CaseState& s = solved.state;
    fluids.propint(solved.tmi);
    fluids.propest(solved.tme);
    FilmDetails d;
    setBulk(d.internal, fluids.intSide, solved.tmi);
    setBulk(d.external, fluids.estSide, solved.tme);

    const FilmGroups g = filmGroups(s, fluids, s.diti, s.dhe, s.L);
    const FilmCoefficients f = filmCoefficients(fluids, g, s.diti, s.deti, s.dhe, solved.tmi, solved.tme);
    setFlow(d.internal, g.reInt, g.prInt, g.gzInt, g.vInt, s.diti);
    setFlow(d.external, g.reEst, g.prEst, g.gzEst, g.vEst, s.dhe);
    d.internal.Nu = f.nuInt;
    d.internal.h = f.hInt;
    d.internal.hOutside = f.hIntOutside;
    d.external.Nu = f.nuEst;
    d.external.h = f.hEst;
    d.external.hOutside = f.hEst;
    d.internal.wallTemperature = d.external.wallTemperature = f.wallTemperature;
    d.internal.viscosityRatio = checked(d.internal.mu / f.muWallInt);
    d.external.viscosityRatio = checked(d.external.mu / f.muWallEst);
    setHydraulics(d.internal, s.wallRough, s.diti, s.L);
    setHydraulics(d.external, s.wallRough, s.dhe, s.L);

    Resistances& r = d.resistances;
    r.internalFilm = checked(1 / f.hIntOutside);
    r.wall = wallResistance(s.diti, s.deti, s.wallK);
    r.externalFilm = checked(1 / f.hEst);
    r.internalFouling = s.intSporc;
    r.externalFouling = s.estSporc;
    r.cleanU = checked(1 / (r.internalFilm + r.wall + r.externalFilm));
    r.U = checked(1 / r.total());
    return d;
}

EffectivenessCheck effectivenessCheck(const SolvedCase& solved, FluidTables& fluids)
{
    const ResultRecord& r = solved.record;
    EffectivenessCheck e;
    fluids.propint(solved.tmi);
    fluids.propest(solved.tme);
    e.cInt = capacityRate(
        r.intPort, r.intTin, r.intTout, fluids.propHint(r.intTin), fluids.propHint(r.intTout), fluids.intSide.Cp);
    e.cEst = capacityRate(
        r.estPort, r.estTin, r.estTout, fluids.propHest(r.estTin), fluids.propHest(r.estTout), fluids.estSide.Cp);
    e.cMin = std::min(e.cInt, e.cEst);
    e.cMax = std::max(e.cInt, e.cEst);
    if (!(e.cMin > 0))
        throw CalcError("a heat-capacity rate is zero");
    e.cr = e.cMin / e.cMax;
    e.ntu = checked(double(r.U) * r.A / 1000 / e.cMin);
    e.effectiveness = effectiveness(e.ntu, e.cr, solved.counterCurrent());
    const bool internalHot = solved.internalHot();
    const double hotIn = internalHot ? r.intTin : r.estTin;
    const double coldIn = internalHot ? r.estTin : r.intTin;
    e.dutyNtu = checked(e.effectiveness * e.cMin * std::fabs(hotIn - coldIn));
    e.dutySolved = r.q;
    e.lmtd = sidesDTML(r.intTin, r.intTout, r.estTin, r.estTout, r.configuration);
    return e;
}

} // namespace vorlan
