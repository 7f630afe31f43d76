#include "batchstudies.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <functional>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <system_error>
#include <thread>

#include "batchanalysis.h"
#include "batchreport.h"
#include "studies/studytable.h"
#include "studies/sweep.h"
#include "terminaltext.h"

namespace vorlan {

int sweepCase(Exchanger& exchanger, const std::string& path, const CaseContents& contents, const std::string& text,
    bool logarithmic, bool csv, const LineOptions& options)
{
    SweepRange range;
    try {
        range = parseSweep(text, logarithmic);
    } catch (const std::invalid_argument& error) {
        printLine(std::cerr, std::string("vorlan-batch: ") + error.what());
        return 2;
    }
    if (const std::string problem = sweepProblem(range, contents); !problem.empty()) {
        printLine(std::cerr, "vorlan-batch: " + problem);
        return 2;
    }
    // The points are independent whole calculations: each worker takes the next point not yet
    // taken and calculates it on an exchanger of its own; the lines are printed in the points'
    // order. A worker that cannot be started leaves its share to the others.
    const std::vector<std::string> texts = sweepTexts(range);
    std::vector<StudyRow> rows(texts.size());
    std::vector<std::string> lines(texts.size());
    std::vector<std::exception_ptr> failures(texts.size());
    std::atomic<std::size_t> next {0};
    const auto work = [&](Exchanger& own) {
        for (std::size_t i = next++; i < texts.size(); i = next++)
            try {
                StudyRow& row = rows[i];
                row.point = calculatePoint(own, contents, range.quantity, texts[i]);
                if (csv) {
                    row.warnings = pointWarnings(row.point);
                    continue;
                }
                JsonKeys keys = analysisKeys(row.point.outcome, options.profileSegments, options.legLength);
                keys.emplace_back("point",
                    jsonText(nlohmann::ordered_json {{"key", caseKeyOf(range.quantity)}, {"text", row.point.text}}));
                lines[i] = batchReport(path, row.point.outcome, keys);
            } catch (...) {
                failures[i] = std::current_exception(); // out of memory: raised again on the main thread
            }
    };
    const std::size_t workers = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8);
    std::vector<std::unique_ptr<Exchanger>> exchangers;
    std::vector<std::jthread> threads; // joined when they go out of scope, also on an error
    try {
        for (std::size_t w = 1; w < std::min(workers, texts.size()); ++w) {
            exchangers.push_back(std::make_unique<Exchanger>(options.dataFolder, options.userFluidFolder));
            threads.emplace_back(work, std::ref(*exchangers.back()));
        }
    } catch (const std::system_error&) {
        // no more threads to be had: the ones started and this one share the points
    }
    work(exchanger);
    threads.clear();

    for (const std::exception_ptr& failure : failures)
        if (failure)
            std::rethrow_exception(failure);
    int status = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].point.outcome.solution)
            status = 1;
        if (!csv)
            printLine(std::cout, lines[i]);
    }
    if (csv)
        std::cout << studyCsv(range.quantity, rows);
    return status;
}

int findCaseFouling(
    Exchanger& exchanger, const std::string& path, const CaseContents& contents, const FoulingSearch& search)
{
    const FoulingResult result = findFouling(exchanger, contents, search);
    nlohmann::ordered_json line = {{"case", path}, {"ok", result.found.has_value()}};
    if (const auto& f = result.found) {
        line["fouling"] = {{"total", f->total}, {"internal", f->internal}, {"external", f->external},
            {"cleanU", f->cleanU}, {"matchedU", f->matchedU}, {"measuredDuty", f->measuredDuty},
            {"internalDuty", f->internalDuty}, {"externalDuty", f->externalDuty}, {"calculatedDuty", f->calculatedDuty},
            {"calculations", f->calculations}};
    } else {
        line["message"] = result.message;
    }
    printLine(std::cout, jsonText(line));
    return result.found ? 0 : 1;
}

} // namespace vorlan
