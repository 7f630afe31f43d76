#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/crosscheck.h"
#include "analysis/details.h"
#include "analysis/hairpins.h"
#include "analysis/profile.h"
#include "analysis/warnings.h"
#include "calc/solution.h"

namespace vorlan {

/**
 * Everything shown beside a solved case. Each part is empty when it could not be computed, and
 * its reason then says why.
 */
struct CaseAnalysis {
    std::optional<SolvedCase> solved;
    std::optional<FilmDetails> details;
    std::optional<EffectivenessCheck> effectiveness;
    std::optional<CrossCheck> crossCheck;
    std::vector<Warning> warnings;
    std::optional<Profile> profile;
    std::optional<HairpinLayout> hairpins; ///< in legs of kDefaultLegLength

    std::string solvedMissing, detailsMissing, effectivenessMissing, crossCheckMissing, profileMissing, hairpinsMissing;
};

/** Segments of the profile that the windows and the report draw. */
inline constexpr int kProfileSegments = 200;

/**
 * Analyses a solved case with its pipe material and on a copy of the tables it was solved on,
 * whatever happened to their files since, with the segment ends its lookups raised (values differ
 * from freshly read tables by that drift). A profile of the given number of segments, none for 0.
 * Never throws: whatever fails leaves its part empty with the reason.
 */
CaseAnalysis analyseCase(const Solution& solution, int profileSegments);

} // namespace vorlan
