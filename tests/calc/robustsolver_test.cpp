// The robust solver against physics that must hold: effectiveness-NTU on constant-property fluids,
// a capacity-given case substituted back into its length-given one, the limits of the duty, and
// the long turbulent exchanger that the laminar limit of the Nusselt rule used to break.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/exchanger.h"
#include "calc/geometry.h"
#include "calc/robustsolver.h"
#include "platform/appdir.h"
#include "platform/messages.h"
#include "platform/numbertext.h"

namespace vorlan {
namespace {

/** A fluid of constant properties from 0 to last degC: enthalpy cp T [kJ/kg]. */
SteadyTable constantFluid(double rho, double cp, double k, double mu, double last = 100)
{
    FluidTable t;
    for (const double T : {0.0, 0.25 * last, 0.5 * last, 0.75 * last, last}) {
        t.T.push_back(T);
        t.P.push_back(1);
        t.Rho.push_back(rho);
        t.Cp.push_back(cp);
        t.K.push_back(k);
        t.Mu.push_back(mu);
        t.H.push_back(cp * T);
    }
    return SteadyTable(t);
}

RobustCase lengthCase(bool counterCurrent, float intPort, float estPort, float L, bool internalHot = true)
{
    RobustCase c;
    c.counterCurrent = counterCurrent;
    pipeGeometry(25, 2, 50, 3, c.state);
    c.state.wallK = 50;
    c.state.intPort = intPort;
    c.state.estPort = estPort;
    c.state.L = L;
    c.intTin = internalHot ? 80 : 15;
    c.estTin = internalHot ? 15 : 80;
    return c;
}

/** Effectiveness of a counter-current or co-current exchanger (Kays and London; Incropera table 11.3). */
double effectiveness(double ntu, double cr, bool counterCurrent)
{
    if (!counterCurrent)
        return (1 - std::exp(-ntu * (1 + cr))) / (1 + cr);
    const double e = std::exp(-ntu * (1 - cr));
    return (1 - e) / (1 - cr * e);
}

TEST(RobustSolver, ConstantPropertiesFollowEffectivenessNtu)
{
    // Water-like inside, an oil-like fluid in the annulus: properties constant, so U does not
    // depend on the temperatures and the duty is eps Cmin (80 - 15) with NTU = U A / Cmin, whichever
    // side is hot and whichever values are given.
    const double cpWater = 4.18, cpOil = 2.0;
    const SteadyTable water = constantFluid(990, cpWater, 0.64, 0.0006);
    const SteadyTable oil = constantFluid(850, cpOil, 0.13, 0.004);
    const struct {
        FlowMode flow;
        bool counterCurrent, internalHot;
        float intPort, estPort, L;
        double givenOutlet;
    } rows[] = {
        {FlowMode::BothFlowsGiven, true, true, 0.3f, 0.9f, 12, 0},
        {FlowMode::BothFlowsGiven, true, true, 0.2f, 0.3f, 60, 0},
        {FlowMode::BothFlowsGiven, false, true, 0.3f, 0.9f, 12, 0},
        {FlowMode::BothFlowsGiven, false, true, 0.05f, 1.5f, 40, 0},
        {FlowMode::BothFlowsGiven, true, false, 0.3f, 0.9f, 12, 0}, // the annulus hot
        {FlowMode::BothFlowsGiven, false, false, 0.6f, 0.4f, 25, 0},
        {FlowMode::InternalOutletGiven, true, true, 0, 0.9f, 12, 60}, // internal flow solved
        {FlowMode::InternalOutletGiven, false, false, 0, 0.9f, 12, 30},
        {FlowMode::ExternalOutletGiven, true, true, 0.3f, 0, 12, 40}, // external flow solved
        {FlowMode::ExternalOutletGiven, false, false, 0.3f, 0, 12, 50},
    };
    for (const auto& row : rows) {
        RobustCase c = lengthCase(row.counterCurrent, row.intPort, row.estPort, row.L, row.internalHot);
        c.flow = row.flow;
        c.intTout = c.estTout = row.givenOutlet;
        const RobustSolution s = solveRobustly(c, water, oil);
        ASSERT_EQ(s.roots.size(), 1u) << s.reason;
        const RobustRoot& r = s.roots.front();
        const double ci = r.intPort * cpWater, ce = r.estPort * cpOil;
        const double cmin = std::min(ci, ce);
        const double ntu = r.U * r.A / 1000 / cmin;
        const double expected = effectiveness(ntu, cmin / std::max(ci, ce), row.counterCurrent) * cmin * 65;
        const double hot = row.internalHot ? 1 : -1;
        EXPECT_NEAR(r.q / expected, 1, 1e-6) << "L " << row.L;
        EXPECT_NEAR(r.intTout, c.intTin - hot * r.q / ci, 1e-6);
        EXPECT_NEAR(r.estTout, c.estTin + hot * r.q / ce, 1e-6);

        // The duty given, the same exchanger's length comes back.
        RobustCase sized = c;
        sized.lengthGiven = false;
        sized.q = static_cast<float>(r.q);
        const RobustSolution back = solveRobustly(sized, water, oil);
        ASSERT_EQ(back.roots.size(), 1u) << back.reason;
        EXPECT_NEAR(back.roots.front().L / row.L, 1, 1e-5);
    }
}

TEST(RobustSolver, AVeryLongExchangerEndsAtThePinch)
{
    // Counter-current, 0.3 kg/s of water against 0.9 kg/s of oil over 100 km: NTU in the hundreds,
    // the water leaves at the oil's inlet and the duty is the limit 0.3 * 4.18 * 65 = 81.51 kW.
    const SteadyTable water = constantFluid(990, 4.18, 0.64, 0.0006);
    const SteadyTable oil = constantFluid(850, 2.0, 0.13, 0.004);
    const RobustSolution s = solveRobustly(lengthCase(true, 0.3f, 0.9f, 100000), water, oil);
    ASSERT_EQ(s.roots.size(), 1u) << s.reason;
    EXPECT_TRUE(s.roots.front().atPinch);
    EXPECT_NEAR(
        s.roots.front().q, double(0.3f) * 4.18 * 65, 1e-9); // the flow as the case holds it, in single precision
}

TEST(RobustSolver, SaysWhyNoStateIsConsistent)
{
    const SteadyTable water = constantFluid(990, 4.18, 0.64, 0.0006);
    RobustCase c = lengthCase(true, 0.3f, 0.9f, 12);
    c.lengthGiven = false;
    // Counter-current, the internal stream the smaller: at most 0.3 * 4.18 * 65 = 81.51 kW.
    c.q = 90;
    EXPECT_EQ(solveRobustly(c, water, water).reason,
        "the capacity needs a temperature cross: the largest duty without one is 81,51 kW");
    // 1.8 kg/s can take 1.8 * 4.18 * (60 - 15) = 338.58 kW before it leaves its table at 60 degC.
    const SteadyTable shortWater = constantFluid(990, 4.18, 0.64, 0.0006, 60);
    c.state.intPort = 20;
    c.state.estPort = 1.8f;
    c.q = 400;
    EXPECT_EQ(solveRobustly(c, water, shortWater).reason,
        "the external outlet would leave its fluid's table (which ends at 60 °C) before the exchanger's duty is "
        "reached: the table allows at most 338,58 kW, the case asks 400 kW");
    // The internal outlet given below the external inlet: a cross at the cold end.
    RobustCase crossing = lengthCase(true, 0.3f, 0.9f, 12);
    crossing.flow = FlowMode::InternalOutletGiven;
    crossing.intTout = 10;
    EXPECT_NE(solveRobustly(crossing, water, water).reason.find("needs a temperature cross"), std::string::npos);
    crossing.intTout = 80; // no change of the internal stream
    EXPECT_EQ(solveRobustly(crossing, water, water).reason,
        "the given outlet temperature equals its inlet: that stream exchanges no heat");
}

TEST(RobustSolver, LongTurbulentExchangerKeepsItsCoefficient)
{
    // Water 80 degC 0.8 kg/s in 42.16 x 3.56 mm carbon steel, water 15 degC 1.2 kg/s in the annulus of
    // 60.33 x 3.91 mm, fouling 0.00018 and 0.00035, counter-current, capacity given. Lengths and U of
    // an independent implementation with the laminar limit for laminar flow only.
    Exchanger exchanger(QuestaDirectory() + "/data");
    const struct {
        const char* capacity;
        double length, U;
    } rows[] = {{"194", 99.063, 1010.8}, {"196", 104.612, 1010.4}, {"210", 175.101, 1008.0}};
    for (const auto& row : rows) {
        CaseContents form;
        const std::pair<Quantity, const char*> texts[]
            = {{Quantity::InternalOutsideDiameter, "42,16"}, {Quantity::InternalThickness, "3,56"},
                {Quantity::Material, "Carbon steel"}, {Quantity::InternalFluid, "Water"},
                {Quantity::InternalPressure, "1"}, {Quantity::InternalInletTemperature, "80"},
                {Quantity::InternalMassFlow, "0,8"}, {Quantity::ExternalOutsideDiameter, "60,33"},
                {Quantity::ExternalThickness, "3,91"}, {Quantity::ExternalFluid, "Water"},
                {Quantity::ExternalPressure, "1"}, {Quantity::ExternalInletTemperature, "15"},
                {Quantity::ExternalMassFlow, "1,2"}, {Quantity::Capacity, row.capacity},
                {Quantity::InternalFouling, "0,00018"}, {Quantity::ExternalFouling, "0,00035"}};
        for (const auto& [box, text] : texts)
            form.setText(box, text);
        form.setFlowMode(FlowMode::BothFlowsGiven);
        form.lengthGiven = false;
        const CalcOutcome outcome = exchanger.calculate(form);
        ASSERT_TRUE(outcome.solution) << outcome.detail;
        EXPECT_NEAR(outcome.solution->record.L, row.length, 0.001) << row.capacity << " kW";
        EXPECT_NEAR(outcome.solution->record.U, row.U, 0.1) << row.capacity << " kW";

        // Five times as long, the specified iteration refuses (NTU above 20); the robust solution
        // carries more heat than the shorter exchanger, and balances both streams.
        form.lengthGiven = true;
        form.setText(Quantity::Length, numberToText(5 * outcome.solution->record.L));
        const CalcOutcome longer = exchanger.calculate(form);
        ASSERT_FALSE(longer.solution);
        EXPECT_EQ(longer.message, msg::NtuTooHigh);
        ASSERT_TRUE(longer.robust && longer.robust->solved) << longer.robust->solution.reason;
        const ResultRecord& r = longer.robust->solved->record;
        EXPECT_GT(r.q, outcome.solution->record.q);
        const double cold = 1.2 * 4.18 * (r.estTout - 15), hot = 0.8 * 4.19 * (80 - r.intTout);
        EXPECT_NEAR(cold / r.q, 1, 0.01);
        EXPECT_NEAR(hot / r.q, 1, 0.01);
        EXPECT_EQ(longer.robust->writeBacks.front().quantity, Quantity::Capacity);
    }
}

TEST(ConsistencyCheck, RefusesASolutionItsStreamsDoNotCarry)
{
    // R134a vapour 5 bar 25.66 -> 24.06 degC in 37.15 x 2.468 mm brass, R404A liquid 15 bar 21.1 degC
    // 2.287 kg/s in the annulus of 83.31 x 2.697 mm, 30.52 m counter-current, fouling 0 and
    // 0.0006272: the iterations end at a duty that the annulus stream does not carry.
    Exchanger exchanger(QuestaDirectory() + "/data");
    CaseContents form;
    const std::pair<Quantity, const char*> texts[] = {{Quantity::InternalOutsideDiameter, "37,15"},
        {Quantity::InternalThickness, "2,468"}, {Quantity::Material, "Brass"},
        {Quantity::InternalFluid, "R134a s.h. vapor"}, {Quantity::InternalPressure, "5"},
        {Quantity::InternalInletTemperature, "25,66"}, {Quantity::InternalOutletTemperature, "24,06"},
        {Quantity::ExternalOutsideDiameter, "83,31"}, {Quantity::ExternalThickness, "2,697"},
        {Quantity::ExternalFluid, "R404A liquid"}, {Quantity::ExternalPressure, "15"},
        {Quantity::ExternalInletTemperature, "21,1"}, {Quantity::ExternalMassFlow, "2,287"},
        {Quantity::Length, "30,52"}, {Quantity::InternalFouling, "0"}, {Quantity::ExternalFouling, "0,0006272"}};
    for (const auto& [box, text] : texts)
        form.setText(box, text);
    form.setFlowMode(FlowMode::InternalOutletGiven);
    form.lengthGiven = true;
    const CalcOutcome outcome = exchanger.calculate(form);
    ASSERT_FALSE(outcome.solution);
    EXPECT_EQ(outcome.message, msg::NotConverged);
    EXPECT_NE(outcome.detail.find("external stream"), std::string::npos) << outcome.detail;
    EXPECT_TRUE(outcome.writeBacks.empty());

    // The robust answer balances both streams on the same tables.
    ASSERT_TRUE(outcome.robust && outcome.robust->solved) << outcome.robust->solution.reason;
    FluidTables tables = outcome.robust->solved->tables;
    const ResultRecord& r = outcome.robust->solved->record;
    const double internal = r.intPort * (tables.propHint(r.intTin) - tables.propHint(r.intTout));
    const double external = r.estPort * (tables.propHest(r.estTout) - tables.propHest(r.estTin));
    EXPECT_NEAR(internal / r.q, 1, 1e-4);
    EXPECT_NEAR(external / r.q, 1, 1e-4);
}

} // namespace
} // namespace vorlan
