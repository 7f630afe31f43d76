#pragma once

#include "platform/calcerror.h"
#include "properties/casestate.h"
#include "properties/fluidtables.h"

namespace vorlan {

/** Prandtl number cp * 1000 * mu / k; cp [kJ/(kg K)], k [W/(m K)], mu [Pa s]. */
double Prandtl(double cp, double k, double mu);

/** Reynolds number v * rho * d / mu; rho [kg/m^3], v [m/s], d [m], mu [Pa s]. */
double Reynolds(double rho, float v, float d, double mu);

/** Mean velocity [m/s] m / area / rho, in single precision; m [kg/s], area [m^2], rho [kg/m^3]. */
float Velocita(float m, float area, double rho);

/**
 * Nusselt number of one side from its Reynolds and Prandtl numbers and its entry-length group
 * Gz = Re Pr d / L, with the viscosity correction phi = (muBulk / muWall)^0.14:
 * - Re < 2300 and Gz < 2: 3.66 (fully developed laminar flow, constant wall temperature), no correction;
 * - Re < 2300: Sieder and Tate (1936) laminar entry, 1.86 Gz^(1/3) phi;
 * - Re > 10000: Sieder and Tate (1936) turbulent, 0.027 Re^0.8 Pr^(1/3) phi, whatever Gz;
 * - in between: linear blend in Re from the laminar value at this Gz (3.66 when Gz < 2) to the
 *   turbulent one, continuous at both ends.
 * The 3.66 limit describes laminar flow only: a turbulent stream is developed after some ten
 * diameters, and its coefficient does not fall to the laminar value in a long pipe (Kern, Process
 * Heat Transfer, ch. 6; VDI Heat Atlas G1).
 */
double nusseltNumber(double Re, double Pr, double Gz, double muBulk, double muWall);

/** The rule of nusseltNumber that applies at a Reynolds number Re and an entry-length group Gz. */
enum class NusseltBranch { FullyDeveloped, LaminarEntry, Transition, Turbulent };
NusseltBranch nusseltBranch(double Re, double Gz);

/** The dimensionless groups of both sides, from their bulk properties; fixed over the passes. */
struct FilmGroups {
    double prInt = 0, prEst = 0; ///< Prandtl numbers
    float vInt = 0, vEst = 0; ///< mean velocities [m/s]
    double reInt = 0, reEst = 0; ///< Reynolds numbers on diti and dhe
    double gzInt = 0, gzEst = 0; ///< entry-length groups Re Pr d / L
};

/** Pr, v, Re and Gz of both sides at the bulk properties of in and es and the state's flows; lengths [m]. */
FilmGroups filmGroups(const CaseState& state, const FluidSide& in, const FluidSide& es, float diti, float dhe, float L);
/** The same at the bulk properties the caller set in the tables. */
inline FilmGroups filmGroups(const CaseState& state, const FluidTables& fluids, float diti, float dhe, float L)
{
    return filmGroups(state, fluids.intSide, fluids.estSide, diti, dhe, L);
}

/** The film coefficients of the sixth wall-temperature pass and the wall state they were computed with. */
struct FilmCoefficients {
    double nuInt = 0, nuEst = 0; ///< Nusselt numbers
    double hInt = 0; ///< inside film coefficient on the inside surface [W/(m^2 K)]
    double hIntOutside = 0; ///< the same referred to the outside surface of the internal pipe [W/(m^2 K)]
    double hEst = 0; ///< annulus film coefficient [W/(m^2 K)]
    double wallTemperature = 0; ///< [degC] at which the wall viscosities below were taken
    double muWallInt = 0, muWallEst = 0; ///< wall viscosities [Pa s] in the last Nusselt numbers
};

/**
 * Six passes of film coefficients and wall temperature (h_i tmi + h_e tme) / (h_i + h_e) [degC],
 * each pass taking both wall viscosities at the wall temperature of the pass before (the bulk
 * viscosities of in and es in the first). wallMu(internalSide, tp) gives a side's viscosity
 * [Pa s] at the wall temperature tp [degC]. Diameters [m].
 */
template <typename WallViscosity>
FilmCoefficients filmCoefficients(const FluidSide& in, const FluidSide& es, WallViscosity wallMu, const FilmGroups& g,
    float diti, float deti, float dhe, double tmi, double tme)
{
    FilmCoefficients f;
    double muWallInt = in.Mu;
    double muWallEst = es.Mu;
    double wallTemperature = 0;
    for (int pass = 0; pass <= 5; ++pass) {
        f.muWallInt = muWallInt;
        f.muWallEst = muWallEst;
        f.wallTemperature = wallTemperature;
        f.nuInt = nusseltNumber(g.reInt, g.prInt, g.gzInt, in.Mu, muWallInt);
        f.hInt = checked(f.nuInt / diti * in.K);
        f.hIntOutside = checked(diti * f.hInt / deti); // referred to the outside surface
        f.nuEst = nusseltNumber(g.reEst, g.prEst, g.gzEst, es.Mu, muWallEst);
        f.hEst = checked(f.nuEst / dhe * es.K);
        // The wall temperature ignores the wall and fouling resistances.
        wallTemperature = checked((f.hInt * tmi + f.hEst * tme) / (f.hInt + f.hEst));
        muWallInt = wallMu(true, wallTemperature);
        muWallEst = wallMu(false, wallTemperature);
    }
    return f;
}

/** The same with the wall viscosities of the tables' lookups, at the bulk properties the caller set in them. */
FilmCoefficients filmCoefficients(
    FluidTables& fluids, const FilmGroups& groups, float diti, float deti, float dhe, double tmi, double tme);

/** Conduction resistance of the internal pipe wall, s / wallK * deti / diti [(m^2 K)/W], in single precision. */
float wallResistance(float diti, float deti, float wallK);

/** U [W/(m^2 K)] from the film coefficients, the wall and both fouling factors of the state. */
double overallCoefficient(const CaseState& state, const FilmCoefficients& f, float diti, float deti);

/**
 * Overall heat-transfer coefficient U [W/(m^2 K)] referred to the outside surface of the internal
 * pipe: film coefficients inside the pipe (diameter diti) and in the annulus (hydraulic diameter
 * dhe), the wall as s / wallK * deti / diti, and both fouling factors. Each side's properties are
 * the bulk values the caller set at tmi and tme [degC]; the wall viscosities come from a wall
 * temperature refined over six passes. Lengths in metres. Arithmetic faults throw CalcError.
 */
double Coeffscambio(
    const CaseState& state, FluidTables& fluids, float diti, float deti, float dhe, float L, double tmi, double tme);

} // namespace vorlan
