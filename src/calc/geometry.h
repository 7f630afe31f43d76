#pragma once

#include "properties/casestate.h"

namespace vorlan {

/**
 * Sets deti, diti, dite, pigreco, the flow areas intArea and estArea [m^2] and the annulus
 * hydraulic diameter dhe [m] from the pipe dimensions as typed [mm]: the internal pipe's outside
 * diameter and wall, the external pipe's outside diameter and wall. Arithmetic faults throw CalcError.
 */
void pipeGeometry(float internalOutside, float internalWall, float externalOutside, float externalWall, CaseState& s);

} // namespace vorlan
