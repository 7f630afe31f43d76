#include "analysis/caseanalysis.h"

#include <exception>
#include <memory>

#include "analysis/casetables.h"

namespace vorlan {

namespace {

/** Runs one part; a failure leaves it empty and its reason set. */
template <typename T, typename F> void attempt(std::optional<T>& part, std::string& missing, F compute)
{
    try {
        part = compute();
    } catch (const std::exception& error) {
        part.reset();
        missing = error.what();
    }
}

constexpr char kNeedsDetails[] = "the film coefficients are not available";

} // namespace

CaseAnalysis analyseCase(
    const CaseContents& contents, const ResultRecord& record, const std::string& dataFolder, int profileSegments)
{
    CaseAnalysis a;
    attempt(a.solved, a.solvedMissing, [&] { return solvedCase(record, dataFolder); });
    std::unique_ptr<CaseTables> tables;
    if (a.solved) {
        try {
            tables = std::make_unique<CaseTables>(contents, dataFolder);
        } catch (const std::exception& error) {
            a.solvedMissing = std::string("the fluid tables cannot be loaded: ") + error.what();
            a.solved.reset();
        }
    }
    if (!a.solved) {
        a.detailsMissing = a.effectivenessMissing = a.crossCheckMissing = a.profileMissing = a.hairpinsMissing
            = a.solvedMissing;
        return a;
    }
    analyseOnTables(a, *tables, profileSegments);
    return a;
}

void analyseOnTables(CaseAnalysis& a, CaseTables& tables, int profileSegments)
{
    const SolvedCase& solved = *a.solved;
    attempt(a.details, a.detailsMissing, [&] { return filmDetails(solved, tables.fluids()); });
    attempt(a.effectiveness, a.effectivenessMissing, [&] { return effectivenessCheck(solved, tables.fluids()); });
    if (a.details) {
        attempt(a.crossCheck, a.crossCheckMissing, [&] { return crossCheck(solved, *a.details); });
        attempt(
            a.hairpins, a.hairpinsMissing, [&] { return hairpinLayout(solved.record, *a.details, kDefaultLegLength); });
    } else {
        a.crossCheckMissing = a.hairpinsMissing = kNeedsDetails;
    }
    try {
        a.warnings = caseWarnings(solved, a.details, a.crossCheck);
    } catch (const std::exception&) {
        a.warnings.clear(); // out of memory: no list rather than a part of one
    }
    if (profileSegments <= 0)
        a.profileMissing = "no profile was asked for";
    else if (!a.details)
        a.profileMissing = kNeedsDetails;
    else
        attempt(a.profile, a.profileMissing,
            [&] { return marchProfile(solved, *a.details, tables.fluids(), profileSegments); });
}

} // namespace vorlan
