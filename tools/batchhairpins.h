#pragma once

#include <string>

#include "calc/exchanger.h"
#include "studies/hairpinnetwork.h"

namespace vorlan {

/** Reads the side split into banks, "internal:N" or "annulus:N" (N from 2), into the arrangement; false otherwise. */
bool parseParallel(const std::string& text, HairpinArrangement& arrangement);

/**
 * Solves the case built as the arrangement of hairpins and prints it as one JSON line: {"case",
 * "ok", "arrangement", then "duty", "surface", "overallCoefficient", "internal", "external",
 * "warnings", "sections", "passes", "calculations", or "message"}. Returns 0 solved, 1 not.
 */
int solveCaseHairpins(
    Exchanger& exchanger, const std::string& path, const CaseContents& contents, const HairpinArrangement& arrangement);

} // namespace vorlan
