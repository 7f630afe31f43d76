#pragma once

#include <string>
#include <utility>
#include <vector>

#include "calc/exchanger.h"

namespace vorlan {

/**
 * The keys a solved case adds to its JSON line, as (key, JSON text): "details", "crossCheck",
 * "warnings", "hairpins" (in legs of legLength [m]), and with profileSegments > 0 "profile", an
 * array of {position, hotTemperature, coldTemperature, wallTemperature} [m, degC]. A part that cannot be computed is
 * {"available": false, "reason": ...}. None for a failed calculation.
 */
std::vector<std::pair<std::string, std::string>> analysisKeys(
    const CalcOutcome& outcome, int profileSegments, double legLength);

} // namespace vorlan
