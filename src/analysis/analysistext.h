#pragma once

#include <string>
#include <vector>

#include "analysis/caseanalysis.h"

namespace vorlan {

/** One row of a details table: caption, unit and the internal and external (or exchanger) values as text. */
struct DetailRow {
    std::string caption;
    std::string unit;
    std::string internal;
    std::string external;
};

/** A titled table of details, or the reason it is not available. */
struct DetailSection {
    std::string title;
    bool perSide = false; ///< two value columns (internal, external) rather than one
    std::vector<DetailRow> rows;
    std::string missing;
};

/** The words for a flow regime and a Nusselt branch. */
std::string regimeName(FlowRegime regime);
std::string branchName(NusseltBranch branch);

/** The tables of the details window and the report: both sides, resistances, effectiveness-NTU, cross-check, profile
 * ends, hairpins, return bends. */
std::vector<DetailSection> detailSections(const CaseAnalysis& analysis);

/** The number of warnings and the most severe one in one sentence, or that there are none. */
std::string warningsSummary(const std::vector<Warning>& warnings);

/** The warnings as sentences, or the one sentence that there are none. */
std::vector<std::string> warningLines(const CaseAnalysis& analysis);

/** The exchanger's rows of a hairpin layout, one value each: leg, count, length, surface, excess, allowed fouling. */
std::vector<DetailRow> hairpinRows(const HairpinLayout& layout);
/** The return bends of a hairpin layout, per side: count, K and pressure drop. */
std::vector<DetailRow> returnBendRows(const HairpinLayout& layout);

/** "not available: " and the reason. */
std::string notAvailable(const std::string& reason);

} // namespace vorlan
