// The purchase cost of a double-pipe exchanger against Turton's Table A.1 worked by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/calcerror.h"
#include "studies/designcost.h"

namespace {

using namespace vorlan;

TEST(DesignCost, FollowsTurtonsDoublePipeRowAndSharesALargeSurface)
{
    // Turton et al., 3rd ed., Table A.1, double pipe: log10 Cp0 = 3.3444 + 0.2745 x - 0.0472 x², x = log10 A,
    // 1 to 10 m², USD of 2001. By hand:
    //   A = 1:      x = 0,        log10 Cp0 = 3.3444                              Cp0 = 2210.04
    //   A = 5:      x = 0.698970, 3.3444 + 0.191867 - 0.023060 = 3.513207         Cp0 = 3259.92
    //   A = 10:     x = 1,        3.3444 + 0.2745 - 0.0472 = 3.5717               Cp0 = 3729.92
    //   A = 12:     2 of 6,       x = 0.778151, 3.3444 + 0.213603 - 0.028581 = 3.529422, 2 x 3383.93 = 6767.87
    //   A = 25:     3 of 8.3333,  x = 0.920819, 3.3444 + 0.252765 - 0.040021 = 3.557144, 3 x 3606.98 = 10820.9
    //   A = 0.5:    below the range, the 1 m² exchanger's cost.
    const struct {
        double surface; // [m²]
        double cost; // [USD of 2001]
        int units;
    } rows[] = {
        {1, 2210.04, 1},
        {5, 3259.92, 1},
        {10, 3729.92, 1},
        {0.5, 2210.04, 1},
        {12, 6767.87, 2},
        {20, 2 * 3729.92, 2},
        {25, 10820.9, 3},
    };
    for (const auto& row : rows) {
        const CostEstimate estimate = doublePipeCost(row.surface);
        EXPECT_NEAR(estimate.cost, row.cost, 1e-5 * row.cost) << row.surface << " m²";
        EXPECT_EQ(estimate.units, row.units) << row.surface << " m²";
    }
    EXPECT_NE(costBasis().find("CEPCI 397"), std::string_view::npos);
}

TEST(DesignCost, RefusesASurfaceItCannotCost)
{
    // Not positive, not finite, or more exchangers than an int counts.
    for (const double surface : {0.0, -3.0, std::nan(""), std::numeric_limits<double>::infinity(), 1e12})
        EXPECT_THROW(doublePipeCost(surface), CalcError) << surface;
}

} // namespace
