#pragma once

#include <optional>
#include <string>

#include "calc/resultrecord.h"
#include "platform/formview.h"
#include "properties/casestate.h"
#include "properties/fluidtables.h"
#include "properties/materials.h"

namespace vorlan {

/** How a press of Calculate ended: the result record, or the message to show. */
struct CalcOutcome {
    std::optional<ResultRecord> record;
    std::string message; ///< the message box text when there is no record
    std::string detail; ///< what exactly failed, for diagnostics
};

/**
 * The state the main window keeps between events (both fluid tables, the material table, the case
 * variables) and the Calculate command. The case is read from, and solved values are written back
 * to, the named controls of a FormView: the main window's boxes and options, and the Options
 * dialog's fouling factors as "Form2.Text1" and "Form2.Text2".
 */
class Exchanger {
public:
    Exchanger(FormView& form, std::string dataFolder);

    /** Runs one whole calculation; every failure ends it with exactly one message. */
    CalcOutcome Command1_Click();

    FluidTables fluids;
    Materials materials;
    CaseState state;

private:
    FormView& m_form;
};

} // namespace vorlan
