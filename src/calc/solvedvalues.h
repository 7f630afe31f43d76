#pragma once

#include <vector>

#include "calc/casecontents.h"
#include "calc/flowmode.h"

namespace vorlan {

// The solved values as Calculate writes them back into their boxes, rounded as the boxes show them.

/** The flow and the outlet temperature the flow mode solves for, in the order they are written. */
std::vector<WriteBack> solvedFlowAndOutlet(FlowMode flow, float intPort, float estPort, double intTout, double estTout);

/** The duty [kW] of a length-given case, to 3 decimals. */
WriteBack solvedDuty(float q);

/** The length [m] of a capacity-given case, to 3 decimals. */
WriteBack solvedLength(float L);

} // namespace vorlan
