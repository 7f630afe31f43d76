#include "calc/exchanger.h"

#include <new>

#include "calc/calculation.h"
#include "correlations/kernels.h"
#include "platform/calcerror.h"
#include "platform/vectorstate.h"

namespace vorlan {

Exchanger::Exchanger(std::string dataFolder, std::string userFluidFolder)
    : fluids(dataFolder, std::move(userFluidFolder))
{
    try {
        materials.dbmateriale(dataFolder);
    } catch (const CalcError& error) {
        // The program goes on without materials; a calculation then ends with "Invalid data".
        materials = Materials {};
        m_materialsError = error.what();
    }
}

CalcOutcome Exchanger::Command1_Click(const CaseSnapshot& snapshot)
{
    clearUpperVectorState(); // the calling thread may be a window's, after Qt code
    inizializza(state, fluids);
    CalcOutcome outcome;
    std::optional<Calculation> calculation;
    std::optional<RobustCase> read; // set once the case has been read: a later failure is the solution's
    try {
        calculation.emplace(snapshot, fluids, materials, state, outcome.writeBacks);
        calculation->readCase();
        read = calculation->robustCase();
        calculation->solve();
        outcome.record = calculation->results();
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
    if (!outcome.record && read && calculation->faultCause().empty()) {
        outcome.robust = robustAnswer(snapshot, *read, calculation->readTables());
    } else if (outcome.record && read->lengthGiven) {
        RobustAnswer answer = robustAnswer(snapshot, *read, calculation->readTables());
        if (answer.solution.roots.size() > 1)
            outcome.robust = std::move(answer);
    }
    return outcome;
}

void Exchanger::adopt(const RobustAnswer& answer)
{
    state = answer.state;
    fluids = answer.tables;
}

} // namespace vorlan
