#pragma once

#include <string>
#include <utility>
#include <vector>

#include "calc/resultrecord.h"

namespace vorlan {

/**
 * The texts of the results window's 28 value boxes, as (box name, text): plain numbers with all
 * their digits, or rounded half to even to 3 or 0 decimals, with a decimal comma.
 */
std::vector<std::pair<std::string, std::string>> resultTexts(const ResultRecord& record);

} // namespace vorlan
