#include "calc/exchanger.h"

#include <new>
#include <utility>

#include "calc/calculation.h"
#include "correlations/kernels.h"
#include "platform/calcerror.h"
#include "platform/vectorstate.h"

namespace vorlan {

Exchanger::Exchanger(std::string dataFolder, std::string userFluidFolder)
    : m_fluids(dataFolder, std::move(userFluidFolder))
{
    try {
        m_materials.dbmateriale(dataFolder);
    } catch (const CalcError& error) {
        // The program goes on without materials; a calculation then ends with "Invalid data".
        m_materials = Materials {};
        m_materialsError = error.what();
    }
}

void Exchanger::holdFluidFiles() { m_fluids.holdFiles(std::make_shared<HeldFluidFiles>()); }

CalcOutcome Exchanger::calculate(const CaseContents& contents, RobustSearch robust)
{
    std::optional<CaseInput> input;
    try {
        input.emplace(readCaseInput(contents));
    } catch (const std::bad_alloc&) { // still one message, as for a failure of the calculation
        CalcOutcome outcome;
        outcome.message = msg::InvalidData;
        outcome.detail = "the computer ran out of memory";
        return outcome;
    }
    return calculate(*input, robust);
}

CalcOutcome Exchanger::calculate(const CaseInput& input, RobustSearch robust)
{
    clearUpperVectorState(); // the calling thread may be a window's, after Qt code
    inizializza(m_state, m_fluids);
    CalcOutcome outcome;
    std::optional<Calculation> calculation;
    std::optional<RobustCase> read; // set once the case has been read: a later failure is the solution's
    try {
        calculation.emplace(input, m_fluids, m_materials, m_state, outcome.writeBacks);
        calculation->readCase();
        read = calculation->robustCase();
        calculation->solve();
        ResultRecord record = calculation->results();
        // The solution takes the tables it was solved on; the next calculation loads its own.
        FluidTables tables = std::exchange(m_fluids, FluidTables(m_fluids.dataFolder(), m_fluids.userFolder()));
        m_fluids.holdFiles(tables.heldFiles());
        tables.setCarriedTables({}); // its tables are loaded: what a case carried is the case's
        outcome.solution = Solution {std::move(record), m_state, std::move(tables)};
    } catch (const CalcError& error) {
        outcome.message = error.message();
        outcome.detail = error.what();
        // A value that cannot be computed is better explained by what the case read says of it.
        if (outcome.detail == msg::CannotCompute && calculation && !calculation->faultCause().empty())
            outcome.detail = calculation->faultCause();
    } catch (const std::bad_alloc&) {
        outcome.message = msg::InvalidData;
        outcome.detail = "the computer ran out of memory";
    } catch (const std::exception& error) { // a library failure: still one message
        outcome.message = msg::InvalidData;
        outcome.detail = error.what();
    }
    if (calculation)
        outcome.passes = calculation->passes();
    // A case whose reading already explains its failure (no material data, no annulus, a zero flow)
    // is the user's to mend, not the iterations'.
    if (robust == RobustSearch::Never)
        return outcome;
    if (!outcome.solution && read && calculation->faultCause().empty()) {
        outcome.robust = robustAnswer(input, *read, calculation->readTables());
    } else if (outcome.solution && read->lengthGiven) {
        RobustAnswer answer = robustAnswer(input, *read, calculation->readTables());
        if (answer.solution.roots.size() > 1)
            outcome.robust = std::move(answer);
    }
    return outcome;
}

} // namespace vorlan
