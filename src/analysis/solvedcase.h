#pragma once

#include "calc/resultrecord.h"
#include "properties/casestate.h"

namespace vorlan {

/**
 * The final state of a solved case as its result record gives it: geometry, flows, length,
 * fouling and pipe material, and each side's final bulk temperature, the mean of its inlet and
 * outlet [degC].
 */
struct SolvedCase {
    ResultRecord record;
    CaseState state;
    double tmi = 0; ///< internal bulk temperature [degC]
    double tme = 0; ///< external bulk temperature [degC]

    /** True when the internal fluid is the hot one (equal inlets: it is the cold one). */
    bool internalHot() const { return record.intTin > record.estTin; }
    bool counterCurrent() const;
};

/**
 * The state of the record's case, with the pipe material's conductivity and roughness of the
 * calculation's state; throws CalcError.
 */
SolvedCase solvedCase(const ResultRecord& record, const CaseState& calculated);

} // namespace vorlan
