#pragma once

#include <string>

namespace vorlan {

/**
 * vorlan-batch --fluids: one JSON line per fluid the lists offer, in their order: {"fluid", "group"
 * ("standard" for the sixteen, else the library's heading), "blocks": [{"pressure" [bar], "first",
 * "last" [degC], "rows"}]}, or "error" with the reason its table cannot be read. Returns the exit status.
 */
int listFluids(const std::string& dataFolder);

} // namespace vorlan
