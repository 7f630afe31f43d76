// The Calculate command on the shipped tables: the checks in their order, the six modes with the
// physics every solution must satisfy, and the refusals of the solution.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include "calc/calculation.h"
#include "calc/exchanger.h"
#include "platform/appdir.h"
#include "platform/messages.h"
#include "platform/numbertext.h"
#include "support/tempfolder.h"
#include "support/watercase.h"

namespace vorlan {
namespace {

using test::Mode;

void describeCase(CaseContents& form, Mode mode, const char* fluid = "Water")
{
    test::describeWaterCase(form, mode, fluid);
}

/**
 * A value as the window shows it, made without the program's number text: printf's rounding to
 * the given places (the binary value is never an exact tie here), a decimal comma, no trailing zeros.
 */
std::string shown(double value, int places)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", places, value);
    std::string text = buffer;
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

class Calculate : public ::testing::Test {
protected:
    Calculate() { useDataFolder(QuestaDirectory() + "/data"); }

    void useDataFolder(const std::string& folder)
    {
        dataFolder = folder;
        exchanger = std::make_unique<Exchanger>(folder);
    }

    /** Calculates the case in form and writes the solved values back into it, as the window would. */
    CalcOutcome run()
    {
        CalcOutcome outcome = exchanger->calculate(form);
        form.apply(outcome.writeBacks);
        return outcome;
    }
    std::string messageOf() { return run().message; }

    /** Specific enthalpy [kJ/kg] of a shipped fluid at 1 bar from a fresh table. */
    double enthalpy(const char* fluid, double t)
    {
        FluidTables tables(dataFolder);
        tables.setPressures("1", "1");
        tables.dbpropint(fluid);
        return tables.propHint(t);
    }

    /** Energy balance on both streams and the counter-current temperature order. */
    void expectPhysicalSolution(const ResultRecord& r, const char* fluid)
    {
        const double internalDuty = r.intPort * (enthalpy(fluid, r.intTin) - enthalpy(fluid, r.intTout));
        const double externalDuty = r.estPort * (enthalpy(fluid, r.estTout) - enthalpy(fluid, r.estTin));
        EXPECT_NEAR(internalDuty, r.q, r.q * 2e-3);
        EXPECT_NEAR(externalDuty, r.q, r.q * 2e-3);
        EXPECT_GT(r.intTout, r.estTin); // counter-current: the outlets stay between the inlets
        EXPECT_LT(r.intTout, r.intTin);
        EXPECT_GT(r.estTout, r.estTin);
        EXPECT_LT(r.estTout, r.intTin);
        EXPECT_NEAR(r.A, 3.1415929794 * r.L * 0.025, r.A * 1e-6); // outside surface of the inner pipe
    }

    std::string dataFolder;
    CaseContents form;
    std::unique_ptr<Exchanger> exchanger;
};

class SixModes : public Calculate, public ::testing::WithParamInterface<std::tuple<Mode, const char*>> { };

TEST_P(SixModes, SolutionKeepsTheEnergyBalance)
{
    const auto [mode, fluid] = GetParam();
    describeCase(form, mode, fluid);
    const CalcOutcome outcome = run();
    ASSERT_TRUE(outcome.solution) << outcome.message << ": " << outcome.detail;
    const ResultRecord& r = outcome.solution->record;
    expectPhysicalSolution(r, fluid);

    // What was written back is the solved value rounded, the given boxes stay as typed.
    const bool length = mode == Mode::L1 || mode == Mode::L2 || mode == Mode::L3;
    if (length) {
        EXPECT_EQ(form.text(Quantity::Capacity), shown(r.q, 3));
        EXPECT_EQ(form.text(Quantity::Length), "10");
        EXPECT_EQ(r.L, 10.0f);
    } else {
        EXPECT_EQ(form.text(Quantity::Length), shown(r.L, 3));
        EXPECT_EQ(form.text(Quantity::Capacity), "40");
        EXPECT_EQ(r.q, 40.0f);
    }
    if (mode == Mode::L1 || mode == Mode::C1) {
        EXPECT_EQ(form.text(Quantity::InternalOutletTemperature), "60");
        EXPECT_EQ(form.text(Quantity::InternalMassFlow), shown(r.intPort, 4));
        EXPECT_EQ(form.text(Quantity::ExternalOutletTemperature), shown(r.estTout, 4));
    } else if (mode == Mode::L2 || mode == Mode::C2) {
        EXPECT_EQ(form.text(Quantity::ExternalOutletTemperature), "40");
        EXPECT_EQ(form.text(Quantity::ExternalMassFlow), shown(r.estPort, 4));
        EXPECT_EQ(form.text(Quantity::InternalOutletTemperature), shown(r.intTout, 4));
    } else {
        EXPECT_EQ(form.text(Quantity::InternalOutletTemperature), shown(r.intTout, 4));
        EXPECT_EQ(form.text(Quantity::ExternalOutletTemperature), shown(r.estTout, 4));
    }

    // The record carries the inputs as typed, in millimetres, and Reynolds numbers that agree with
    // the velocities.
    EXPECT_EQ(r.deti, 25.0f);
    EXPECT_EQ(r.spi, 2.0f);
    EXPECT_EQ(r.dete, 50.0f);
    EXPECT_EQ(r.spe, 3.0f);
    EXPECT_EQ(r.configuration, Configuration::Countercurrent);
    EXPECT_EQ(r.intfluid, fluid);
    EXPECT_GT(r.Rei, 0);
    EXPECT_GT(r.intDeltaP, 0);
    EXPECT_GT(r.estDeltaP, 0);
}

std::string sixModesName(const ::testing::TestParamInfo<std::tuple<Mode, const char*>>& info)
{
    std::string fluid = std::get<1>(info.param);
    std::erase_if(fluid, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
    return test::modeName(std::get<0>(info.param)) + std::string("_") + fluid;
}

INSTANTIATE_TEST_SUITE_P(WaterAndGlycol, SixModes,
    ::testing::Combine(::testing::ValuesIn(test::kModes), ::testing::Values("Water", "Ethylene Glycol 30%")),
    sixModesName);

TEST_F(Calculate, ChecksComeInTheirOrder)
{
    describeCase(form, Mode::L1);
    form.setText(Quantity::InternalOutletTemperature, "90"); // invalid temperatures too
    form.setText(Quantity::InternalPressure, "3");
    EXPECT_EQ(messageOf(), msg::InvalidPressureInternal);
    form.setText(Quantity::InternalPressure, "1");
    form.setText(Quantity::ExternalPressure, "1,5");
    EXPECT_EQ(messageOf(), msg::InvalidPressureExternal);
    form.setText(Quantity::ExternalPressure, "1");
    EXPECT_EQ(messageOf(), msg::InvalidTemperatures);
}

TEST_F(Calculate, DirectionChecksBothWays)
{
    describeCase(form, Mode::L1);
    form.setText(Quantity::InternalOutletTemperature, "90"); // the hot internal fluid would warm up
    EXPECT_EQ(messageOf(), msg::InvalidTemperatures);
    form.setText(Quantity::InternalOutletTemperature, "10"); // below the cold inlet: not this check's business
    EXPECT_NE(messageOf(), msg::InvalidTemperatures);

    describeCase(form, Mode::L2);
    form.setText(Quantity::ExternalOutletTemperature, "10"); // the cold external fluid would cool down
    EXPECT_EQ(messageOf(), msg::InvalidTemperatures);
    form.setText(Quantity::InternalInletTemperature, "20");
    form.setText(Quantity::ExternalInletTemperature, "80");
    form.setText(Quantity::ExternalOutletTemperature, "90"); // external hot now: it would warm up
    EXPECT_EQ(messageOf(), msg::InvalidTemperatures);
    form.setText(Quantity::ExternalOutletTemperature, "50");
    EXPECT_TRUE(run().solution);
}

TEST_F(Calculate, EqualInletTemperatures)
{
    describeCase(form, Mode::L1);
    form.setText(Quantity::InternalInletTemperature, "50");
    form.setText(Quantity::ExternalInletTemperature, "50");
    form.setText(
        Quantity::InternalOutletTemperature, "60"); // the internal fluid counts as the cold one: no direction check
    EXPECT_NE(messageOf(), msg::InvalidTemperatures);

    describeCase(form, Mode::L3); // both flows given: no heat can flow
    form.setText(Quantity::InternalInletTemperature, "50");
    form.setText(Quantity::ExternalInletTemperature, "50");
    EXPECT_EQ(messageOf(), msg::InvalidTemperatures);
}

TEST_F(Calculate, UnusableInputsAreInvalidData)
{
    const std::pair<Quantity, const char*> rows[] = {
        {Quantity::ExternalMassFlow, ""}, // the given external mass flow is empty
        {Quantity::ExternalOutsideDiameter, "29"}, // zero annulus: the external inside diameter equals 25 mm
        {Quantity::InternalThickness, "13"}, // the wall is thicker than the radius
        {Quantity::Material, ""}, // no material: zero wall conductivity
        {Quantity::InternalFluid, ""}, // no fluid file
        {Quantity::InternalFluid, "water"},
        {Quantity::Length, "0"},
        {Quantity::InternalFouling, "-0,001"},
        {Quantity::ExternalMassFlow, "-1"},
    };
    for (const auto& [box, text] : rows) {
        describeCase(form, Mode::L1);
        form.setText(Quantity::ExternalThickness, "2");
        form.setText(box, text);
        EXPECT_EQ(messageOf(), msg::InvalidData) << caseKeyOf(box) << " = \"" << text << "\"";
    }
}

TEST_F(Calculate, PressureMustEqualAListedOneInSinglePrecision)
{
    describeCase(form, Mode::L1);
    form.setText(Quantity::InternalPressure, "1,0001");
    EXPECT_EQ(messageOf(), msg::InvalidPressureInternal);
    form.setText(Quantity::InternalPressure, "1,00000001"); // the same single as 1
    EXPECT_TRUE(run().solution);
    form.setText(Quantity::InternalPressure, "2"); // a listed block of water
    EXPECT_TRUE(run().solution);
}

TEST_F(Calculate, VeryLongExchangerExceedsTheNtuLimit)
{
    for (const Mode mode : {Mode::L1, Mode::L2, Mode::L3}) {
        describeCase(form, mode);
        form.setText(Quantity::Length, "500"); // short enough for the entry-length correlations
        EXPECT_EQ(messageOf(), msg::NtuTooHigh) << static_cast<int>(mode);
    }
}

TEST_F(Calculate, LongExchangerWithBothFlowsStillExchangesHeat)
{
    // NTU about 10: the first relaxed difference is already within the tolerance of zero.
    describeCase(form, Mode::L3);
    form.setText(Quantity::Length, "150");
    const CalcOutcome outcome = run();
    ASSERT_TRUE(outcome.solution) << outcome.message;
    expectPhysicalSolution(outcome.solution->record, "Water");
    EXPECT_GT(outcome.solution->record.estTout, 70); // close approach of a long counter-current exchanger
}

TEST_F(Calculate, RepeatedCalculationsGiveTheSameResult)
{
    describeCase(form, Mode::C3);
    const CalcOutcome first = run();
    describeCase(form, Mode::C3);
    const CalcOutcome second = run();
    ASSERT_TRUE(first.solution && second.solution);
    EXPECT_EQ(first.solution->record.L, second.solution->record.L); // each calculation reloads its tables
}

/** Constant-property fluids in a data folder of their own, for limits that must be hit exactly. */
class CalculateFlatFluids : public Calculate {
protected:
    CalculateFlatFluids()
    {
        // cp 4 kJ/(kg K), h = 4 T; "Narrow" covers 20 to 50 degC only.
        own.write("Flat.dat", "-100,1,1000,4,0.6,0.001,-400\r\n300,1,1000,4,0.6,0.001,1200\r\n");
        own.write("Narrow.dat", "20,1,1000,4,0.6,0.001,80\r\n50,1,1000,4,0.6,0.001,200\r\n");
        own.write("condmat.dat", "\"Copper\",401,1.5E-06\r\n");
        useDataFolder(own.path());
    }

    test::TempFolder own;
};

TEST_F(CalculateFlatFluids, CapacityEqualToTheMaximumDutyIsRefused)
{
    describeCase(form, Mode::C3, "Flat");
    form.setText(Quantity::InternalMassFlow, "1");
    form.setText(Quantity::ExternalMassFlow, "2");
    // The internal stream is the smaller (4 < 8 kW/K): at most 1 * 4 * (80 - 20) = 240 kW.
    form.setText(Quantity::Capacity, "240");
    EXPECT_EQ(messageOf(), msg::CapacityTooHigh);
    form.setText(Quantity::Capacity, "239,9");
    EXPECT_TRUE(run().solution);
    form.setText(Quantity::Capacity, "1000");
    EXPECT_EQ(messageOf(), msg::CapacityTooHigh);
}

TEST_F(CalculateFlatFluids, SolvedExternalOutletIsRangeCheckedOnlyWithTheInternalFluidHot)
{
    describeCase(form, Mode::L1, "Flat");
    form.setText(Quantity::ExternalFluid, "Narrow");
    form.setText(Quantity::InternalInletTemperature, "95");
    form.setText(Quantity::InternalOutletTemperature, "60");
    form.setText(Quantity::ExternalInletTemperature, "25");
    form.setText(Quantity::ExternalMassFlow, "0,05"); // a small external flow heats far above 50 degC
    form.setText(Quantity::Length, "100");
    EXPECT_EQ(messageOf(), msg::TemperaturesOutOfRange);

    form.setText(Quantity::InternalInletTemperature, "5");
    form.setText(Quantity::InternalOutletTemperature, "15");
    form.setText(
        Quantity::ExternalInletTemperature, "45"); // external hot now: its outlet falls below 20 degC unchecked
    const CalcOutcome outcome = run();
    ASSERT_TRUE(outcome.solution) << outcome.message;
    EXPECT_LT(outcome.solution->record.estTout, 20);
}

TEST_F(CalculateFlatFluids, RowsOutOfOrderAreNamedInsteadOfATemperatureOutsideTheTable)
{
    const std::string path = own.write(
        "Reversed.dat", "100,1,1000,4,0.6,0.001,400\r\n60,1,1000,4,0.6,0.001,240\r\n20,1,1000,4,0.6,0.001,80\r\n");
    describeCase(form, Mode::L1, "Flat");
    form.setText(Quantity::InternalFluid, "Reversed");
    form.setText(Quantity::InternalInletTemperature, "80");
    const CalcOutcome outcome = run();
    EXPECT_EQ(outcome.message, msg::InvalidData);
    EXPECT_EQ(outcome.detail,
        path
            + ": the temperatures at 1 bar do not rise from record 1 to record 2 (100 °C, then 60 °C); the rows of "
              "one pressure must rise");
}

TEST(PassLimits, UserGuideNamesTheLimitsTheRefusalsGive)
{
    std::ifstream file(VORLAN_GUIDE_SOURCE);
    std::stringstream guide;
    guide << file.rdbuf();
    const std::string text = guide.str();
    const std::size_t row = text.find("| Calculation did not converge |");
    ASSERT_NE(row, std::string::npos);
    const std::string cause = text.substr(row, text.find('\n', row) - row);
    const struct {
        long limit;
        long expected;
        const char* written;
    } limits[] = {
        {Calculation::kTemperaturePasses, 2000000, "2,000,000"},
        {Calculation::kCoefficientPasses, 10000, "10,000"},
        {PassCounter::kMaxPasses, 1000000, "1,000,000"},
    };
    for (const auto& row : limits) {
        EXPECT_EQ(row.limit, row.expected);
        EXPECT_NE(cause.find(row.written), std::string::npos) << row.written << " in " << cause;
    }
    EXPECT_EQ(cause.find("million"), std::string::npos) << cause;
}

} // namespace
} // namespace vorlan
