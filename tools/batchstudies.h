#pragma once

#include <string>

#include "analysis/hairpins.h"
#include "calc/casefile.h"
#include "calc/exchanger.h"
#include "studies/findfouling.h"

namespace vorlan {

/** What every solved case's line carries beside its record. */
struct LineOptions {
    std::string dataFolder;
    std::string userFluidFolder; ///< the user's own fluids; empty for none
    int profileSegments = 0;
    double legLength = kDefaultLegLength; ///< of the hairpins [m]
};

/**
 * Sweeps one box of the case, "KEY=FROM:TO:N" by its case-file key, and prints one JSON line per
 * point (the line of the case with that text typed, followed by "point": {"key", "text"}) or, with
 * csv, the table.
 * Returns the exit status: 0 all points solved, 1 a point failed, 2 a range that cannot be swept.
 */
int sweepCase(Exchanger& exchanger, const std::string& path, const CaseContents& contents, const std::string& text,
    bool logarithmic, bool csv, const LineOptions& options);

/** Finds the fouling of a running exchanger and prints it as one JSON line; 0 found, 1 not. */
int findCaseFouling(
    Exchanger& exchanger, const std::string& path, const CaseContents& contents, const FoulingSearch& search);

} // namespace vorlan
