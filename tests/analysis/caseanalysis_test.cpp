// The analysis of solved cases on the shipped tables: it changes nothing of the calculation, its
// numbers obey the physics every solution must satisfy, and what cannot be computed says why.
#include "analysis/caseanalysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <tuple>

#include "analysis/analysistext.h"
#include "analysis/numberformat.h"
#include "correlations/kernels.h"
#include "solvedcases.h"
#include "support/tempfolder.h"

namespace vorlan {
namespace {

using test::Changes;
using test::Mode;
using test::SolvedTestCase;

template <typename T> bool sameBits(T a, T b) { return std::memcmp(&a, &b, sizeof a) == 0; }

/** Every field of two records, bit for bit. */
void expectSameRecord(const ResultRecord& a, const ResultRecord& b)
{
    const float singles[][2] = {{a.q, b.q}, {a.A, b.A}, {a.L, b.L}, {a.U, b.U}, {a.deti, b.deti}, {a.spi, b.spi},
        {a.dete, b.dete}, {a.spe, b.spe}, {a.intpress, b.intpress}, {a.estpress, b.estpress}, {a.intPort, b.intPort},
        {a.estPort, b.estPort}, {a.intVel, b.intVel}, {a.estVel, b.estVel}, {a.intDeltaP, b.intDeltaP},
        {a.estDeltaP, b.estDeltaP}};
    for (const auto& pair : singles)
        EXPECT_TRUE(sameBits(pair[0], pair[1])) << pair[0] << " " << pair[1];
    const double doubles[][2] = {{a.intTin, b.intTin}, {a.intTout, b.intTout}, {a.estTin, b.estTin},
        {a.estTout, b.estTout}, {a.intSporc, b.intSporc}, {a.estSporc, b.estSporc}, {a.Rei, b.Rei}, {a.Ree, b.Ree}};
    for (const auto& pair : doubles)
        EXPECT_TRUE(sameBits(pair[0], pair[1])) << pair[0] << " " << pair[1];
    EXPECT_EQ(a.configuration, b.configuration);
    EXPECT_EQ(a.mat, b.mat);
    EXPECT_EQ(a.intfluid, b.intfluid);
    EXPECT_EQ(a.estfluid, b.estfluid);
}

class EveryMode : public ::testing::TestWithParam<std::tuple<Mode, bool>> { };

TEST_P(EveryMode, AnalysisChangesNoWriteBackAndNoRecord)
{
    const auto [mode, counter] = GetParam();
    SolvedTestCase plain(mode, counter, {});
    SolvedTestCase analysed(mode, counter, {});
    ASSERT_TRUE(plain.outcome.solution) << plain.outcome.message;
    ASSERT_TRUE(analysed.outcome.solution);
    const CaseAnalysis analysis = analysed.analyse();
    ASSERT_TRUE(analysis.details) << analysis.detailsMissing;
    expectSameRecord(plain.outcome.solution->record, analysed.outcome.solution->record);
    EXPECT_EQ(plain.outcome.writeBacks, analysed.outcome.writeBacks);
    EXPECT_EQ(plain.form.texts, analysed.form.texts);

    // The exchanger that was analysed calculates the same case to the same bits once more.
    const CalcOutcome again = analysed.exchanger->calculate(analysed.form);
    ASSERT_TRUE(again.solution);
    expectSameRecord(plain.outcome.solution->record, again.solution->record);
    const CaseAnalysis secondAnalysis = analysed.analyse();
    ASSERT_TRUE(secondAnalysis.details);
    EXPECT_EQ(secondAnalysis.details->internal.h, analysis.details->internal.h); // each calculation's own tables
}

std::string modeName(const ::testing::TestParamInfo<std::tuple<Mode, bool>>& info)
{
    return std::string(test::modeName(std::get<0>(info.param))) + (std::get<1>(info.param) ? "Counter" : "Co");
}

INSTANTIATE_TEST_SUITE_P(
    Analysis, EveryMode, ::testing::Combine(::testing::ValuesIn(test::kModes), ::testing::Bool()), modeName);

/** A fluid pair on the water case's temperatures: (name, internal fluid, external fluid, changes). */
struct FluidPair {
    const char* name;
    Changes changes;
};

const FluidPair kPairs[] = {
    {"WaterWater", {}},
    {"WaterMethanol",
        {{Quantity::ExternalFluid, "Methanol 40%"}, {Quantity::ExternalInletTemperature, "5"},
            {Quantity::ExternalOutletTemperature, "30"}}}, // its table ends at 40 degC
    {"WaterPropyleneGlycol", {{Quantity::ExternalFluid, "Propylene Glycol 30%"}}},
};

/** A shipped fluid's table at 1 bar, loaded once, for the enthalpies and specific heats of a test. */
class ShippedFluid {
public:
    explicit ShippedFluid(const std::string& fluid)
        : m_tables(QuestaDirectory() + "/data")
    {
        m_tables.setPressures("1", "1");
        m_tables.dbpropint(fluid);
        m_tables.dbpropest(fluid);
        RiduciVettori(m_tables);
    }

    /** Specific enthalpy [kJ/kg] at t [degC]. */
    double enthalpy(double t) { return m_tables.propHint(t); }
    /** Specific heat [kJ/(kg K)] at t [degC]. */
    double cp(double t)
    {
        m_tables.propint(t);
        return m_tables.intSide.Cp;
    }

private:
    FluidTables m_tables;
};

class Physics : public ::testing::TestWithParam<std::tuple<Mode, bool, int>> { };

TEST_P(Physics, SolvedCaseObeysEffectivenessEnergyBalanceAndResistances)
{
    const auto [mode, counter, pair] = GetParam();
    SolvedTestCase solved(mode, counter, kPairs[pair].changes);
    ASSERT_TRUE(solved.outcome.solution) << solved.outcome.message;
    const ResultRecord& r = solved.outcome.solution->record;
    const CaseAnalysis a = solved.analyse();
    ASSERT_TRUE(a.details && a.effectiveness && a.crossCheck && a.profile) << a.detailsMissing << a.profileMissing;

    // The effectiveness-NTU duty with the solved U agrees within the iterations' tolerances.
    EXPECT_NEAR(a.effectiveness->dutyNtu / r.q, 1, 0.02);
    EXPECT_GT(a.effectiveness->effectiveness, 0);
    EXPECT_LT(a.effectiveness->effectiveness, 1);

    // The resistances add up to 1/U, and U from them is the solved U within its tolerance.
    const Resistances& res = a.details->resistances;
    const double shares = (res.internalFilm + res.wall + res.externalFilm + res.internalFouling + res.externalFouling)
        / res.total() * 100;
    EXPECT_NEAR(shares, 100, 1e-9);
    EXPECT_NEAR(res.U / r.U, 1, 2e-3);
    EXPECT_GE(res.cleanU, res.U);

    // The recomputed flows are the record's: same geometry, same properties up to the tables' drift.
    EXPECT_NEAR(a.details->internal.Re / r.Rei, 1, 1e-6);
    EXPECT_NEAR(a.details->external.Re / r.Ree, 1, 1e-6);
    EXPECT_NEAR(a.details->internal.pressureDrop / r.intDeltaP, 1, 1e-5);

    // The marched profile lands on the solved outlets and keeps the energy balance everywhere.
    const Profile& p = *a.profile;
    ASSERT_EQ(p.points.size(), std::size_t(kProfileSegments + 1));
    const bool internalHot = r.intTin > r.estTin;
    ShippedFluid hotFluid(internalHot ? r.intfluid : r.estfluid);
    ShippedFluid coldFluid(internalHot ? r.estfluid : r.intfluid);
    // The log-mean solution is exact for constant specific heats: where each stream's cp changes by
    // less than 1 % over its range, the march at NTU < 5 lands within 0.05 K; a kelvin otherwise.
    const auto cpChange
        = [](ShippedFluid& fluid, double a, double b) { return std::fabs(fluid.cp(a) / fluid.cp(b) - 1); };
    const bool constantCp
        = cpChange(hotFluid, internalHot ? r.intTin : r.estTin, internalHot ? r.intTout : r.estTout) < 0.01
        && cpChange(coldFluid, internalHot ? r.estTin : r.intTin, internalHot ? r.estTout : r.intTout) < 0.01;
    if (a.effectiveness->ntu < 5) {
        const double tolerance = constantCp ? 0.05 : 1.0;
        EXPECT_LT(std::fabs(p.hotOutletMiss), tolerance);
        EXPECT_LT(std::fabs(p.coldEndMiss), tolerance);
    }
    const float hotFlow = internalHot ? r.intPort : r.estPort;
    const float coldFlow = internalHot ? r.estPort : r.intPort;
    const double hotIn = hotFluid.enthalpy(internalHot ? r.intTin : r.estTin);
    const double coldAtHotInlet
        = coldFluid.enthalpy(counter ? (internalHot ? r.estTout : r.intTout) : (internalHot ? r.estTin : r.intTin));
    for (const ProfilePoint& point : p.points) {
        const double hotDuty = hotFlow * (hotIn - hotFluid.enthalpy(point.tHot));
        const double coldDuty = coldFlow * std::fabs(coldFluid.enthalpy(point.tCold) - coldAtHotInlet);
        EXPECT_NEAR(hotDuty, coldDuty, 1e-3 * r.q) << point.x;
        EXPECT_NEAR(point.duty, hotDuty, 1e-3 * r.q);
        EXPECT_GT(point.tHot, point.tWall);
        EXPECT_GT(point.tWall, point.tCold);
    }
    EXPECT_NEAR(p.duty / r.q, 1, 0.02);
}

std::string physicsName(const ::testing::TestParamInfo<std::tuple<Mode, bool, int>>& info)
{
    const auto [mode, counter, pair] = info.param;
    return std::string(test::modeName(mode)) + (counter ? "Counter" : "Co") + kPairs[pair].name;
}

INSTANTIATE_TEST_SUITE_P(ShippedFluids, Physics,
    ::testing::Combine(::testing::ValuesIn(test::kModes), ::testing::Bool(), ::testing::Range(0, 3)), physicsName);

TEST(ProfileKnownDeviation, VariableSpecificHeatMovesTheMarchedEnds)
{
    // Kept visible: the log-mean solution takes each stream's specific heat as constant, the march
    // follows the table's enthalpy. A glycol heated from 15 to 74 degC (cp +5 %) at NTU 2.6 lands
    // its marched cold end about a kelvin from the solved inlet.
    SolvedTestCase solved(Mode::L3, true,
        {{Quantity::ExternalFluid, "Ethylene Glycol 30%"}, {Quantity::ExternalInletTemperature, "15"},
            {Quantity::InternalMassFlow, "0,05"}, {Quantity::ExternalMassFlow, "0,008"}, {Quantity::Length, "12"}});
    ASSERT_TRUE(solved.outcome.solution) << solved.outcome.message;
    const CaseAnalysis a = solved.analyse();
    ASSERT_TRUE(a.profile && a.effectiveness);
    EXPECT_LT(a.effectiveness->ntu, 5);
    EXPECT_GT(std::fabs(a.profile->coldEndMiss), 0.05);
    EXPECT_NEAR(a.effectiveness->dutyNtu / solved.outcome.solution->record.q, 1, 0.02); // the solution itself holds
}

/** No text of the analysis shows a number that is not one. */
void expectNoNonFinite(const CaseAnalysis& a)
{
    for (const DetailSection& section : detailSections(a)) {
        for (const DetailRow& row : section.rows) {
            for (const std::string& text : {row.internal, row.external}) {
                EXPECT_EQ(text.find("nan"), std::string::npos) << row.caption;
                EXPECT_EQ(text.find("inf"), std::string::npos) << row.caption;
            }
        }
        if (section.rows.empty()) {
            EXPECT_FALSE(section.missing.empty()) << section.title;
        }
    }
}

TEST(BadInput, ZeroFlowLeavesDetailsNotAvailable)
{
    SolvedTestCase solved(Mode::L1, true, {});
    ASSERT_TRUE(solved.outcome.solution);
    Solution solution = *solved.outcome.solution;
    solution.record.estPort = 0; // a side without flow: Re = 0 and 64/Re has no value
    const CaseAnalysis a = analyseCase(solution, kProfileSegments);
    EXPECT_FALSE(a.details);
    EXPECT_FALSE(a.detailsMissing.empty());
    EXPECT_FALSE(a.effectiveness);
    EXPECT_EQ(a.effectivenessMissing, "a heat-capacity rate is zero");
    EXPECT_FALSE(a.profile);
    expectNoNonFinite(a);
}

TEST(BadInput, AMaterialWithoutConductivityLeavesEverythingNotAvailable)
{
    SolvedTestCase solved(Mode::L1, true, {});
    ASSERT_TRUE(solved.outcome.solution);
    Solution noMaterial = *solved.outcome.solution;
    noMaterial.state.wallK = 0;
    const CaseAnalysis a = analyseCase(noMaterial, kProfileSegments);
    EXPECT_FALSE(a.solved);
    EXPECT_NE(a.solvedMissing.find("thermal conductivity"), std::string::npos) << a.solvedMissing;
    EXPECT_EQ(a.detailsMissing, a.solvedMissing);
    EXPECT_EQ(a.profileMissing, a.solvedMissing);
    expectNoNonFinite(a);
}

TEST(Tables, TheAnalysisUsesTheCalculationsTablesAndLeavesThemAsTheyWere)
{
    test::TempFolder folder;
    std::filesystem::copy(QuestaDirectory() + "/data", folder.path());
    SolvedTestCase solved(Mode::L1, true, {}, folder.path());
    ASSERT_TRUE(solved.outcome.solution);
    const FluidTables& tables = solved.outcome.solution->tables;
    const FluidTable calculated = tables.intSide.Tab;
    const FluidTable calculatedExternal = tables.estSide.Tab;
    const CaseAnalysis first = solved.analyse();
    ASSERT_TRUE(first.details && first.profile);
    // The profile's lookups raised segment ends of the analysis's copy only.
    EXPECT_EQ(tables.intSide.Tab.T, calculated.T);
    EXPECT_EQ(tables.intSide.Tab.H, calculated.H);
    EXPECT_EQ(tables.estSide.Tab.H, calculatedExternal.H);

    // The same number of bytes with every density's leading 9 (the third value of a record) made an 8,
    // written later.
    std::string text = folder.read("Water.dat");
    for (std::size_t line = 0; line < text.size(); line = text.find('\n', line) + 1) {
        const std::size_t density = text.find(',', text.find(',', line) + 1) + 1;
        if (text[density] == '9')
            text[density] = '8';
        if (text.find('\n', line) == std::string::npos)
            break;
    }
    folder.write("Water.dat", text);
    // The solved case is still analysed on the tables it was solved on, as often as asked ...
    const CaseAnalysis again = solved.analyse();
    ASSERT_TRUE(again.details && again.profile);
    EXPECT_EQ(again.details->internal.rho, first.details->internal.rho);
    EXPECT_EQ(again.profile->hotOutletMiss, first.profile->hotOutletMiss);

    // ... and the next Calculate reads the edited file.
    const CalcOutcome edited = solved.exchanger->calculate(solved.form);
    ASSERT_TRUE(edited.solution) << edited.message;
    const CaseAnalysis afterEdit = analyseCase(*edited.solution, 0);
    ASSERT_TRUE(afterEdit.details);
    EXPECT_LT(afterEdit.details->internal.rho, first.details->internal.rho - 50);
}

TEST(Solution, StaysWholeWhateverTheExchangerCalculatesNext)
{
    SolvedTestCase solved(Mode::L1, true, {});
    ASSERT_TRUE(solved.outcome.solution);
    const CaseAnalysis before = solved.analyse();
    ASSERT_TRUE(before.details);
    // Another case solved and a case refused on the same exchanger change nothing of the solution.
    CaseContents other = solved.form;
    other.setText(Quantity::Length, "20");
    other.setText(Quantity::ExternalMassFlow, "0,8");
    ASSERT_TRUE(solved.exchanger->calculate(other).solution);
    other.setText(Quantity::Length, "-1");
    ASSERT_FALSE(solved.exchanger->calculate(other).solution);
    const CaseAnalysis after = solved.analyse();
    ASSERT_TRUE(after.details && after.profile);
    EXPECT_EQ(after.details->internal.rho, before.details->internal.rho);
    EXPECT_EQ(after.details->external.h, before.details->external.h);
    EXPECT_EQ(after.profile->hotOutletMiss, before.profile->hotOutletMiss);
}

TEST(Profile, RunsFromTheInternalInletInEveryConfiguration)
{
    // x rises from 0 to L whichever stream is hot and whichever way they flow; the hot stream enters
    // at x = 0 except in a counter-current exchanger with the hot fluid in the annulus.
    for (const bool counter : {true, false}) {
        for (const bool annulusHot : {false, true}) {
            const Changes hotAnnulus {
                {Quantity::InternalInletTemperature, "20"}, {Quantity::ExternalInletTemperature, "80"}};
            SolvedTestCase solved(Mode::L3, counter, annulusHot ? hotAnnulus : Changes {});
            ASSERT_TRUE(solved.outcome.solution) << solved.outcome.message;
            const CaseAnalysis a = solved.analyse(100);
            ASSERT_TRUE(a.profile) << a.profileMissing;
            const std::vector<ProfilePoint>& points = a.profile->points;
            ASSERT_EQ(points.size(), 101U);
            EXPECT_EQ(points.front().x, 0);
            EXPECT_EQ(points.back().x, solved.outcome.solution->record.L);
            for (std::size_t i = 1; i < points.size(); ++i)
                EXPECT_LT(points[i - 1].x, points[i].x);
            const ProfilePoint& hotInlet = annulusHot && counter ? points.back() : points.front();
            EXPECT_NEAR(hotInlet.tHot, 80, 1e-3) << counter << annulusHot;
            EXPECT_EQ(hotInlet.duty, 0);
        }
    }
}

TEST(BadInput, ProfileOfNoSegmentsIsNotAsked)
{
    SolvedTestCase solved(Mode::C3, false, {});
    ASSERT_TRUE(solved.outcome.solution);
    const CaseAnalysis a = solved.analyse(0);
    EXPECT_TRUE(a.details);
    EXPECT_FALSE(a.profile);
    EXPECT_EQ(a.profileMissing, "no profile was asked for");
}

TEST(WindowNumbers, DigitsSuitTheQuantityNoiseShowsAsZeroAndUnitsHaveOneStyle)
{
    // A layout whose installed surface is the required one: what Kern's difference leaves is noise.
    HairpinLayout exact;
    exact.legLength = 6;
    exact.hairpins = 1;
    exact.installedLength = 12;
    exact.installedSurface = 0.942477796076938;
    exact.excess = 2.3e-14;
    exact.allowedFouling = 1.13e-9;
    const std::vector<DetailRow> rows = hairpinRows(exact);
    const struct {
        std::size_t row;
        const char* unit;
        const char* shown;
    } expected[] = {{0, "m", "6"}, {3, "m²", "0,9425"}, {4, "%", "0"}, {5, "(m² K)/W", "0"}};
    for (const auto& e : expected) {
        EXPECT_EQ(rows.at(e.row).unit, e.unit) << rows.at(e.row).caption;
        EXPECT_EQ(rows.at(e.row).internal, e.shown) << rows.at(e.row).caption;
    }
    EXPECT_EQ(withUnit(0.000412345, Measure::Fouling), "0,000412 (m² K)/W");
    EXPECT_EQ(withUnit(-3e-7, Measure::Duty), "0 kW");
    EXPECT_EQ(withUnit(59.99999999, Measure::Temperature), "60 °C");

    // Every unit a details table writes is of the windows' one style, never "m^2" nor "m² K/W".
    SolvedTestCase solved(Mode::L1, true, {});
    ASSERT_TRUE(solved.outcome.solution);
    const CaseAnalysis a = analyseCase(*solved.outcome.solution, kProfileSegments);
    for (const DetailSection& section : detailSections(a))
        for (const DetailRow& row : section.rows)
            for (const std::string& text : {row.unit, row.internal, row.external})
                EXPECT_TRUE(row.unit.find('^') == std::string::npos && text.find("K/W") == std::string::npos)
                    << section.title << ", " << row.caption << ": " << text;
}

} // namespace
} // namespace vorlan
