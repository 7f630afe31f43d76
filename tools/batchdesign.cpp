#include "batchdesign.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <thread>

#include "batchreport.h"
#include "networkjson.h"
#include "optionnumber.h"
#include "platform/trimmed.h"
#include "terminaltext.h"

namespace vorlan {

namespace {

using nlohmann::ordered_json;

/** Largest allowed pressure drop [kPa] and velocity [m/s] an option takes. */
constexpr double kMostDrop = 1e5;
constexpr double kMostVelocity = 1e3;

ordered_json pipeJson(const StandardPipe& pipe)
{
    return {{"standard", pipe.standard}, {"designation", pipe.designation}, {"outsideDiameter", pipe.outsideDiameter},
        {"thickness", pipe.thickness}};
}

ordered_json targetLine(const std::string& path, const DesignSearch& search, std::size_t candidates)
{
    ordered_json line = {{"case", path}, {"ok", search.target.has_value()}, {"candidates", candidates}};
    const auto& t = search.target;
    if (!t) {
        line["message"] = search.message;
        return line;
    }
    ordered_json streams = ordered_json::array();
    for (const Side side : {Side::Internal, Side::External}) {
        const auto i = static_cast<std::size_t>(side);
        streams.push_back({{"sideInCase", sideWord(side)}, {"fluid", t->fluid[i]}, {"massFlow", t->massFlow[i]},
            {"inletTemperature", t->inlet[i]}, {"outletTemperature", t->outlet[i]}});
    }
    line["duty"] = t->duty;
    line["streams"] = streams;
    return line;
}

ordered_json designLine(const std::string& path, const Design& design, long rank, double legLength)
{
    const DesignCandidate& c = design.candidate;
    ordered_json line = {{"case", path}};
    if (design.feasible())
        line["rank"] = rank;
    line["feasible"] = design.feasible();
    if (!design.feasible())
        line["broken"] = design.broken;
    line["pipes"] = {{"outer", pipeJson(c.outer)}, {"inner", pipeJson(c.inner)}};
    line["streamInPipe"] = sideWord(streamOn(Side::Internal, c));
    line["arrangement"]
        = arrangementJson(design.network ? design.network->arrangement
                                         : HairpinArrangement {design.hairpins, legLength, c.split, c.banks});
    // The surfaces once the hairpins were laid out, the pressure drops once they were solved.
    if (design.hairpins > 0) {
        line["installedSurface"]
            = design.network ? design.network->surface : design.requiredSurface * (1 + design.excess / 100);
        line["requiredSurface"] = design.requiredSurface;
        line["excess"] = design.excess;
        line["allowedFouling"] = design.allowedFouling;
    }
    if (design.network)
        line["dropRatio"] = design.dropRatio;
    line["nonDominated"] = design.nonDominated;
    if (design.cost)
        line["cost"] = {{"value", design.cost->cost}, {"exchangers", design.cost->units}, {"basis", costBasis()}};
    if (const auto& n = design.network) {
        line["duty"] = n->duty;
        line["overallCoefficient"] = n->meanU;
        line["internal"] = networkSideJson(n->internal);
        line["external"] = networkSideJson(n->external);
        line["warnings"] = networkWarningsJson(n->warnings);
    }
    return line;
}

} // namespace

bool parseAllowedDrops(const std::string& text, DesignConstraints& constraints)
{
    const std::size_t comma = text.find(',');
    auto& drops = constraints.allowedPressureDrop;
    if (!parseNumberIn(text.substr(0, comma), 1e-6, kMostDrop, drops[0]))
        return false;
    if (comma == std::string::npos) {
        drops[1] = drops[0];
        return true;
    }
    return parseNumberIn(text.substr(comma + 1), 1e-6, kMostDrop, drops[1]);
}

bool parseVelocityRange(const std::string& text, VelocityRange& range)
{
    const std::size_t colon = text.find(':');
    return colon != std::string::npos && parseNumberIn(text.substr(0, colon), 0, kMostVelocity, range.low)
        && parseNumberIn(text.substr(colon + 1), 0, kMostVelocity, range.high) && range.low < range.high;
}

bool parseStandards(const std::string& text, std::vector<std::string>& standards)
{
    standards.clear();
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(';', start), text.size());
        const std::string_view name = trimmed(std::string_view(text).substr(start, end - start));
        if (name.empty())
            return false;
        standards.emplace_back(name);
        start = end + 1;
    }
    return true;
}

std::string standardsProblem(const std::vector<StandardPipe>& catalogue, const std::vector<std::string>& standards)
{
    std::vector<std::string> known;
    for (const StandardPipe& pipe : catalogue)
        if (std::find(known.begin(), known.end(), pipe.standard) == known.end())
            known.push_back(pipe.standard);
    for (const std::string& name : standards)
        if (std::find(known.begin(), known.end(), name) == known.end()) {
            std::string problem = "no standard \"" + name + "\" in the pipe catalogue; its standards are ";
            for (std::size_t i = 0; i < known.size(); ++i)
                problem += (i ? "; " : "") + known[i];
            return problem;
        }
    return {};
}

int searchCaseDesigns(Exchanger& exchanger, const std::string& path, const CaseContents& contents,
    const std::vector<StandardPipe>& catalogue, const DesignConstraints& constraints, long top,
    const LineOptions& options)
{
    const std::size_t workers = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8);
    std::vector<std::unique_ptr<Exchanger>> owned;
    std::vector<Exchanger*> others;
    for (std::size_t w = 1; w < workers; ++w)
        others.push_back(
            owned.emplace_back(std::make_unique<Exchanger>(options.dataFolder, options.userFluidFolder)).get());
    const DesignSearch search = searchDesigns(exchanger, contents, catalogue, constraints, others);
    printLine(std::cout, jsonText(targetLine(path, search, designCandidates(catalogue, constraints).size())));
    long rank = 0;
    for (const Design& design : search.designs) {
        if (top > 0 && (!design.feasible() || rank == top))
            break;
        rank += design.feasible();
        printLine(std::cout, jsonText(designLine(path, design, rank, constraints.legLength)));
    }
    return search.designs.empty() || !search.designs.front().feasible() ? 1 : 0;
}

} // namespace vorlan
