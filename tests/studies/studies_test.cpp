// Sweeps, hairpin layouts and the fouling search, against hand calculations.
#include <gtest/gtest.h>

#include <stdexcept>

#include "analysis/hairpins.h"
#include "platform/appdir.h"
#include "platform/calcerror.h"
#include "studies/findfouling.h"
#include "studies/studytable.h"
#include "studies/sweep.h"
#include "support/watercase.h"

namespace {

using namespace vorlan;
using vorlan::test::Mode;

const std::string kDataFolder = QuestaDirectory() + "/data";

CaseContents waterCase(Mode mode)
{
    CaseContents form;
    vorlan::test::describeWaterCase(form, mode);
    return form;
}

TEST(Sweep, TextsStepEvenlyOrByAConstantRatioAndEndOnTheRange)
{
    EXPECT_EQ(
        sweepTexts({Quantity::Length, 2, 40, 5, false}), (std::vector<std::string> {"2", "11,5", "21", "30,5", "40"}));
    // 1000^(1/3) is 9.999999999999998 in double: the typed text has 15 significant digits.
    EXPECT_EQ(sweepTexts({Quantity::Length, 1, 1000, 4, true}), (std::vector<std::string> {"1", "10", "100", "1000"}));
    EXPECT_EQ(sweepTexts({Quantity::ExternalInletTemperature, -0.5, -8, 3, true}),
        (std::vector<std::string> {"-0,5", "-2", "-8"}));
    EXPECT_EQ(sweepTexts({Quantity::Length, 0.1, 0.3, 3, false}).back(), "0,3");
    // Each text has the digits its step needs, no more: a hundredth of the step.
    const std::pair<SweepRange, std::vector<std::string>> resolved[] = {
        {{Quantity::Length, 2, 40, 200, false}, {"2", "2,191", "2,382"}},
        {{Quantity::InternalFouling, 1e-5, 1e-3, 20, true}, {"1E-05", "1,274E-05", "1,624E-05"}},
        {{Quantity::InternalInletTemperature, 20, 80, 7, false}, {"20", "30", "40"}},
    };
    for (const auto& [range, first] : resolved) {
        const std::vector<std::string> texts = sweepTexts(range);
        EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 3), first) << caseKeyOf(range.quantity);
    }
}

TEST(Sweep, RangesThatCannotRunAreRefusedWithTheirReason)
{
    const CaseContents l1 = waterCase(Mode::L1); // internal outlet and length given
    EXPECT_EQ(sweepProblem({Quantity::Length, 5, 15, 3, false}, l1), "");
    EXPECT_EQ(sweepProblem({Quantity::InternalOutletTemperature, 50, 70, 3, false}, l1), "");
    const std::pair<SweepRange, const char*> refused[] = {
        {{Quantity::Length, 5, 15, 1, false}, "2 to 1000 points"},
        {{Quantity::Length, 5, 15, 1001, false}, "2 to 1000 points"},
        {{Quantity::Length, 5, 5, 3, false}, "same value"},
        {{Quantity::InternalInletTemperature, -1, 1, 3, true}, "through zero"},
        {{Quantity::InternalInletTemperature, 0, 1, 3, true}, "through zero"},
        {{Quantity::InternalFluid, 1, 2, 3, false}, "cannot be swept"},
        {{Quantity::InternalMassFlow, 1, 2, 3, false}, "calculated, not read"}, // L1 solves the internal flow
        {{Quantity::Capacity, 1, 2, 3, false}, "calculated, not read"},
    };
    for (const auto& [range, reason] : refused)
        EXPECT_NE(sweepProblem(range, l1).find(reason), std::string::npos)
            << caseKeyOf(range.quantity) << ": " << reason;
    EXPECT_EQ(sweepProblem({Quantity::InternalMassFlow, 0.1, 1, 3, false}, waterCase(Mode::L3)), "");
    // Ends so small that their product is zero in double are still a range of one sign.
    EXPECT_EQ(sweepProblem({Quantity::InternalFouling, 1e-200, 1e-150, 3, true}, l1), "");
    EXPECT_NE(
        sweepProblem(parseSweep("exchanger.length=1:2:2000000000", false), l1).find("2 to 1000"), std::string::npos);
    EXPECT_EQ(sweepProblem({Quantity::Capacity, 10, 50, 3, false}, waterCase(Mode::C1)), "");
}

TEST(StudyTable, WarningsCellFlagsAnImpossibleResult)
{
    const std::pair<PointWarnings, std::string> cells[]
        = {{{-1, false}, ""}, {{0, false}, "0"}, {{2, false}, "2"}, {{3, true}, "3, physically impossible"}};
    for (const auto& [warnings, text] : cells)
        EXPECT_EQ(warningsCell(warnings), text);
}

TEST(Sweep, RangesAreReadWithPointOrComma)
{
    const SweepRange range = parseSweep("options.internalFouling=0.0001:0,001:10", true);
    EXPECT_EQ(range.quantity, Quantity::InternalFouling);
    EXPECT_EQ(range.from, 0.0001);
    EXPECT_EQ(range.to, 0.001);
    EXPECT_EQ(range.points, 10);
    EXPECT_TRUE(range.logarithmic);
    for (const char* bad : {"exchanger.length", "exchanger.length=1:2", "Text12=1:2:3", "Foo=1:2:3",
             "exchanger.length=a:2:3", "exchanger.length=1::3", "exchanger.length=1:2:2.5"})
        EXPECT_THROW(parseSweep(bad, false), std::invalid_argument) << bad;
}

TEST(Sweep, APointIsTheCalculateOfTheCaseWithTheTextTyped)
{
    Exchanger sweeping(kDataFolder), typing(kDataFolder);
    CaseContents typed = waterCase(Mode::L1);
    const SweepPoint point = calculatePoint(sweeping, typed, Quantity::Length, "12,5");
    typed.setText(Quantity::Length, "12,5");
    const CalcOutcome expected = typing.calculate(typed);
    EXPECT_EQ(point.value, 12.5);
    EXPECT_EQ(point.outcome.writeBacks, expected.writeBacks);
    ASSERT_TRUE(point.outcome.solution && expected.solution);
    EXPECT_EQ(point.outcome.solution->record.L, 12.5f);
    EXPECT_EQ(point.outcome.solution->record.q, expected.solution->record.q);
}

TEST(Sweep, PointsCalculateRefusesShowTheirRobustSolution)
{
    // The water case with both flows given, 5 to 2000 m: beyond NTU 20 Calculate refuses, the robust
    // solution answers, and the duty never falls as the exchanger grows (a longer exchanger of the
    // same flows carries at least as much heat).
    Exchanger exchanger(kDataFolder);
    const CaseContents l3 = waterCase(Mode::L3);
    double previous = 0;
    int robust = 0;
    for (const std::string& text : sweepTexts({Quantity::Length, 5, 2000, 12, true})) {
        const SweepPoint point = calculatePoint(exchanger, l3, Quantity::Length, text);
        const Solution* solution = pointSolution(point);
        ASSERT_NE(solution, nullptr) << text << " m: " << pointMessage(point);
        EXPECT_GE(solution->record.q, previous * (1 - 1e-6)) << text << " m";
        previous = solution->record.q;
        if (isRobust(point)) {
            ++robust;
            EXPECT_EQ(pointMessage(point), "Robust solution (Calculate: " + point.outcome.message + ")");
            EXPECT_GE(pointWarnings(point).count, 0); // analysed on the robust solution
        }
    }
    EXPECT_GT(robust, 0);
}

TEST(Hairpins, DarbyReturnBendByHand)
{
    // K = 1000/Re + 0.12 (1 + 4 / D^0.3): at Re 10^4 and 1 in, 0.1 + 0.12 * 5.
    EXPECT_NEAR(returnBendK(1e4, 1), 0.7, 1e-12);
    // 8 in: 8^0.3 = 1.866066, 4 / 1.866066 = 2.143547; 0.01 + 0.12 * 3.143547.
    EXPECT_NEAR(returnBendK(1e5, 8), 0.387226, 1e-6);
}

TEST(Hairpins, LayoutByHand)
{
    ResultRecord record;
    record.L = 25;
    record.A = 2.5f; // 0.1 m² per metre
    record.U = 500;
    FilmDetails details;
    details.resistances.cleanU = 800;
    details.internal = {};
    details.internal.Re = 1e4;
    details.internal.diameter = 0.0254; // 1 in
    details.internal.rho = 1000;
    details.internal.velocity = 1;
    details.external = details.internal;
    details.external.velocity = 2;

    const HairpinLayout h = hairpinLayout(record, details, 6);
    EXPECT_EQ(h.hairpins, 3); // 25 m in 12 m hairpins, rounded up
    EXPECT_DOUBLE_EQ(h.installedLength, 36);
    EXPECT_NEAR(h.installedSurface, 3.6, 1e-6);
    EXPECT_NEAR(h.excess, 44, 1e-4);
    // Kern: U_D = 500 * 2.5 / 3.6 = 347.2222; R_d = 1/347.2222 - 1/800 = 0.00288 - 0.00125.
    EXPECT_NEAR(h.designU, 347.2222, 1e-3);
    EXPECT_NEAR(h.allowedFouling, 0.00163, 1e-8);
    // Three bends of K 0.7 at 1000 kg/m³: 3 * 0.7 * 1000 * v² / 2 [Pa], v 1 and 2 m/s.
    EXPECT_EQ(h.internal.count, 3);
    EXPECT_NEAR(h.internal.pressureDrop, 1.05, 1e-9);
    EXPECT_NEAR(h.external.pressureDrop, 4.2, 1e-9);

    record.L = 24; // exactly two hairpins: no excess, no margin beyond the clean exchanger's
    const HairpinLayout exact = hairpinLayout(record, details, 6);
    EXPECT_EQ(exact.hairpins, 2);
    EXPECT_NEAR(exact.excess, 0, 1e-9);
    EXPECT_NEAR(exact.allowedFouling, 1.0 / 500 - 1.0 / 800, 1e-12);
    EXPECT_THROW(hairpinLayout(record, details, 0), CalcError);
    EXPECT_THROW(hairpinLayout(record, details, -6), CalcError);
}

/** The L3 water case with a fouling, and the same case carrying the outlets it gives as "measured". */
struct RunningExchanger {
    CaseContents measured = waterCase(Mode::L3);
    float fouledU = 0;

    RunningExchanger(const char* internalFouling, const char* externalFouling)
    {
        Exchanger exchanger(kDataFolder);
        measured.setText(Quantity::InternalFouling, internalFouling);
        measured.setText(Quantity::ExternalFouling, externalFouling);
        const CalcOutcome outcome = exchanger.calculate(measured);
        fouledU = outcome.solution ? outcome.solution->record.U : 0;
        measured.apply(outcome.writeBacks);
        measured.setText(Quantity::InternalFouling, "0");
        measured.setText(Quantity::ExternalFouling, "0");
    }
};

TEST(FindFouling, RecoversTheFoulingWithinOnePercentInAnySplit)
{
    const RunningExchanger running("0,0002", "0,0001");
    for (const double share : {0.0, 2.0 / 3, 1.0}) {
        Exchanger exchanger(kDataFolder);
        const FoulingResult result = findFouling(exchanger, running.measured, {share, 5});
        ASSERT_TRUE(result.found) << result.message;
        EXPECT_NEAR(result.found->total, 0.0003, 0.0003 * 0.01) << share;
        EXPECT_NEAR(result.found->internal, share * result.found->total, 1e-12);
        EXPECT_NEAR(result.found->calculatedDuty, result.found->measuredDuty, 1e-3);
        EXPECT_GT(result.found->cleanU, result.found->matchedU);
    }
    // The split as found does not matter to U when it is the one that made the outlets.
    Exchanger exchanger(kDataFolder);
    const FoulingResult same = findFouling(exchanger, running.measured, {2.0 / 3, 5});
    EXPECT_NEAR(same.found->matchedU, running.fouledU, 0.05);
}

TEST(FindFouling, SaysWhyNoFoulingMatches)
{
    Exchanger exchanger(kDataFolder);
    const RunningExchanger running("0", "0");
    CaseContents better = running.measured; // a longer exchanger's outlets, more than this one can do clean
    better.setText(Quantity::Length, "30");
    Exchanger longer(kDataFolder);
    better.apply(longer.calculate(better).writeBacks);
    better.setText(Quantity::Length, "10");
    EXPECT_NE(findFouling(exchanger, better, {}).message.find("above the clean exchanger"), std::string::npos);

    CaseContents off = running.measured;
    off.setText(Quantity::ExternalOutletTemperature, "21");
    EXPECT_NE(findFouling(exchanger, off, {}).message.find("inconsistent"), std::string::npos);
    off.setText(Quantity::ExternalOutletTemperature, "");
    EXPECT_NE(findFouling(exchanger, off, {}).message.find("measured outlet"), std::string::npos);

    CaseContents capacity = running.measured;
    capacity.lengthGiven = false;
    EXPECT_NE(findFouling(exchanger, capacity, {}).message.find("length"), std::string::npos);
}

} // namespace
