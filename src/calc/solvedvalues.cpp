#include "calc/solvedvalues.h"

namespace vorlan {

std::vector<WriteBack> solvedFlowAndOutlet(FlowMode flow, float intPort, float estPort, double intTout, double estTout)
{
    switch (flow) {
    case FlowMode::InternalOutletGiven:
        return {writtenValue(Box::Text8, intPort, 4), writtenValue(Box::Text10, estTout, 4)};
    case FlowMode::ExternalOutletGiven:
        return {writtenValue(Box::Text11, estPort, 4), writtenValue(Box::Text7, intTout, 4)};
    case FlowMode::BothFlowsGiven:
        break;
    }
    return {writtenValue(Box::Text10, estTout, 4), writtenValue(Box::Text7, intTout, 4)};
}

WriteBack solvedDuty(float q) { return writtenValue(Box::Text3, q, 3); }

WriteBack solvedLength(float L) { return writtenValue(Box::Text12, L, 3); }

} // namespace vorlan
