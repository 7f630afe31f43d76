#include "calc/solvedvalues.h"

namespace vorlan {

std::vector<WriteBack> solvedFlowAndOutlet(FlowMode flow, float intPort, float estPort, double intTout, double estTout)
{
    switch (flow) {
    case FlowMode::InternalOutletGiven:
        return {writtenValue(Quantity::InternalMassFlow, intPort, 4),
            writtenValue(Quantity::ExternalOutletTemperature, estTout, 4)};
    case FlowMode::ExternalOutletGiven:
        return {writtenValue(Quantity::ExternalMassFlow, estPort, 4),
            writtenValue(Quantity::InternalOutletTemperature, intTout, 4)};
    case FlowMode::BothFlowsGiven:
        break;
    }
    return {writtenValue(Quantity::ExternalOutletTemperature, estTout, 4),
        writtenValue(Quantity::InternalOutletTemperature, intTout, 4)};
}

WriteBack solvedDuty(float q) { return writtenValue(Quantity::Capacity, q, 3); }

WriteBack solvedLength(float L) { return writtenValue(Quantity::Length, L, 3); }

} // namespace vorlan
