// The design search on Kern's Example 6.1 (Process Heat Transfer, 1950, ch. 6): benzene heated
// from 80 to 120 °F in the pipe by toluene cooled from 160 to 100 °F, R_d 0,001 (h ft² °F)/Btu each
// side, 20 ft hairpins, 10 psi allowed per stream. Kern ends at 3 hairpins of 2" x 1 1/4" IPS with
// U_C 149 and U_D 111 Btu/(h ft² °F) (846 and 630 W/(m² K)), 3,2 psi (22,1 kPa) in the pipe and
// 9,2 psi (63,4 kPa) in the annulus. The program's annulus drop is higher: Colebrook with the carbon
// steel's roughness where Kern takes a smooth-tube friction factor.
#include <gtest/gtest.h>

#include <algorithm>

#include <filesystem>

#include "calc/casefile.h"
#include "platform/appdir.h"
#include "platform/datafile.h"
#include "properties/userfluid.h"
#include "studies/designsearch.h"
#include "support/tempfolder.h"

namespace {

using namespace vorlan;

const std::string kDataFolder = QuestaDirectory() + "/data";

// Kern's properties (appendix, at the caloric temperatures): specific gravity, cp [Btu/(lb °F)],
// k [Btu/(h ft °F)] and mu [cP], in SI.
const UserFluid kKernBenzene {0.88f * 999, 0.425f * 4.1868f, 0.091f * 1.7307f, 0.50e-3};
const UserFluid kKernToluene {0.87f * 999, 0.44f * 4.1868f, 0.085f * 1.7307f, 0.41e-3};

TEST(DesignSearch, KernsPairWithTheLibrarysAndKernsProperties)
{
    // Benzene as the user-defined fluid, toluene as a second constant-property fluid.
    test::TempFolder folder;
    for (const char* file : {"condmat.dat", "Benzene.dat", "Toluene.dat"})
        std::filesystem::copy_file(kDataFolder + "/" + file, folder.path() + "/" + file);
    writeDataFile(folder.path() + "/User defined.dat", userFluidRecords(kKernBenzene));
    writeDataFile(folder.path() + "/Kern toluene.dat", userFluidRecords(kKernToluene));
    const std::vector<StandardPipe> catalogue = readPipeCatalogue(kDataFolder);
    const auto pipe = [&](const char* designation) {
        return *std::find_if(
            catalogue.begin(), catalogue.end(), [&](const StandardPipe& p) { return p.designation == designation; });
    };
    const DesignCandidate kern {pipe("1 1/4\" Sch 40"), pipe("2\" Sch 40"), false, std::nullopt, 1};
    for (const bool kernsProperties : {false, true}) {
        SCOPED_TRACE(kernsProperties ? "Kern's properties" : "the library's");
        CaseContents contents = readCaseFile(VORLAN_KERN_CASE);
        if (kernsProperties) {
            contents.setText(Quantity::InternalFluid, "User defined");
            contents.userFluid = kKernBenzene;
            contents.setText(Quantity::ExternalFluid, "Kern toluene");
        }
        Exchanger exchanger(folder.path());
        const TargetOutcome target = designTarget(exchanger, contents);
        ASSERT_TRUE(target.target) << target.message;
        const std::vector<Design> designs = evaluatePair(exchanger, *target.target, kern, DesignConstraints {});
        const Design& series = designs.front();
        ASSERT_TRUE(series.network) << series.broken;
        // Kern's 3 hairpins, U_D 111 and U_C 149 Btu/(h ft² °F) and 3,2 psi in the pipe; the
        // annulus above his 9,2 psi and the allowance (see the header), so Kern's remedy of two
        // parallel banks for the annulus's stream is the pair's design.
        EXPECT_EQ(series.hairpins, 3);
        EXPECT_NEAR(series.network->meanU, 630, 0.1 * 630);
        EXPECT_NEAR(series.network->meanCleanU, 846, 0.1 * 846);
        EXPECT_NEAR(series.network->internal.pressureDrop(), 22.1, 0.15 * 22.1);
        EXPECT_GT(series.network->external.pressureDrop(), 68.95);
        EXPECT_EQ(series.broken.find("pressure drop of"), 0u) << series.broken;
        ASSERT_EQ(designs.size(), 2u);
        EXPECT_EQ(designs[1].candidate.split, Side::External);
        EXPECT_EQ(designs[1].candidate.banks, 2);
        EXPECT_TRUE(designs[1].feasible()) << designs[1].broken;
    }
}

TEST(DesignSearch, EveryFeasibleDesignDoesTheDutyWithinTheAllowances)
{
    Exchanger exchanger(kDataFolder);
    DesignConstraints constraints;
    constraints.standards = {"ASME B36.10M"};
    const DesignSearch search
        = searchDesigns(exchanger, readCaseFile(VORLAN_KERN_CASE), readPipeCatalogue(kDataFolder), constraints);
    ASSERT_TRUE(search.target) << search.message;
    const DesignTarget& target = *search.target;

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

TEST(DesignSearch, AnEquicurrentSplitWhoseBanksMixPastTheOtherOutletIsSolved)
{
    // Kern's streams equicurrent at 30 kW: benzene in a 1" Sch 80 pipe split into two banks mixes
    // to an outlet past toluene's, which an equicurrent log-mean difference cannot take.
    CaseContents contents = readCaseFile(VORLAN_KERN_CASE);
    contents.counterCurrent = false;
    contents.setText(Quantity::Capacity, "30");
    contents.setText(Quantity::ExternalOutletTemperature, "50");
    const std::vector<StandardPipe> catalogue = readPipeCatalogue(kDataFolder);
    const auto pipe = [&](const char* designation) {
        return *std::find_if(
            catalogue.begin(), catalogue.end(), [&](const StandardPipe& p) { return p.designation == designation; });
    };
    DesignConstraints constraints;
    constraints.allowedPressureDrop = {200, 200};
    Exchanger exchanger(kDataFolder);
    const TargetOutcome target = designTarget(exchanger, contents);
    ASSERT_TRUE(target.target) << target.message;
    const Design d = evaluateDesign(
        exchanger, *target.target, {pipe("1\" Sch 80"), pipe("2\" Sch 10"), false, Side::Internal, 2}, constraints);
    EXPECT_TRUE(d.feasible()) << d.broken;
    EXPECT_GE(d.excess, 0);
}
