#pragma once

#include <string>
#include <vector>

#include "calc/exchanger.h"
#include "studies/designsearch.h"

namespace vorlan {

/** Reads the allowed pressure drops [kPa]: "KPA" for both streams, or "KPA,KPA", the case's internal stream first. */
bool parseAllowedDrops(const std::string& text, DesignConstraints& constraints);

/** Reads a velocity range "LOW:HIGH" [m/s], 0 <= LOW < HIGH. */
bool parseVelocityRange(const std::string& text, VelocityRange& range);

/** Reads the standards to try, "ASME B36.10M;EN 1057", each name trimmed of blanks; false for an empty name. */
bool parseStandards(const std::string& text, std::vector<std::string>& standards);

/** Why the standards cannot be tried: the first the catalogue lacks, with the catalogue's list; empty when all are
 * there. */
std::string standardsProblem(const std::vector<StandardPipe>& catalogue, const std::vector<std::string>& standards);

/**
 * Searches the designs that do the case's duty and prints one JSON line of the target, then one per
 * design in rank order: every design, or with top > 0 the best top feasible ones (see
 * docs/batch-output.schema.json). Returns 0 when a design is feasible, 1 when none is or the case
 * fails.
 */
int searchCaseDesigns(Exchanger& exchanger, const std::string& path, const CaseContents& contents,
    const std::vector<StandardPipe>& catalogue, const DesignConstraints& constraints, long top);

} // namespace vorlan
