#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/caseinput.h"
#include "calc/robustsolver.h"
#include "calc/solution.h"
#include "properties/fluidtables.h"

namespace vorlan {

/**
 * The robust solution of a case that Calculate refused for a reason of its iterations, ready to be
 * shown like a calculated one: the first root's write-backs and solution.
 */
struct RobustAnswer {
    RobustSolution solution;
    std::vector<WriteBack>
        writeBacks; ///< the first root's values for the quantities the mode solves, as Calculate writes them
    /** The first root as a solved case, on the tables it was solved on; none when there is no root. */
    std::optional<Solution> solved;
};

/**
 * What the robust solution found, in a few sentences: the first root's duty, length and U with both
 * flow regimes, a pinch, the other roots where there are several; or why there is none.
 */
std::string robustSummary(const RobustAnswer& answer);

/**
 * The line that marks a robust answer where it is shown: "Robust solution", at the pinch or the
 * largest duty of several answers where it is, and the refusal of Calculate it stands in for.
 */
std::string robustBanner(const RobustAnswer& answer, const std::string& refusal);

/** "The case has N answers: ..." with each root's duty, length, U and flow regimes; empty for fewer than two. */
std::string severalAnswers(const RobustSolution& solution);

/** Solves the read case on tables as they were read (before any lookup of the solution). Never throws. */
RobustAnswer robustAnswer(const CaseInput& input, const RobustCase& c, FluidTables tables);

} // namespace vorlan
