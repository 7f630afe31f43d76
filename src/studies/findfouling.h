#pragma once

#include <optional>
#include <string>

#include "calc/casecontents.h"
#include "calc/exchanger.h"

namespace vorlan {

/** The largest total fouling the search tries [(m² K)/W]. */
inline constexpr double kMaxFouling = 0.01;

/** How to search: the internal side's share of the total fouling, and the allowed spread of the measured duties. */
struct FoulingSearch {
    double internalShare = 0.5; ///< 0: all outside, 1: all inside
    double tolerance = 5; ///< largest difference of the two sides' measured duties [% of their mean]
};

/** The fouling that makes the calculated duty match the measured one. */
struct FoulingFound {
    double total = 0; ///< [(m² K)/W]
    double internal = 0, external = 0; ///< as typed into the Options dialog [(m² K)/W]
    double cleanU = 0; ///< U of the clean exchanger [W/(m² K)]
    double matchedU = 0; ///< U at the fouling found [W/(m² K)]
    double measuredDuty = 0; ///< mean of both sides' duties from the measured outlets [kW]
    double internalDuty = 0, externalDuty = 0; ///< [kW]
    double calculatedDuty = 0; ///< at the fouling found [kW]
    int calculations = 0; ///< presses of Calculate the search made
};

/** A search's answer: the fouling found, or the message why there is none. */
struct FoulingResult {
    std::optional<FoulingFound> found;
    std::string message;
};

/**
 * From a running exchanger: a length-given case whose both mass flows and both measured outlet
 * temperatures are typed. Each trial is a full Calculate of the
 * case with both flows given and the trial fouling split as asked; a bracketed search on
 * [0, kMaxFouling] (regula falsi, Illinois variant) ends when the duty matches to 1e-5 of the
 * measured one or the bracket is 1e-8 (m² K)/W wide.
 */
FoulingResult findFouling(Exchanger& exchanger, const CaseContents& contents, const FoulingSearch& search);

} // namespace vorlan
