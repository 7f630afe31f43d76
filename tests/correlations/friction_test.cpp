#include "correlations/friction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/calcerror.h"

namespace vorlan {
namespace {

TEST(FrictionFactor, PublishedSmoothPipeValues)
{
    // Moody (1944) chart / Colebrook (1939) smooth-pipe values: 0.0309 at Re 1e4, 0.0180 at 1e5.
    EXPECT_NEAR(frictionFactor(0, 0.02f, 10000), 0.03088, 5e-5);
    EXPECT_NEAR(frictionFactor(0, 0.02f, 100000), 0.01799, 5e-5);
    EXPECT_EQ(frictionFactor(0, 0.02f, 1000), 0.064);
    EXPECT_NEAR(frictionFactor(0, 0.02f, 2299), 0.02784, 5e-6); // 64 / Re up to the threshold
    EXPECT_NEAR(frictionFactor(0, 0.02f, 2300), 0.04728, 5e-5); // Colebrook from it on: a jump
}

TEST(FrictionFactor, RoughPipeSatisfiesColebrook)
{
    const double eps = 4.6e-5;
    const float diameter = 0.05f;
    for (const double re : {5000.0, 1e5, 1e7}) {
        const double f = frictionFactor(eps, diameter, re);
        const double rhs = -2 * std::log10(eps / diameter / 3.71 + 2.51 / (re * std::sqrt(f)));
        EXPECT_NEAR(1 / std::sqrt(f), rhs, 1e-9) << re;
    }
    EXPECT_NEAR(frictionFactor(5e-5, 0.05f, 1e5), 0.0222, 3e-4); // Moody (1944) chart, eps/D = 0.001
}

TEST(FrictionFactor, InvalidReynoldsNumbersAreErrors)
{
    EXPECT_THROW(frictionFactor(0, 0.02f, 0), CalcError);
    EXPECT_THROW(frictionFactor(0, 0.02f, std::numeric_limits<double>::quiet_NaN()), CalcError);
    EXPECT_THROW(frictionFactor(0, 0, 5000), CalcError);
}

TEST(PressureDrop, DarcyWeisbachInKilopascal)
{
    EXPECT_NEAR(darcyPressureDrop(0.02, 0.02f, 10, 1000, 1), 5, 1e-6);
    // Laminar: 64 / Re with Re = 1000.
    EXPECT_NEAR(PerditaCarico(0, 0.02f, 10, 1000, 1000, 0.05f), 0.064 * 500 * 1000 * 0.0025 / 2 / 1000, 1e-8);
}

} // namespace
} // namespace vorlan
