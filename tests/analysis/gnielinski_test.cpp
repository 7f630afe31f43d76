// Gnielinski's tube and annulus rules, the laminar annulus friction and the effectiveness-NTU
// formulas against published values and hand calculations.
#include "analysis/gnielinski.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/effectiveness.h"
#include "analysis/warnings.h"

namespace vorlan {
namespace {

struct Row {
    const char* name;
    double actual;
    double expected;
    double tolerance; // relative
};

void expectRows(std::initializer_list<Row> rows)
{
    for (const Row& row : rows)
        EXPECT_NEAR(row.actual / row.expected, 1, row.tolerance) << row.name;
}

TEST(Gnielinski, HandCalculations)
{
    // Each value worked by hand from the formulas of VDI Heat Atlas, 2nd ed., G1 and G2:
    // tube, Re = 10^4, Pr = 0.7, d/L -> 0: xi = 5.7^-2 = 0.030779, Nu = 0.0038474 * 7000 / 1.3419 = 32.319;
    // tube, Re = 5 10^4, Pr = 5, d/L = 0.01: xi = 0.020654, Nu = 301.31;
    // laminar tube, Re = 1000, Pr = 5, d/L = 0.01 (Re Pr d/L = 50): Nu = (49.03 + 0.343 + 144.67 + 47.46)^(1/3)
    // = 6.2275; laminar annulus, a = 0.5, same groups: Nu1 = 5.7493, Nu2 = 7.1277, Nu3 = 3.6205, Nu = 8.4325; turbulent
    // annulus, Re = 2 10^4, Pr = 3, d_h/L = 0.005, a = 0.5: Re* = 13438, xi = 0.028428, k1 = 1.09468, F_ann = 0.75 *
    // 0.5^-0.17 = 0.84379, Nu = 96.824.
    expectRows({
        {"Konakov at 10^4", konakovFriction(1e4), 0.0307787, 1e-5},
        {"Konakov at 10^5", konakovFriction(1e5), 1 / 56.25, 1e-12},
        {"tube turbulent", gnielinskiTubeTurbulent(1e4, 0.7, 0), 32.3192, 1e-5},
        {"tube turbulent, short", gnielinskiTubeTurbulent(5e4, 5, 0.01), 301.310, 1e-5},
        {"tube laminar", gnielinskiTubeLaminar(1000, 5, 0.01), 6.22745, 1e-5},
        {"annulus laminar", gnielinskiAnnulusLaminar(1000, 5, 0.01, 0.5), 8.43252, 1e-5},
        {"annulus turbulent", gnielinskiAnnulusTurbulent(2e4, 3, 0.005, 0.5), 96.8245, 1e-5},
    });
}

TEST(Gnielinski, FullyDevelopedLaminarLimits)
{
    // Incropera, Fundamentals of Heat and Mass Transfer, 6th ed., table 8.2: annulus with the inner
    // surface at constant temperature and the outer one insulated; VDI G2 fits it within 3 %.
    expectRows({
        {"tube", gnielinskiTubeLaminar(0, 5, 0.01), 3.66, 1e-12},
        {"a = 0.1", gnielinskiAnnulusLaminar(0, 5, 0.01, 0.1), 11.56, 0.03},
        {"a = 0.25", gnielinskiAnnulusLaminar(0, 5, 0.01, 0.25), 7.37, 0.03},
        {"a = 0.5", gnielinskiAnnulusLaminar(0, 5, 0.01, 0.5), 5.74, 0.03},
        {"a = 1", gnielinskiAnnulusLaminar(0, 5, 0.01, 1.0), 4.86, 1e-12},
    });
}

TEST(Gnielinski, BlendRunsBetweenTheLimitValues)
{
    const double laminar2300 = gnielinskiTubeLaminar(2300, 5, 0.01);
    const double turbulent10000 = gnielinskiTubeTurbulent(1e4, 5, 0.01);
    EXPECT_DOUBLE_EQ(gnielinskiTube(2299, 5, 0.01), gnielinskiTubeLaminar(2299, 5, 0.01));
    EXPECT_DOUBLE_EQ(gnielinskiTube(2300, 5, 0.01), laminar2300); // weight 0
    EXPECT_DOUBLE_EQ(gnielinskiTube(6150, 5, 0.01), (laminar2300 + turbulent10000) / 2); // midway
    EXPECT_DOUBLE_EQ(gnielinskiTube(1e4, 5, 0.01), turbulent10000); // weight 1
    EXPECT_NEAR(gnielinskiTube(6150, 5, 0.01), 44.1812, 1e-3); // by hand: (8.3443 + 80.0181) / 2
    const double annulusMid
        = (gnielinskiAnnulusLaminar(2300, 3, 0.005, 0.5) + gnielinskiAnnulusTurbulent(1e4, 3, 0.005, 0.5)) / 2;
    EXPECT_DOUBLE_EQ(gnielinskiAnnulus(6150, 3, 0.005, 0.5), annulusMid);
}

TEST(Gnielinski, TurbulentTubeAgreesWithDittusBoelter)
{
    // Physics that must hold: in 10^4..10^5 and Pr 0.7..3 the two turbulent rules for fully
    // developed flow agree within about 15 % (Incropera, section 8.5).
    for (const double re : {1e4, 3e4, 1e5}) {
        for (const double pr : {0.7, 1.5, 3.0}) {
            const double dittusBoelter = 0.023 * std::pow(re, 0.8) * std::pow(pr, 0.4);
            EXPECT_NEAR(gnielinskiTubeTurbulent(re, pr, 0) / dittusBoelter, 1, 0.15) << re << " " << pr;
        }
    }
}

TEST(AnnulusFriction, ShahAndLondon)
{
    // Shah and London (1978), table of f Re (Fanning) for concentric annuli: r* = 0.5 gives 23.813,
    // r* = 0.01 gives 20.028; the Darcy value is four times that. The wide gap tends to 96.
    expectRows({
        {"a = 0.5", annulusFrictionReynolds(0.5), 4 * 23.813, 1e-4},
        {"a = 0.01", annulusFrictionReynolds(0.01), 4 * 20.028, 1e-4},
        {"a -> 1", annulusFrictionReynolds(0.9999), 96, 1e-4},
    });
}

TEST(Effectiveness, PublishedValues)
{
    // ht.hx.effectiveness_from_NTU: counterflow N = 5, Cr = 0.7 gives 0.920670368605.
    expectRows({
        {"counter, N 5, Cr 0.7", effectiveness(5, 0.7, true), 0.920670368605, 1e-11},
        {"counter, Cr = 1", effectiveness(1, 1, true), 0.5, 1e-12},
        {"counter, Cr -> 1", effectiveness(1, 1 - 1e-7, true), 0.5, 1e-6},
        {"counter, Cr = 0", effectiveness(2, 0, true), 1 - std::exp(-2.0), 1e-12},
        {"co, Cr = 0", effectiveness(2, 0, false), 1 - std::exp(-2.0), 1e-12},
        {"co, N 1, Cr 0.5", effectiveness(1, 0.5, false), (1 - std::exp(-1.5)) / 1.5, 1e-12},
        {"co, Cr 1, N large", effectiveness(50, 1, false), 0.5, 1e-12},
    });
}

} // namespace
} // namespace vorlan
