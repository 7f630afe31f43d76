#include "calc/exchanger.h"

#include "calc/calculation.h"
#include "correlations/kernels.h"
#include "platform/calcerror.h"

namespace vorlan {

Exchanger::Exchanger(FormView& form, std::string dataFolder)
    : fluids(form, std::move(dataFolder))
    , m_form(form)
{ }

CalcOutcome Exchanger::Command1_Click()
{
    inizializza(state, fluids);
    CalcOutcome outcome;
    try {
        Calculation calculation(m_form, fluids, materials, state);
        calculation.readCase();
        calculation.solve();
        outcome.record = calculation.results();
    } catch (const CalcError& error) {
        outcome.message = error.message();
        outcome.detail = error.what();
    } catch (const std::exception& error) { // out of memory or a library failure: still one message
        outcome.message = msg::InvalidData;
        outcome.detail = error.what();
    }
    return outcome;
}

} // namespace vorlan
