#pragma once

#include "calc/caseinput.h"
#include "calc/resultrecord.h"
#include "properties/casestate.h"
#include "properties/fluidside.h"

namespace vorlan {

/**
 * The record's velocities, Reynolds numbers and pressure drops at the state's flows, length and
 * geometry and at the bulk properties of in and es. Arithmetic faults throw CalcError.
 */
void recordHydraulics(const CaseState& s, const FluidSide& in, const FluidSide& es, ResultRecord& r);

/** The record's pipes, material, fluids and pressures as the case's boxes hold them. */
void recordInputs(const CaseInput& input, ResultRecord& r);

} // namespace vorlan
