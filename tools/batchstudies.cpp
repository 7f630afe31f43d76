#include "batchstudies.h"

#include <iostream>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "batchanalysis.h"
#include "batchreport.h"
#include "studies/studytable.h"
#include "studies/sweep.h"
#include "terminaltext.h"

namespace vorlan {

namespace {

std::string dumped(const nlohmann::ordered_json& value)
{
    return value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

} // namespace

int sweepCase(Exchanger& exchanger, const std::string& path, const CaseContents& contents, const std::string& spec,
    bool logarithmic, bool csv, const LineOptions& options)
{
    const CaseSnapshot snapshot = snapshotOf(contents);
    SweepRange range;
    try {
        range = parseSweep(spec, logarithmic);
    } catch (const std::invalid_argument& error) {
        printLine(std::cerr, std::string("vorlan-batch: ") + error.what());
        return 2;
    }
    if (const std::string problem = sweepProblem(range, snapshot); !problem.empty()) {
        printLine(std::cerr, "vorlan-batch: " + problem);
        return 2;
    }
    int status = 0;
    std::vector<StudyRow> rows;
    for (std::string& text : sweepTexts(range)) {
        StudyRow row {calculatePoint(exchanger, snapshot, range.box, std::move(text))};
        const CalcOutcome& outcome = row.point.outcome;
        if (!outcome.record)
            status = 1;
        if (csv) {
            row.warnings = pointWarnings(snapshot, row.point, options.dataFolder);
            rows.push_back(std::move(row));
            continue;
        }
        CaseContents point = contents;
        point.texts[std::string(nameOf(range.box))] = row.point.text;
        JsonKeys keys = analysisKeys(point, outcome, options.dataFolder, options.profileSegments, options.legLength);
        keys.emplace_back("point", dumped({{"box", nameOf(range.box)}, {"text", row.point.text}}));
        printLine(std::cout, batchReport(path, outcome, keys));
    }
    if (csv)
        std::cout << studyCsv(range.box, rows);
    return status;
}

int findCaseFouling(
    Exchanger& exchanger, const std::string& path, const CaseContents& contents, const FoulingSearch& search)
{
    const FoulingResult result = findFouling(exchanger, snapshotOf(contents), search);
    nlohmann::ordered_json line = {{"case", path}, {"ok", result.found.has_value()}};
    if (const auto& f = result.found) {
        line["fouling"] = {{"total", f->total}, {"internal", f->internal}, {"external", f->external},
            {"cleanU", f->cleanU}, {"matchedU", f->matchedU}, {"measuredDuty", f->measuredDuty},
            {"internalDuty", f->internalDuty}, {"externalDuty", f->externalDuty}, {"calculatedDuty", f->calculatedDuty},
            {"calculations", f->calculations}};
    } else {
        line["message"] = result.message;
    }
    printLine(std::cout, dumped(line));
    return result.found ? 0 : 1;
}

} // namespace vorlan
