#include "batchhairpins.h"

#include <charconv>
#include <iostream>
#include <nlohmann/json.hpp>

#include "batchreport.h"
#include "networkjson.h"
#include "terminaltext.h"

namespace vorlan {

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
    nlohmann::ordered_json line
        = {{"case", path}, {"ok", outcome.network.has_value()}, {"arrangement", arrangementJson(arrangement)}};
    if (const auto& n = outcome.network) {
        line["duty"] = n->duty;
        line["surface"] = n->surface;
        line["overallCoefficient"] = n->meanU;
        line["internal"] = networkSideJson(n->internal);
        line["external"] = networkSideJson(n->external);
        line["warnings"] = networkWarningsJson(n->warnings);
        nlohmann::ordered_json sections = nlohmann::ordered_json::array();
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
