#include "correlations/heattransfer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/calcerror.h"
#include "support/tempfolder.h"

namespace vorlan {
namespace {

TEST(Nusselt, PublishedValuesOfSiederAndTate)
{
    // Examples of the ht library's documentation (ht.conv_internal, Caleb Bell):
    // turbulent_Sieder_Tate(Re=1E5, Pr=1.2) and with mu=0.01, mu_w=0.067.
    EXPECT_NEAR(nusseltNumber(1e5, 1.2, 1e6, 1, 1), 286.9178136793088, 1e-9);
    EXPECT_NEAR(nusseltNumber(1e5, 1.2, 1e6, 0.01, 0.067), 219.84016455766044, 1e-9);
    // laminar_entry_Seider_Tate(Re=100000, Pr=1.1, L=5, Di=.5): Gz = Re Pr Di / L = 11000, which
    // alone sets the laminar-entry value; here it is reached with a laminar Re.
    EXPECT_NEAR(nusseltNumber(1000, 11, 11000, 1, 1), 41.366029684589265, 1e-9);
}

TEST(Nusselt, HandCalculatedValuesWithoutViscosityCorrection)
{
    EXPECT_NEAR(nusseltNumber(1000, 5, 50, 1, 1), 6.8523, 1e-4); // laminar entry, Gz = 50
    EXPECT_NEAR(nusseltNumber(50000, 5, 1e4, 1, 1), 265.17, 1e-2); // turbulent
    EXPECT_NEAR(nusseltNumber(4000, 5, 200, 1, 1), 16.238, 1e-3); // blend of 10.877 and 35.156
}

TEST(Nusselt, LongPipeKeepsTheLimitToLaminarFlow)
{
    // Gz < 2 past the entry length: 3.66 for laminar flow only. A turbulent stream keeps its
    // turbulent value (Re = 12000, Pr = 0.7, d/L = 1/5000, Gz = 1.68), and the transition band
    // blends from 3.66 instead of from the laminar-entry value.
    const double turbulent12000 = 0.027 * std::pow(12000.0, 0.8) * std::cbrt(0.7);
    const double turbulent6150 = 0.027 * std::pow(6150.0, 0.8) * std::cbrt(0.7);
    const struct {
        double Re, Gz, expected;
    } rows[] = {
        {12000, 1.68, turbulent12000}, // about 44, not 3.66
        {2299, 1.68, 3.66}, {2300, 1.68, 3.66}, // blend weight 0
        {6150, 1.68, (3.66 + turbulent6150) / 2}, // midway
    };
    for (const auto& row : rows)
        EXPECT_NEAR(nusseltNumber(row.Re, 0.7, row.Gz, 1, 1), row.expected, 1e-9) << "Re " << row.Re;
    EXPECT_NEAR(turbulent12000, 43.97, 0.01); // by hand: 0.027 * 1834.1 * 0.8879
}

TEST(Nusselt, BlendIsContinuousAtBothEnds)
{
    const double laminarAt = 1.86 * std::cbrt(200.0);
    EXPECT_NEAR(nusseltNumber(2299.999, 5, 200, 1, 1), laminarAt, 1e-9);
    EXPECT_NEAR(nusseltNumber(2300, 5, 200, 1, 1), laminarAt, 1e-12); // blend weight 0
    const double turbulentAt10000 = 0.027 * std::pow(10000.0, 0.8) * std::cbrt(5.0);
    EXPECT_NEAR(nusseltNumber(10000, 5, 200, 1, 1), turbulentAt10000, 1e-9); // blend weight 1
    EXPECT_NEAR(nusseltNumber(10000.001, 5, 200, 1, 1), turbulentAt10000, 1e-4);
    const double turbulentAt6150 = 0.027 * std::pow(6150.0, 0.8) * std::cbrt(5.0);
    EXPECT_NEAR(nusseltNumber(6150, 5, 200, 1, 1), (laminarAt + turbulentAt6150) / 2, 1e-9); // midway
}

TEST(Nusselt, EntryLengthLimitAndViscosityCorrection)
{
    EXPECT_NEAR(nusseltNumber(1000, 5, 2, 1, 1), 1.86 * std::cbrt(2.0), 1e-12); // Gz = 2 uses the correlation
    EXPECT_EQ(nusseltNumber(1000, 5, 1.999, 1, 1), 3.66);
    EXPECT_EQ(nusseltNumber(1000, 5, 1.999, 2, 1), 3.66); // no correction in the limit
    EXPECT_NEAR(nusseltNumber(50000, 5, 1e4, 2, 1), 265.17 * std::pow(2.0, 0.14), 1e-2);
    EXPECT_THROW(nusseltNumber(50000, 5, 1e4, 1, 0), CalcError);
}

TEST(DimensionlessGroups, FormulasAndUnits)
{
    EXPECT_NEAR(Prandtl(4.18, 0.6, 0.001), 6.9667, 1e-4); // cp in kJ/(kg K)
    EXPECT_NEAR(Reynolds(1000, 1.5f, 0.02f, 0.001), 30000, 1e-2);
    EXPECT_FLOAT_EQ(Velocita(1, 0.001f, 1000), 1.0f);
    EXPECT_THROW(Velocita(1, 0, 1000), CalcError);
    EXPECT_THROW(Prandtl(4.18, 0, 0.001), CalcError);
}

/** Both fluids with constant properties: the wall viscosity equals the bulk one. */
class OverallCoefficient : public ::testing::Test {
protected:
    OverallCoefficient()
        : fluids(folder.path())
    {
        folder.write("Flat.dat", "-100,1,1000,4,0.6,0.001,-400\r\n300,1,1000,4,0.6,0.001,1200\r\n");
        fluids.setPressures("1", fluids.estPressure());
        fluids.setPressures(fluids.intPressure(), "1");
        fluids.dbpropint("Flat");
        fluids.dbpropest("Flat");
        fluids.propint(50);
        fluids.propest(20);
        state.diti = 0.02f;
        state.deti = 0.024f;
        state.dhe = 0.016f;
        state.intArea = 0.000314159f;
        state.estArea = 0.000703717f;
        state.intPort = 0.5f;
        state.estPort = 0.7f;
        state.wallK = 50;
    }

    double coefficient(float L = 5)
    {
        return Coeffscambio(state, fluids, state.diti, state.deti, state.dhe, L, 50, 20);
    }

    test::TempFolder folder;
    FluidTables fluids;
    CaseState state;
};

TEST_F(OverallCoefficient, MatchesAHandCalculationOfTheResistances)
{
    // Turbulent on both sides; Sieder-Tate with phi = 1, Pr = 4 * 1000 * 0.001 / 0.6.
    const double pr = 4000 * 0.001 / 0.6;
    const double reInt = 0.5 / 0.000314159 / 1000 * 1000 * 0.02 / 0.001;
    const double reEst = 0.7 / 0.000703717 / 1000 * 1000 * 0.016 / 0.001;
    const double hInt = 0.027 * std::pow(reInt, 0.8) * std::cbrt(pr) * 0.6 / 0.02;
    const double hEst = 0.027 * std::pow(reEst, 0.8) * std::cbrt(pr) * 0.6 / 0.016;
    const double expected = 1 / (0.002 / 50 * 0.024 / 0.02 + 0.024 / (0.02 * hInt) + 1 / hEst);
    EXPECT_NEAR(coefficient(), expected, expected * 1e-5);
}

TEST_F(OverallCoefficient, FoulingAddsItsResistance)
{
    const double clean = coefficient();
    state.intSporc = 0.0002;
    state.estSporc = 0.0001;
    EXPECT_NEAR(1 / coefficient() - 1 / clean, 0.0003, 1e-9);
}

TEST_F(OverallCoefficient, ZeroFlowIsStagnantFluidButZeroConductivityIsAnError)
{
    state.estPort = 0; // Re = 0, Gz = 0: Nu = 3.66 in the annulus
    const double hEst = 3.66 / 0.016 * 0.6;
    EXPECT_LT(coefficient(), hEst);
    EXPECT_GT(coefficient(), 0.9 * hEst);
    state.wallK = 0;
    EXPECT_THROW(coefficient(), CalcError);
    state.wallK = 50;
    EXPECT_THROW(coefficient(0), CalcError);
}

} // namespace
} // namespace vorlan
