#include "analysis/caseanalysis.h"

#include <exception>

#include "platform/calcerror.h"
#include "platform/vectorstate.h"

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

/** Fills every part of an analysis whose solved case is set, on the given tables. Never throws. */
void analyseOnTables(CaseAnalysis& a, FluidTables& tables, int profileSegments)
{
    const SolvedCase& solved = *a.solved;
    attempt(a.details, a.detailsMissing, [&] { return filmDetails(solved, tables); });
    attempt(a.effectiveness, a.effectivenessMissing, [&] { return effectivenessCheck(solved, tables); });
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
        attempt(a.profile, a.profileMissing, [&] { return marchProfile(solved, *a.details, tables, profileSegments); });
}

} // namespace

CaseAnalysis analyseCase(const Solution& solution, int profileSegments)
{
    clearUpperVectorState(); // called from a window, after Qt code
    CaseAnalysis a;
    std::optional<FluidTables> tables;
    attempt(a.solved, a.solvedMissing, [&] {
        SolvedCase solved = solvedCase(solution.record, solution.state);
        tables.emplace(solution.tables); // the lookups raise segment ends: the solution's own stay as they are
        return solved;
    });
    if (!a.solved) {
        a.detailsMissing = a.effectivenessMissing = a.crossCheckMissing = a.profileMissing = a.hairpinsMissing
            = a.solvedMissing;
        return a;
    }
    analyseOnTables(a, *tables, profileSegments);
    return a;
}

} // namespace vorlan
