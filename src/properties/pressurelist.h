#pragma once

#include <string>
#include <vector>

#include "properties/fluidtable.h"

namespace vorlan {

/**
 * The entries of a side's pressure list, in file order: row 0's pressure, then each pressure of
 * rows 1 to N-2 that differs from the row before. The last row is not examined, so a pressure found
 * only there is not offered. Each entry has at most 7 significant digits and a decimal comma.
 */
std::vector<std::string> pressureList(const FluidTable& table);

} // namespace vorlan
