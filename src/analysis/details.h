#pragma once

#include <string>

#include "analysis/solvedcase.h"
#include "correlations/heattransfer.h"
#include "properties/fluidtables.h"

namespace vorlan {

/** Flow regime by the Reynolds number: laminar below 2300, transition to 10^4, turbulent above. */
enum class FlowRegime { Laminar, Transition, Turbulent };

/** What the film-coefficient and pressure-drop rules give for one side at its final bulk temperature. */
struct SideDetails {
    double tm = 0; ///< bulk temperature [degC]
    double rho = 0, cp = 0, k = 0, mu = 0; ///< bulk properties [kg/m^3, kJ/(kg K), W/(m K), Pa s]
    double Re = 0, Pr = 0, Gz = 0;
    float velocity = 0; ///< [m/s]
    double diameter = 0; ///< tube diameter or annulus hydraulic diameter [m]
    FlowRegime regime = FlowRegime::Laminar;
    NusseltBranch branch = NusseltBranch::FullyDeveloped;
    double Nu = 0;
    double h = 0; ///< film coefficient on its own surface [W/(m^2 K)]
    double hOutside = 0; ///< referred to the outside surface of the internal pipe [W/(m^2 K)]
    double wallTemperature = 0; ///< of the last wall-viscosity pass [degC]
    double viscosityRatio = 0; ///< bulk over wall viscosity
    double frictionFactor = 0; ///< Darcy
    double pressureDrop = 0; ///< [kPa]
    double tableMin = 0, tableMax = 0; ///< temperature range of the side's pressure block [degC]
};

/** The parts of 1/U on the outside surface [(m^2 K)/W] and the coefficients they give [W/(m^2 K)]. */
struct Resistances {
    double internalFilm = 0, wall = 0, externalFilm = 0, internalFouling = 0, externalFouling = 0;
    double total() const { return internalFilm + wall + externalFilm + internalFouling + externalFouling; }
    double cleanU = 0; ///< without fouling
    double U = 0; ///< with fouling
};

/** Both sides' details and the resistances of the solved case. */
struct FilmDetails {
    SideDetails internal;
    SideDetails external;
    Resistances resistances;
};

/** Recomputes both sides at the case's final bulk temperatures on the given tables; throws CalcError. */
FilmDetails filmDetails(const SolvedCase& solved, FluidTables& fluids);

/** The regime of a Reynolds number. */
FlowRegime flowRegime(double Re);

/** The effectiveness-NTU view of the solved case, beside its own duty. */
struct EffectivenessCheck {
    double lmtd = 0; ///< [K]
    double cInt = 0,
           cEst = 0; ///< heat-capacity rates, flow times the mean specific heat over the stream's range [kW/K]
    double cMin = 0, cMax = 0, cr = 0;
    double ntu = 0;
    double effectiveness = 0;
    double dutyNtu = 0; ///< effectiveness times Cmin times the inlet difference [kW]
    double dutySolved = 0; ///< [kW]
};

/** The effectiveness-NTU duty with the solved U and surface; throws CalcError. */
EffectivenessCheck effectivenessCheck(const SolvedCase& solved, FluidTables& fluids);

} // namespace vorlan
