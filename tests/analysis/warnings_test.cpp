// Each warning raised by a case built for it, none on a plain water/water case, and the rules'
// table as the one place of the thresholds.
#include "analysis/warnings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>

#include "analysis/analysistext.h"
#include "analysis/warningrules.h"
#include "solvedcases.h"
#include "support/tempfolder.h"

namespace vorlan {
namespace {

using test::Changes;
using test::Mode;
using test::SolvedTestCase;

std::set<WarningKind> rulesRaised(const CaseAnalysis& a)
{
    std::set<WarningKind> rules;
    for (const Warning& warning : a.warnings)
        rules.insert(warning.kind);
    return rules;
}

TEST(Warnings, PlainWaterCaseHasNone)
{
    // 0.5 kg/s of water on each side: turbulent, about 1.6 m/s in the tube and 0.5 m/s in the
    // annulus, 10 K and more at both ends.
    SolvedTestCase solved(Mode::L1, true, {});
    ASSERT_TRUE(solved.outcome.solution);
    const CaseAnalysis a = solved.analyse();
    EXPECT_TRUE(a.warnings.empty()) << a.warnings.front().text;
    ASSERT_EQ(warningLines(a).size(), 1u);
    EXPECT_EQ(warningLines(a)[0], "No warnings: every check of the solved case passed.");
}

struct WarningCase {
    const char* name;
    Mode mode;
    Changes changes;
    std::vector<WarningKind> rules; // each must be raised
};

const WarningCase kCases[] = {
    // Annulus at 0.2 kg/s: Re about 5000.
    {"AnnulusInTransition", Mode::L1, {{Quantity::ExternalMassFlow, "0,2"}},
        {WarningKind::Transition, WarningKind::LiquidVelocityAnnulus}},
    // The worked example with water in the annulus, 1.8 m long: the solved internal flow is laminar at
    // Re 2108, while 1.85 m gives a turbulent Re 10405 and five times the duty.
    {"SolvedFlowNextToTheTransitionBand", Mode::L1,
        {{Quantity::ExternalInletTemperature, "15"}, {Quantity::ExternalMassFlow, "0,6"},
            {Quantity::InternalFouling, "0,0001"}, {Quantity::ExternalFouling, "0,0002"}, {Quantity::Length, "1,8"}},
        {WarningKind::NearTransition, WarningKind::Transition}},
    // 8 g/s of glycol in 12 m of annulus: laminar, Gz about 1.8 (the example of the user guide).
    {"GlycolNearTheGraetzJump", Mode::L1,
        {{Quantity::ExternalFluid, "Ethylene Glycol 30%"}, {Quantity::ExternalInletTemperature, "15"},
            {Quantity::ExternalMassFlow, "0,008"}, {Quantity::Length, "12"}},
        {WarningKind::GraetzJump, WarningKind::CrossCheck, WarningKind::LaminarAnnulusFriction,
            WarningKind::LiquidVelocityAnnulus}},
    // Air cooled from 150 to 60 degC in the tube: Pr just below 0.7, far too fast for its pressure.
    {"HotAirInTheTube", Mode::L1,
        {{Quantity::InternalFluid, "Air"}, {Quantity::InternalInletTemperature, "150"},
            {Quantity::InternalOutletTemperature, "60"}, {Quantity::ExternalMassFlow, "0,3"}},
        {WarningKind::TurbulentPrandtl, WarningKind::GasVelocity, WarningKind::GasPressureDrop}},
    // 15 cm of turbulent tube: L/d = 7.
    {"ShortTube", Mode::L3, {{Quantity::Length, "0,15"}}, {WarningKind::LengthRatio}},
    // 2 kg/s of water in a 21 mm tube: 5.8 m/s and well over half a bar.
    {"FastWater", Mode::L3, {{Quantity::InternalMassFlow, "2"}, {Quantity::ExternalMassFlow, "2"}},
        {WarningKind::LiquidVelocityTube, WarningKind::LiquidPressureDrop}},
    // 240 m at 0.5 kg/s on both sides: NTU near 20, both ends about 2.9 K apart.
    {"LongExchanger", Mode::L3, {{Quantity::Length, "240"}}, {WarningKind::CloseApproach}},
    // 100 kg/s of water in a 21 mm tube: about 290 m/s, far more than the 100 kPa of 1 bar lost.
    {"WaterFasterThanItsPressureAllows", Mode::L3, {{Quantity::InternalMassFlow, "100"}},
        {WarningKind::PressureDropBeyondPressure}},
    // 2 kg/s of air at 1 bar in the annulus: above 300 m/s, where air at 20 to 40 degC chokes (sqrt(p/rho),
    // 1E5 Pa / 1.2 kg/m^3 gives 290 m/s).
    {"AirFasterThanSound", Mode::L3, {{Quantity::ExternalFluid, "Air"}, {Quantity::ExternalMassFlow, "2"}},
        {WarningKind::SpeedOfSound, WarningKind::PressureDropBeyondPressure}},
};

class EachWarning : public ::testing::TestWithParam<WarningCase> { };

TEST_P(EachWarning, IsRaisedByItsCase)
{
    const WarningCase& c = GetParam();
    SolvedTestCase solved(c.mode, true, c.changes);
    ASSERT_TRUE(solved.outcome.solution) << solved.outcome.message << ": " << solved.outcome.detail;
    const CaseAnalysis a = solved.analyse();
    ASSERT_TRUE(a.details) << a.detailsMissing;
    const std::set<WarningKind> raised = rulesRaised(a);
    for (const WarningKind rule : c.rules)
        EXPECT_TRUE(raised.contains(rule)) << warningRule(rule).name;
    for (const Warning& warning : a.warnings)
        EXPECT_TRUE(std::any_of(warning.text.begin(), warning.text.end(), ::isdigit)) << warning.text;
}

INSTANTIATE_TEST_SUITE_P(Cases, EachWarning, ::testing::ValuesIn(kCases),
    [](const ::testing::TestParamInfo<WarningCase>& info) { return std::string(info.param.name); });

TEST(Warnings, TheNumbersBehindTheCases)
{
    // The thresholds of the cases above are really crossed, and only just where a case is near one.
    SolvedTestCase air(Mode::L1, true,
        {{Quantity::InternalFluid, "Air"}, {Quantity::InternalInletTemperature, "150"},
            {Quantity::InternalOutletTemperature, "60"}, {Quantity::ExternalMassFlow, "0,3"}});
    const CaseAnalysis a = air.analyse(0);
    ASSERT_TRUE(a.details);
    EXPECT_LT(a.details->internal.Pr, warningRule(WarningKind::TurbulentPrandtl).low);
    EXPECT_TRUE(isGas(a.details->internal.rho));
    EXPECT_FALSE(isGas(a.details->external.rho));
    SolvedTestCase glycol(Mode::L1, true,
        {{Quantity::ExternalFluid, "Ethylene Glycol 30%"}, {Quantity::ExternalInletTemperature, "15"},
            {Quantity::ExternalMassFlow, "0,008"}, {Quantity::Length, "12"}});
    const CaseAnalysis g = glycol.analyse(0);
    ASSERT_TRUE(g.details && g.crossCheck);
    EXPECT_LT(g.details->external.Gz, 2); // the constant 3.66: one step more flow and the jump comes
    EXPECT_GT(g.crossCheck->spread, warningRule(WarningKind::CrossCheck).low);
}

TEST(Warnings, NearTheTransitionBandOnBothSidesOfIt)
{
    // The worked example with water in the annulus jumps across the band between 1.80 and 1.85 m;
    // both solutions are warned of, the laminar one below 2300 and the turbulent one above 10 000.
    const Changes waterAnnulus {{Quantity::ExternalInletTemperature, "15"}, {Quantity::ExternalMassFlow, "0,6"},
        {Quantity::InternalFouling, "0,0001"}, {Quantity::ExternalFouling, "0,0002"}};
    for (const char* length : {"1,8", "1,85"}) {
        Changes changes = waterAnnulus;
        changes.emplace_back(Quantity::Length, length);
        SolvedTestCase solved(Mode::L1, true, changes);
        ASSERT_TRUE(solved.outcome.solution) << solved.outcome.message;
        const double Re = solved.outcome.solution->record.Rei;
        EXPECT_TRUE(Re < 2300 ? Re > 2070 : Re > 10000 && Re < 11000) << Re;
        const CaseAnalysis a = solved.analyse(0);
        EXPECT_TRUE(std::any_of(a.warnings.begin(), a.warnings.end(), [](const Warning& w) {
            return w.kind == WarningKind::NearTransition && w.text.starts_with("Internal pipe:");
        })) << length;
    }
    // The plain water case sits at Re about 115 000 and 12 900: beyond 10 % of the band, no warning.
    SolvedTestCase plain(Mode::L1, true, {});
    EXPECT_FALSE(rulesRaised(plain.analyse(0)).contains(WarningKind::NearTransition));
}

TEST(Warnings, ViscousFluidOutsideItsTableAndTheViscosityRange)
{
    // An oil whose viscosity falls e-fold every 15 K, tabulated only up to 60 degC, heated by water
    // at 80 degC: the wall lies beyond the table and mu/mu_w beyond 9.75.
    test::TempFolder folder;
    const std::string shipped = QuestaDirectory() + "/data/";
    std::filesystem::copy_file(shipped + "Water.dat", folder.path() + "/Water.dat");
    std::filesystem::copy_file(shipped + "condmat.dat", folder.path() + "/condmat.dat");
    std::string oil;
    for (int t = 0; t <= 60; t += 5)
        oil += std::to_string(t) + ",1,880,2,0.14," + std::to_string(std::exp(-t / 15.0)) + "," + std::to_string(2 * t)
            + "\r\n";
    folder.write("Oil.dat", oil);
    SolvedTestCase solved(Mode::L1, true,
        {{Quantity::ExternalFluid, "Oil"}, {Quantity::ExternalInletTemperature, "20"},
            {Quantity::ExternalMassFlow, "0,5"}},
        folder.path());
    ASSERT_TRUE(solved.outcome.solution) << solved.outcome.message << ": " << solved.outcome.detail;
    const CaseAnalysis a = solved.analyse();
    ASSERT_TRUE(a.details) << a.detailsMissing;
    const std::set<WarningKind> raised = rulesRaised(a);
    EXPECT_TRUE(raised.contains(WarningKind::TableRange));
    EXPECT_TRUE(raised.contains(WarningKind::ViscosityRatio));
    EXPECT_GE(a.details->external.wallTemperature, 60);
}

TEST(Warnings, TemperatureCrossInASolution)
{
    // A solution whose hot outlet (30 degC) lies below the cold inlet (40 degC) in counter-current flow.
    SolvedCase solved;
    solved.record.configuration = Configuration::Countercurrent;
    solved.record.intTin = 80;
    solved.record.intTout = 30;
    solved.record.estTin = 40;
    solved.record.estTout = 70;
    const std::vector<Warning> warnings = caseWarnings(solved, std::nullopt, std::nullopt);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].kind, WarningKind::TemperatureCross);
    EXPECT_NE(warnings[0].text.find("-10"), std::string::npos) << warnings[0].text;

    solved.record.intTout = 42.5; // 2.5 K at the cold end
    const std::vector<Warning> close = caseWarnings(solved, std::nullopt, std::nullopt);
    ASSERT_EQ(close.size(), 1u);
    EXPECT_EQ(close[0].kind, WarningKind::CloseApproach);
    EXPECT_NE(close[0].text.find("2,5 K"), std::string::npos) << close[0].text;
}

TEST(Warnings, ImpossibleResultsAreTheMostSevereAndSaySo)
{
    // 100 kg/s of water in the 21 mm tube loses far more than its 1 bar (100 kPa).
    SolvedTestCase fast(Mode::L3, true, {{Quantity::InternalMassFlow, "100"}});
    ASSERT_TRUE(fast.outcome.solution);
    EXPECT_GT(fast.outcome.solution->record.intDeltaP, 100);
    const CaseAnalysis a = fast.analyse(0);
    const Warning* worst = mostSevere(a.warnings);
    ASSERT_NE(worst, nullptr);
    EXPECT_EQ(worst->kind, WarningKind::PressureDropBeyondPressure);
    EXPECT_EQ(severityOf(*worst), Severity::Impossible);
    EXPECT_TRUE(worst->text.starts_with("Physically impossible: Internal pipe: pressure drop")) << worst->text;
    EXPECT_EQ(
        warningsSummary(a.warnings), std::to_string(a.warnings.size()) + " warnings, the most severe: " + worst->text);

    const std::pair<std::vector<Warning>, std::string> summaries[] = {
        {{}, "No warnings: every check of the solved case passed."},
        {{{WarningKind::CloseApproach, "Close."}}, "1 warning: Close."},
        {{{WarningKind::CloseApproach, "Close."}, {WarningKind::Transition, "Band."},
             {WarningKind::GraetzJump, "Jump."}},
            "3 warnings, the most severe: Band."},
    };
    for (const auto& [warnings, summary] : summaries)
        EXPECT_EQ(warningsSummary(warnings), summary);
}

TEST(WarningRules, EveryRuleHasItsWordsAndIsFoundByItsKind)
{
    std::set<std::string_view> names;
    for (const WarningRule& rule : warningRules()) {
        EXPECT_TRUE(names.insert(rule.name).second) << rule.name;
        EXPECT_FALSE(rule.condition.empty()) << rule.name;
        EXPECT_FALSE(rule.reason.empty()) << rule.name;
        EXPECT_FALSE(rule.source.empty()) << rule.name;
        EXPECT_EQ(&warningRule(rule.kind), &rule);
    }
    EXPECT_GE(names.size(), 9u);
    EXPECT_EQ(warningRule(WarningKind::Transition).low, 2300);
    EXPECT_EQ(warningRule(WarningKind::Transition).high, 10000);
}

} // namespace
} // namespace vorlan
