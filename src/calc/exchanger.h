#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/caseinput.h"
#include "calc/robustanswer.h"
#include "calc/solution.h"
#include "properties/casestate.h"
#include "properties/fluidtables.h"
#include "properties/materials.h"

namespace vorlan {

/** How many passes a calculation's iterations made: coefficient and length-search passes, and outlet-temperature
 * passes. */
struct IterationPasses {
    long coefficient = 0;
    long temperature = 0;
};

/**
 * How a press of Calculate ended: the values written back, in the order they were written (also
 * those written before a failure, which stay in the window), then the solution or the message to
 * show.
 */
struct CalcOutcome {
    std::vector<WriteBack> writeBacks;
    std::optional<Solution> solution;
    std::string message; ///< the message box text when there is no record
    std::string detail; ///< what exactly failed, for diagnostics
    IterationPasses passes; ///< for convergence studies; not shown
    /**
     * When the calculation failed after reading the case (its iterations, their limits or the
     * consistency check), the robust solution of the same case; the message stays the calculation's.
     * For a solved length-given case whose physics has several consistent states, the robust solution
     * listing them all (the solution stays the calculation's).
     */
    std::optional<RobustAnswer> robust;
};

/**
 * Whether a calculation also searches the robust solution: of a failed case, and of a solved
 * length-given case, to list its consistent states. A study that needs only each point's solution
 * or message skips it (it takes about twice the time of the calculation itself).
 */
enum class RobustSearch { WhenUseful, Never };

/**
 * The calculator: the pipe materials of the data folder and the working state its calculations
 * share (both fluid tables as last loaded, the case variables), and the Calculate command, which
 * takes a case and returns its outcome. A solved outcome carries its own copy of what it was
 * solved on: nothing reads the calculator's state afterwards.
 */
class Exchanger {
public:
    /**
     * Loads the pipe materials of the data folder; see materialsError(). Fluids are read from the
     * data folder, or from userFluidFolder (none when empty) when the data folder has no such fluid.
     */
    explicit Exchanger(std::string dataFolder, std::string userFluidFolder = {});

    /** Runs one whole calculation of the case; every failure ends it with exactly one message. */
    CalcOutcome calculate(const CaseInput& input, RobustSearch robust = RobustSearch::WhenUseful);
    /** The same, for the texts of a case as typed. */
    CalcOutcome calculate(const CaseContents& contents, RobustSearch robust = RobustSearch::WhenUseful);

    /**
     * From now on reads each fluid file once and keeps it for the later calculations: a study of
     * many calculations is not slowed by reading the same files again, and sees one version of them.
     */
    void holdFluidFiles();

    /** Why condmat.dat could not be read at construction (the material table is then empty); empty when it was. */
    const std::string& materialsError() const { return m_materialsError; }
    const Materials& materials() const { return m_materials; }

private:
    FluidTables m_fluids;
    Materials m_materials;
    CaseState m_state;
    std::string m_materialsError;
};

} // namespace vorlan
