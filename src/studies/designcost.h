#pragma once

#include <string_view>

namespace vorlan {

/** A purchase-cost estimate of a double-pipe exchanger; an estimate to compare designs, ±30 % at best. */
struct CostEstimate {
    double cost = 0; ///< [USD of the basis year]
    int units = 1; ///< exchangers the surface is shared among, each within the correlation's range
};

/**
 * The purchase cost of a carbon-steel double-pipe exchanger of the given installed surface [m²] at
 * low pressure, by a published correlation (see the .cpp for source, range and year basis); a
 * surface above the correlation's range is shared among equal units, each costed alone.
 */
CostEstimate doublePipeCost(double surface);

/** Where the estimate comes from, its cost basis (year and index) and its accuracy, in one line for users. */
std::string_view costBasis();

} // namespace vorlan
