#pragma once

#include <nlohmann/json.hpp>
#include <vector>

#include "studies/hairpinnetwork.h"

namespace vorlan {

/** A side as the lines name it: "internal" (the inner pipe) or "annulus". */
const char* sideWord(Side side);

/** The arrangement as {"hairpins", "legLength" [m], "parallelSide" ("none", "internal", "annulus"), "banks"}. */
nlohmann::ordered_json arrangementJson(const HairpinArrangement& arrangement);

/**
 * One side of a solved arrangement along one path: {"inletTemperature", "outletTemperature" [°C],
 * "massFlow" [kg/s], "paths", "velocity" [m/s], "pipePressureDrop" [kPa], "returnBends": {"count",
 * "lossCoefficient", "pressureDrop" [kPa]}, "pressureDrop" [kPa]}.
 */
nlohmann::ordered_json networkSideJson(const NetworkSide& side);

/** The hairpins' warnings, each {"rule", "severity", "text", "hairpins"}. */
nlohmann::ordered_json networkWarningsJson(const std::vector<NetworkWarning>& warnings);

} // namespace vorlan
