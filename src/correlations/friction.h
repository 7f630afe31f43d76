#pragma once

namespace vorlan {

/**
 * Darcy friction factor: 64 / Re below Re = 2300, otherwise the Colebrook (1939) equation
 * 1/sqrt(f) = -2 log10(eps / (3.71 D) + 2.51 / (Re sqrt(f))) by fixed-point iteration from 0.1
 * until two iterates differ by at most 1e-14. eps and D [m].
 */
double frictionFactor(double eps, float D, double Re);

/** Darcy-Weisbach pressure drop [kPa] f (L / D) rho v^2 / 2 / 1000; D, L [m], rho [kg/m^3], v [m/s]. */
double darcyPressureDrop(double f, float D, float L, double rho, float v);

/** Frictional pressure drop [kPa] of a stream over the length L [m] of a pipe of roughness eps and diameter D [m]. */
double PerditaCarico(double eps, float D, float L, double Re, double rho, float v);

} // namespace vorlan
