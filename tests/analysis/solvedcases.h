#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "analysis/caseanalysis.h"
#include "calc/exchanger.h"
#include "platform/appdir.h"
#include "support/watercase.h"

namespace vorlan::test {

/** A case calculated on a data folder, ready to be analysed. */
struct SolvedTestCase {
    CaseContents form;
    std::unique_ptr<Exchanger> exchanger;
    CalcOutcome outcome;

    /** The water case in a mode and configuration with the changes, calculated once. */
    SolvedTestCase(Mode mode, bool counterCurrent, const Changes& changes,
        const std::string& dataFolder = QuestaDirectory() + "/data")
    {
        describeWaterCase(form, mode);
        form.counterCurrent = counterCurrent;
        for (const auto& [box, text] : changes)
            form.setText(box, text);
        exchanger = std::make_unique<Exchanger>(dataFolder);
        outcome = exchanger->calculate(form);
        form.apply(outcome.writeBacks); // as the window shows the case after Calculate
    }

    /** The analysis of the solved case, profile in the given segments. */
    CaseAnalysis analyse(int segments = kProfileSegments) const { return analyseCase(*outcome.solution, segments); }
};

} // namespace vorlan::test
