#include "batchhairpins.h"

#include <charconv>
#include <iostream>
#include <nlohmann/json.hpp>

#include "analysis/warningrules.h"
#include "batchreport.h"
#include "terminaltext.h"

namespace vorlan {

namespace {

using nlohmann::ordered_json;

ordered_json sideJson(const NetworkSide& s)
{
    return {{"inletTemperature", s.inletTemperature}, {"outletTemperature", s.outletTemperature},
        {"massFlow", s.massFlow}, {"paths", s.paths}, {"velocity", s.velocity},
        {"pipePressureDrop", s.pipePressureDrop},
        {"returnBends",
            {{"count", s.bends.count}, {"lossCoefficient", s.bends.K}, {"pressureDrop", s.bends.pressureDrop}}},
        {"pressureDrop", s.pressureDrop()}};
}

const char* sideName(const std::optional<Side>& split)
{
    return !split ? "none" : *split == Side::Internal ? "internal" : "annulus";
}

} // namespace

bool parseParallel(const std::string& text, HairpinArrangement& arrangement)
{
    const std::size_t colon = text.find(':');
    const std::string side = text.substr(0, colon);
    if (colon == std::string::npos || (side != "internal" && side != "annulus"))
        return false;
    const char* first = text.data() + colon + 1;
    const char* last = text.data() + text.size();
    long banks = 0;
    const auto result = std::from_chars(first, last, banks);
    if (result.ec != std::errc() || result.ptr != last || banks < 2 || banks > kMaxHairpins)
        return false;
    arrangement.split = side == "internal" ? Side::Internal : Side::External;
    arrangement.banks = banks;
    return true;
}

int solveCaseHairpins(
    Exchanger& exchanger, const std::string& path, const CaseContents& contents, const HairpinArrangement& arrangement)
{
    const NetworkOutcome outcome = solveHairpins(exchanger, contents, arrangement);
    ordered_json line = {{"case", path}, {"ok", outcome.network.has_value()},
        {"arrangement",
            {{"hairpins", arrangement.hairpins}, {"legLength", arrangement.legLength},
                {"parallelSide", sideName(arrangement.split)}, {"banks", arrangement.banks}}}};
    if (const auto& n = outcome.network) {
        line["duty"] = n->duty;
        line["surface"] = n->surface;
        line["overallCoefficient"] = n->meanU;
        line["internal"] = sideJson(n->internal);
        line["external"] = sideJson(n->external);
        ordered_json warnings = ordered_json::array();
        for (const NetworkWarning& w : n->warnings)
            warnings.push_back({{"rule", warningRule(w.first.kind).name},
                {"severity", severityName(severityOf(w.first))}, {"text", w.first.text}, {"hairpins", w.hairpins}});
        line["warnings"] = warnings;
        ordered_json sections = ordered_json::array();
        for (const HairpinSection& s : n->sections)
            sections.push_back({{"hairpin", s.hairpin}, {"bank", s.bank}, {"internalInletTemperature", s.record.intTin},
                {"internalOutletTemperature", s.record.intTout}, {"externalInletTemperature", s.record.estTin},
                {"externalOutletTemperature", s.record.estTout}, {"duty", s.record.q},
                {"overallCoefficient", s.record.U}, {"internalPressureDrop", s.record.intDeltaP},
                {"externalPressureDrop", s.record.estDeltaP}});
        line["sections"] = sections;
        line["passes"] = n->passes;
        line["calculations"] = n->calculations;
    } else {
        line["message"] = outcome.message;
    }
    printLine(std::cout, jsonText(line));
    return outcome.network ? 0 : 1;
}

} // namespace vorlan
