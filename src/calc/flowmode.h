#pragma once

namespace vorlan {

/** Which side's outlet temperature is given, if any; the other values of that pair are solved. */
enum class FlowMode {
    InternalOutletGiven, ///< internal outlet and external flow given: internal flow and external outlet solved
    ExternalOutletGiven, ///< internal flow and external outlet given: external flow and internal outlet solved
    BothFlowsGiven, ///< both flows given: both outlets solved
};

} // namespace vorlan
