#pragma once

#include "correlations/configuration.h"

#include "properties/casestate.h"
#include "properties/fluidtables.h"

namespace vorlan {

/**
 * Upper limit of the duty [kW]: the enthalpy change of the stream with the smaller heat-capacity
 * rate (mass flow times the current specific heat; equal rates count as the external stream)
 * between its inlet and the other stream's inlet (counter-current) or outlet (co-current).
 * Temperatures in degC (te external, ti internal; 1 inlet, 2 outlet), flows mme, mmi in kg/s.
 */
float Qmax(FluidTables& fluids, double te1, double te2, double ti1, double ti2, float mme, float mmi,
    Configuration configuration);

/** Damping weight 1 / (NTU^3 + 2) of the outlet-temperature iteration, in single precision. */
float dampingWeight(float ntu);

/**
 * The damping weight for the overall coefficient U [W/(m^2 K)] and surface A [m^2], NTU being that
 * of the stream with the smaller heat-capacity rate. A zero flow or specific heat throws CalcError.
 */
float xxtt(const CaseState& state, const FluidTables& fluids, float U, float A);

/** Largest NTU a length-given case may reach. */
inline constexpr float kMaxNtu = 20;

} // namespace vorlan
