#pragma once

#include "calc/resultrecord.h"
#include "properties/casestate.h"
#include "properties/fluidtables.h"

namespace vorlan {

/**
 * A solved case, whole in itself: the results the results window shows, and the state and tables
 * it was solved on, which its analysis reads (details, cross-check, warnings, profile, hairpins).
 */
struct Solution {
    ResultRecord record;
    /** Geometry, flows, length, fouling and the pipe material's conductivity and roughness. */
    CaseState state;
    /** Both fluid tables as the solution left them: cut to the selected pressures, with any segment end a lookup
     * raised. */
    FluidTables tables;
};

} // namespace vorlan
