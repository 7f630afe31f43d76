// The design search on Kern's Example 6.1 (Process Heat Transfer, 1950, ch. 6): benzene heated
// from 80 to 120 °F in the pipe by toluene cooled from 160 to 100 °F, R_d 0,001 (h ft² °F)/Btu each
// side, 20 ft hairpins, 10 psi allowed per stream. Kern ends at 3 hairpins of 2" x 1 1/4" IPS with
// U_D 111 Btu/(h ft² °F) = 630 W/(m² K) and 3,2 psi (22 kPa) in the pipe, 9,2 psi (63 kPa) in the annulus.
#include <gtest/gtest.h>

#include <algorithm>

#include "calc/casefile.h"
#include "platform/appdir.h"
#include "studies/designsearch.h"

namespace {

using namespace vorlan;

const std::string kDataFolder = QuestaDirectory() + "/data";

const Design* find(const DesignSearch& search, const char* outer, const char* inner, bool swapped,
    std::optional<Side> split, long banks)
{
    const auto it = std::find_if(search.designs.begin(), search.designs.end(), [&](const Design& d) {
        const DesignCandidate& c = d.candidate;
        return c.outer.designation == outer && c.inner.designation == inner && c.swapped == swapped && c.split == split
            && c.banks == banks;
    });
    return it == search.designs.end() ? nullptr : &*it;
}

TEST(DesignSearch, KernExample61)
{
    Exchanger exchanger(kDataFolder);
    DesignConstraints constraints;
    constraints.standards = {"ASME B36.10M"};
    const DesignSearch search
        = searchDesigns(exchanger, readCaseFile(VORLAN_KERN_CASE), readPipeCatalogue(kDataFolder), constraints);
    ASSERT_TRUE(search.target) << search.message;
    const DesignTarget& target = *search.target;

    // Kern's own design: his 3 hairpins and U_D; the pipe's drop near his, the annulus's above the
    // allowance (the hydraulic diameter and Colebrook's rough pipe give more than his 9,2 psi).
    const Design* kern = find(search, "2\" Sch 40", "1 1/4\" Sch 40", false, std::nullopt, 1);
    ASSERT_TRUE(kern && kern->network);
    EXPECT_EQ(kern->hairpins, 3);
    EXPECT_NEAR(kern->network->meanU, 630, 0.1 * 630);
    EXPECT_NEAR(kern->network->internal.pressureDrop(), 22, 0.2 * 22);
    EXPECT_GT(kern->network->external.pressureDrop(), 63);
    EXPECT_EQ(kern->broken.find("pressure drop of Toluene in the annulus"), 0u) << kern->broken;
    // Kern's remedy, the annulus's stream in two banks, meets both allowances.
    const Design* banks = find(search, "2\" Sch 40", "1 1/4\" Sch 40", false, Side::External, 2);
    ASSERT_TRUE(banks);
    EXPECT_TRUE(banks->feasible()) << banks->broken;

    // Every feasible design does the duty within both allowances, with no whole hairpin to spare
    // all in series, ranked by installed surface.
    double surface = 0;
    ASSERT_TRUE(search.designs.front().feasible());
    EXPECT_TRUE(search.designs.front().nonDominated);
    for (const Design& d : search.designs) {
        if (!d.feasible())
            continue;
        const HairpinNetwork& n = *d.network;
        EXPECT_GE(n.duty, target.duty * (1 - 1e-4));
        const std::size_t inside = d.candidate.swapped ? 1 : 0;
        EXPECT_LE(n.internal.pressureDrop(), constraints.allowedPressureDrop[inside]);
        EXPECT_LE(n.external.pressureDrop(), constraints.allowedPressureDrop[1 - inside]);
        EXPECT_EQ(d.hairpins % d.candidate.banks, 0);
        EXPECT_GE(d.excess, 0);
        if (!d.candidate.split) {
            EXPECT_GT(d.requiredSurface, n.surface * double(d.hairpins - 1) / double(d.hairpins));
        }
        EXPECT_GE(n.surface, surface);
        surface = n.surface;
    }

    // The best design put into the main window calculates the duty its network found.
    const Design& best = search.designs.front();
    const CalcOutcome asCase = exchanger.calculate(designCase(target, best));
    ASSERT_TRUE(asCase.solution) << asCase.message;
    if (!best.candidate.split) {
        EXPECT_NEAR(asCase.solution->record.q, best.network->duty, 1e-3 * best.network->duty);
    }
    EXPECT_EQ(designCase(target, best).text(Quantity::InternalFluid), best.candidate.swapped ? "Toluene" : "Benzene");
}

} // namespace
