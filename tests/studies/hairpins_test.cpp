// Hairpins in series and in parallel: against Kern's closed form for constant properties, against
// one Calculate of the whole length, and against both streams' energy balance.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "platform/appdir.h"
#include "platform/datafile.h"
#include "properties/userfluid.h"
#include "studies/hairpinnetwork.h"
#include "support/tempfolder.h"
#include "support/watercase.h"

namespace {

using namespace vorlan;

const std::string kDataFolder = QuestaDirectory() + "/data";

// Two constant-property liquids: a light oil, hot, in the annulus and a water-like one, cold, inside.
const UserFluid kOil {850, 2.2f, 0.14f, 0.0008};
const UserFluid kCold {1000, 4.18f, 0.6f, 0.0008};

/**
 * A data folder with the materials and both constant-property fluids, and a 2" x 1 1/4" IPS
 * exchanger (60.33 x 3.91 and 42.16 x 3.56 mm) between them: 1.5 kg/s of oil from 150 °C in the
 * annulus, 2 kg/s inside from 20 °C, both turbulent also at a third of their flow (Re above 10^4
 * inside, about 8400 in the annulus at a third), so that U is the same in every hairpin.
 */
struct ConstantCase {
    test::TempFolder folder;
    CaseContents contents;

    ConstantCase()
    {
        std::filesystem::copy_file(kDataFolder + "/condmat.dat", folder.path() + "/condmat.dat");
        writeDataFile(folder.path() + "/Oil.dat", userFluidRecords(kOil));
        writeDataFile(folder.path() + "/Cold.dat", userFluidRecords(kCold));
        const std::pair<Quantity, const char*> texts[]
            = {{Quantity::InternalOutsideDiameter, "42,16"}, {Quantity::InternalThickness, "3,56"},
                {Quantity::ExternalOutsideDiameter, "60,33"}, {Quantity::ExternalThickness, "3,91"},
                {Quantity::Material, "Carbon steel"}, {Quantity::InternalFluid, "Cold"},
                {Quantity::ExternalFluid, "Oil"}, {Quantity::InternalPressure, "1"}, {Quantity::ExternalPressure, "1"},
                {Quantity::InternalInletTemperature, "20"}, {Quantity::ExternalInletTemperature, "150"},
                {Quantity::InternalMassFlow, "2"}, {Quantity::ExternalMassFlow, "1,5"},
                {Quantity::InternalFouling, "0,0002"}, {Quantity::ExternalFouling, "0,0002"}, {Quantity::Length, "10"}};
        for (const auto& [quantity, text] : texts)
            contents.setText(quantity, text);
        contents.setFlowMode(FlowMode::BothFlowsGiven);
    }
};

/**
 * Kern's series-parallel relation (Process Heat Transfer, 1950, ch. 6, eqs. 6.26 to 6.32), for
 * constant U and specific heats: a stream of rate Cs [kW/K] entering at T1 runs in series through
 * n counter-current banks of surface A/n each, against banks of rate Cb = Cp/n entering all at
 * t1 [°C]. With R' = Cb / Cs (Kern's R' = (T1 - T2) / (n (t2 - t1))) and P = (T1 - t1)/(T2 - t1),
 *   U A / Cs = n R' / (R' - 1) ln[(R' - 1)/R' P^(1/n) + 1/R'],
 *   gamma = dt / (T1 - t1) = (1 - 1/P) Cs / (U A),   q = U A dt.
 * U [kW/(m² K)], A [m²]; valid for R' != 1. Returns {T2, mixed t2, q [kW]}.
 */
std::array<double, 3> kernOutlets(double U, double A, double Cs, double Cp, int n, double T1, double t1)
{
    const double R = Cp / n / Cs;
    const double E = std::exp(U * A / Cs * (R - 1) / (n * R));
    const double P = std::pow((E * R - 1) / (R - 1), n);
    const double gamma = (1 - 1 / P) * Cs / (U * A);
    const double q = U * A * gamma * (T1 - t1);
    return {T1 - q / Cs, t1 + q / Cp, q};
}

TEST(HairpinNetwork, MatchesKernSeriesParallelForConstantProperties)
{
    struct Row {
        const char* name;
        std::optional<Side> split;
        long banks, hairpins;
    };
    const Row rows[] = {
        {"AllInSeries", {}, 1, 4},
        {"InsideInTwoBanks", Side::Internal, 2, 4},
        {"InsideInThreeBanks", Side::Internal, 3, 6},
        {"AnnulusInTwoBanks", Side::External, 2, 6},
        {"AnnulusInThreeBanks", Side::External, 3, 3},
    };
    ConstantCase c;
    Exchanger exchanger(c.folder.path());
    const double cInside = 2 * double(kCold.specificHeat), cAnnulus = 1.5 * double(kOil.specificHeat);
    for (const Row& row : rows) {
        const NetworkOutcome outcome = solveHairpins(exchanger, c.contents, {row.hairpins, 6, row.split, row.banks});
        ASSERT_TRUE(outcome.network) << row.name << ": " << outcome.message;
        const HairpinNetwork& n = *outcome.network;
        // The annulus, in series unless it is split, is the stream of rate Cs.
        const bool annulusInSeries = row.split != Side::External;
        const auto [seriesOut, otherOut, q] = annulusInSeries
            ? kernOutlets(n.meanU / 1000, n.surface, cAnnulus, cInside, int(row.banks), 150, 20)
            : kernOutlets(n.meanU / 1000, n.surface, cInside, cAnnulus, int(row.banks), 20, 150);
        // The closed form is exact for constant U and specific heats, and so is each hairpin's
        // log-mean solution; what remains is each hairpin's outlet iteration (0.001 K), the chain's
        // mismatch (0.001 K) and U's own iteration (0.01 W/(m² K)): three times 0.001 K (the rows
        // stay within 0.001 K).
        EXPECT_NEAR(n.external.outletTemperature, annulusInSeries ? seriesOut : otherOut, 0.003) << row.name;
        EXPECT_NEAR(n.internal.outletTemperature, annulusInSeries ? otherOut : seriesOut, 0.003) << row.name;
        EXPECT_NEAR(n.duty, std::fabs(q), 1e-4 * n.duty) << row.name;
        EXPECT_EQ(n.internal.paths * n.external.paths, row.banks) << row.name;
    }
}

TEST(HairpinNetwork, AllInSeriesIsOneCalculateOfTheWholeLength)
{
    // For constant properties and turbulent flow (no entry-length effect) N hairpins of two 6 m
    // legs are one exchanger of N x 12 m, co-current as counter-current.
    ConstantCase c;
    Exchanger exchanger(c.folder.path());
    for (const bool counterCurrent : {true, false})
        for (const long hairpins : {1L, 5L}) {
            c.contents.counterCurrent = counterCurrent;
            const NetworkOutcome network = solveHairpins(exchanger, c.contents, {hairpins, 6, {}, 1});
            ASSERT_TRUE(network.network) << network.message;
            CaseContents whole = c.contents;
            whole.setText(Quantity::Length, std::to_string(hairpins * 12));
            const CalcOutcome single = exchanger.calculate(whole);
            ASSERT_TRUE(single.solution) << single.message;
            const ResultRecord& r = single.solution->record;
            const HairpinNetwork& n = *network.network;
            const std::string row = std::to_string(hairpins) + (counterCurrent ? " counter-current" : " co-current");
            // Both are exact for constant properties up to the outlet iterations, as against Kern's
            // form above (the rows stay within 0.0003 K).
            EXPECT_NEAR(n.internal.outletTemperature, r.intTout, 0.003) << row;
            EXPECT_NEAR(n.external.outletTemperature, r.estTout, 0.003) << row;
            EXPECT_NEAR(n.duty, r.q, 1e-4 * r.q) << row;
            EXPECT_NEAR(n.surface, r.A, 1e-5 * r.A) << row;
            // Single precision: each hairpin's drop to 1e-7, the sum to a few 1e-7.
            EXPECT_NEAR(n.internal.pipePressureDrop, r.intDeltaP, 1e-5 * r.intDeltaP) << row;
            EXPECT_NEAR(n.external.pipePressureDrop, r.estDeltaP, 1e-5 * r.estDeltaP) << row;
            EXPECT_EQ(n.internal.bends.count, hairpins);
            EXPECT_GT(n.external.bends.pressureDrop, 0);
        }
}

TEST(HairpinNetwork, BothStreamsCarryTheDutyOfTheHairpins)
{
    // Water on both sides (properties vary with temperature), the internal flow the one the case's
    // own Calculate solves for its outlet of 60 °C: each stream's enthalpy change from its inlet to
    // its (mixed) outlet is the hairpins' duty, to the outlet tolerance of 0.002 K and the
    // single-precision duties, 2e-4 of it. Each hairpin's warnings are listed once by kind.
    CaseContents water;
    test::describeWaterCase(water, test::Mode::L1);
    FluidTables tables(kDataFolder);
    tables.setPressures("1", "1");
    tables.dbpropint("Water");
    for (const auto& split :
        {std::optional<Side>(), std::optional<Side>(Side::Internal), std::optional<Side>(Side::External)}) {
        Exchanger exchanger(kDataFolder);
        const NetworkOutcome outcome = solveHairpins(exchanger, water, {4, 2.5, split, split ? 2 : 1});
        ASSERT_TRUE(outcome.network) << outcome.message;
        const HairpinNetwork& n = *outcome.network;
        const double inside = n.internal.massFlow * double(n.internal.paths)
            * (tables.propHint(80) - tables.propHint(n.internal.outletTemperature));
        const double outside = n.external.massFlow * double(n.external.paths)
            * (tables.propHint(n.external.outletTemperature) - tables.propHint(20));
        EXPECT_GT(std::fabs(n.internal.massFlow * double(n.internal.paths) - 0.5), 0.01); // solved, not typed
        EXPECT_NEAR(inside, n.duty, 2e-4 * n.duty) << n.internal.paths;
        EXPECT_NEAR(outside, n.duty, 2e-4 * n.duty) << n.external.paths;
        // Half the annulus flow is in the transition band (Re about 7000) in every hairpin.
        const bool transition = std::any_of(n.warnings.begin(), n.warnings.end(), [](const NetworkWarning& w) {
            return w.first.kind == WarningKind::Transition && w.hairpins == std::vector<long> {1, 2, 3, 4};
        });
        EXPECT_EQ(transition, split == Side::External);
    }
}

TEST(HairpinNetwork, RefusalsSayWhy)
{
    CaseContents water;
    test::describeWaterCase(water, test::Mode::L3);
    CaseContents noFlow = water;
    noFlow.setText(Quantity::ExternalMassFlow, "");
    CaseContents hotterThanTable = water;
    hotterThanTable.setText(Quantity::InternalInletTemperature, "500");
    const std::tuple<HairpinArrangement, const CaseContents*, const char*> rows[] = {
        {{0, 6, {}, 1}, &water, "from 1 to"},
        {{2, 0, {}, 1}, &water, "leg length"},
        {{5, 6, Side::Internal, 2}, &water, "multiple of the number of banks"},
        {{4, 6, Side::Internal, 1}, &water, "at least 2 banks"},
        {{4, 6, {}, 1}, &noFlow, "both mass flows"},
        {{4, 6, {}, 1}, &hotterThanTable, "could not be solved"},
    };
    Exchanger exchanger(kDataFolder);
    for (const auto& [arrangement, contents, reason] : rows) {
        const NetworkOutcome outcome = solveHairpins(exchanger, *contents, arrangement);
        EXPECT_FALSE(outcome.network) << reason;
        EXPECT_NE(outcome.message.find(reason), std::string::npos) << outcome.message;
    }
}

} // namespace
