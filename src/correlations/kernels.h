#pragma once

#include "correlations/configuration.h"

#include "properties/casestate.h"
#include "properties/fluidtables.h"

namespace vorlan {

/** Clears the case state (all but pigreco) and both sides' bulk properties; tables stay. */
void inizializza(CaseState& state, FluidTables& fluids);

/**
 * Cuts each side's table down to the first block of its selected pressure (the internal pressure
 * first, then the external one). A pressure that is not a number or not in the table
 * throws CalcError.
 */
void RiduciVettori(FluidTables& fluids);

/**
 * True when temp [degC] lies in [first, last) temperature of the side's table, all three rounded
 * to single precision. press [bar] is not used.
 */
bool controllatemp(const FluidTables& fluids, double temp, float press, Side side);

} // namespace vorlan
