#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "properties/fluidtable.h"

namespace vorlan {

/** The table's blocks, one per pressure: [{"pressure" [bar], "first", "last" [degC], "rows"}]. */
nlohmann::ordered_json blocksOf(const FluidTable& table);

/**
 * vorlan-batch --fluids: one JSON line per fluid the lists offer, in their order: {"fluid", "group"
 * ("standard" for the sixteen, the library's heading, "user" for the fluids of the user's folder),
 * "blocks"}, or "error" with the reason its table cannot be read. Returns the exit status.
 */
int listFluids(const std::string& dataFolder, const std::string& userFolder);

} // namespace vorlan
