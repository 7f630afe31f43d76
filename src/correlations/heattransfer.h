#pragma once

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
 * - Gz < 2: 3.66 (fully developed laminar flow, constant wall temperature), no correction;
 * - Re < 2300: Sieder and Tate (1936) laminar entry, 1.86 Gz^(1/3) phi;
 * - Re > 10000: Sieder and Tate (1936) turbulent, 0.027 Re^0.8 Pr^(1/3) phi;
 * - in between: linear blend of the two in Re, continuous at both ends.
 */
double nusseltNumber(double Re, double Pr, double Gz, double muBulk, double muWall);

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
