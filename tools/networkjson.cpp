#include "networkjson.h"

#include "analysis/warningrules.h"

namespace vorlan {

using nlohmann::ordered_json;

const char* sideWord(Side side) { return side == Side::Internal ? "internal" : "annulus"; }

ordered_json arrangementJson(const HairpinArrangement& arrangement)
{
    const char* side = arrangement.split ? sideWord(*arrangement.split) : "none";
    return {{"hairpins", arrangement.hairpins}, {"legLength", arrangement.legLength}, {"parallelSide", side},
        {"banks", arrangement.banks}};
}

ordered_json networkSideJson(const NetworkSide& s)
{
    return {{"inletTemperature", s.inletTemperature}, {"outletTemperature", s.outletTemperature},
        {"massFlow", s.massFlow}, {"paths", s.paths}, {"velocity", s.velocity},
        {"pipePressureDrop", s.pipePressureDrop},
        {"returnBends",
            {{"count", s.bends.count}, {"lossCoefficient", s.bends.K}, {"pressureDrop", s.bends.pressureDrop}}},
        {"pressureDrop", s.pressureDrop()}};
}

ordered_json networkWarningsJson(const std::vector<NetworkWarning>& warnings)
{
    ordered_json array = ordered_json::array();
    for (const NetworkWarning& w : warnings)
        array.push_back({{"rule", warningRule(w.first.kind).name}, {"severity", severityName(severityOf(w.first))},
            {"text", w.first.text}, {"hairpins", w.hairpins}});
    return array;
}

} // namespace vorlan
