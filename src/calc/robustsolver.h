#pragma once

#include <string>
#include <vector>

#include "calc/flowmode.h"
#include "properties/casestate.h"
#include "properties/steadytable.h"

namespace vorlan {

/** A read case as the robust solver takes it. Temperatures [degC], flows [kg/s], capacity [kW]. */
struct RobustCase {
    FlowMode flow = FlowMode::BothFlowsGiven;
    bool lengthGiven = true;
    bool counterCurrent = true;
    CaseState state; ///< geometry, fouling, wall, the given flows and (length given) the length
    double intTin = 0, estTin = 0;
    double intTout = 0, estTout = 0; ///< the given outlet, where the flow mode gives one
    float q = 0; ///< the given capacity (capacity given)
};

/** One consistent state of the exchanger: duty, size, outlets and flows with the coefficient that carries them. */
struct RobustRoot {
    double q = 0; ///< duty [kW]
    float L = 0; ///< length [m]
    float A = 0; ///< surface, outside of the internal pipe [m^2]
    double U = 0; ///< overall coefficient at the root's flows and mean temperatures [W/(m^2 K)]
    double intTout = 0, estTout = 0; ///< [degC]
    double intPort = 0, estPort = 0; ///< [kg/s]
    double tmi = 0, tme = 0; ///< mean temperatures [degC]
    double reInt = 0, reEst = 0; ///< Reynolds numbers
    double gzInt = 0, gzEst = 0; ///< entry-length groups Re Pr d / L
    bool atPinch = false; ///< the end temperature difference is below what the calculation resolves: the limit duty
};

/**
 * The exchanger solved by bracketing, on the same physics as Calculate (the coefficient with its
 * wall-viscosity passes, enthalpy balances, the log-mean difference) but on tables that do not
 * drift: every consistent state found, the largest duty first, or none and why.
 */
struct RobustSolution {
    std::vector<RobustRoot> roots;
    std::string reason; ///< why no state is consistent, in the exchanger's words; empty when there are roots
};

/**
 * Solves the case. Length given: the roots of f(Q) = Q - U A dTml(Q) / 1000 on (0, Q_limit], Q_limit
 * being where the outlets would cross or a solved outlet would leave its table. Capacity given: the
 * length at which U(L) A(L) dTml = 1000 Q, the temperatures following from the balances.
 * Never throws for a case that Calculate has read; a fault inside is the reason of an empty solution.
 */
RobustSolution solveRobustly(const RobustCase& c, const SteadyTable& internal, const SteadyTable& external);

/** "laminar", "transition" or "turbulent" for a Reynolds number. */
const char* flowRegimeName(double Re);

} // namespace vorlan
