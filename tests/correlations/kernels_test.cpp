#include "correlations/kernels.h"

#include <gtest/gtest.h>

#include <cmath>

#include "correlations/dtml.h"
#include "correlations/exchangerlimits.h"
#include "platform/calcerror.h"
#include "support/tempfolder.h"

namespace vorlan {
namespace {

/** Rows "T,p" of a table whose enthalpy is 4 T and whose other properties are 1. */
std::string rowsOf(std::initializer_list<std::pair<int, double>> rows)
{
    std::string text;
    for (const auto& [t, p] : rows)
        text += std::to_string(t) + "," + std::to_string(p) + ",1,1,1,1," + std::to_string(4 * t) + "\r\n";
    return text;
}

class Kernels : public ::testing::Test {
protected:
    Kernels()
        : fluids(folder.path())
    {
        folder.write(
            "Three blocks.dat", rowsOf({{0, 1}, {10, 1}, {20, 1}, {5, 2}, {15, 2}, {25, 2}, {-5, 5}, {30, 5}}));
        folder.write("Steps.dat", rowsOf({{0, 1}, {100, 1}}));
        fluids.setPressures("1", fluids.estPressure());
        fluids.setPressures(fluids.intPressure(), "1");
    }

    test::TempFolder folder;
    FluidTables fluids;
    CaseState state;
};

TEST_F(Kernels, RiduciVettoriKeepsEachSidesSelectedBlock)
{
    const struct {
        const char* pressure;
        std::vector<double> temperatures;
        int firstRecord; // of the file, for messages
    } rows[] = {
        {"1", {0, 10, 20}, 1}, // first block
        {"2", {5, 15, 25}, 4}, // block in the middle
        {"5", {-5, 30}, 7}, // block at the end, final row included
    };
    for (const auto& row : rows) {
        fluids.dbpropint("Three blocks");
        fluids.dbpropest("Three blocks");
        fluids.setPressures(row.pressure, fluids.estPressure());
        fluids.setPressures(fluids.intPressure(), "2");
        RiduciVettori(fluids);
        EXPECT_EQ(fluids.intSide.Tab.T, row.temperatures) << row.pressure;
        EXPECT_EQ(fluids.intSide.Tab.H.size(), row.temperatures.size());
        EXPECT_EQ(fluids.intSide.Tab.firstRecord, row.firstRecord) << row.pressure;
        EXPECT_EQ(fluids.estSide.Tab.T, (std::vector<double> {5, 15, 25})); // trimmed on its own
        EXPECT_EQ(fluids.estSide.Tab.P, (std::vector<float> {2, 2, 2}));
    }

    fluids.dbpropint("Steps");
    fluids.dbpropest("Steps");
    fluids.setPressures(fluids.intPressure(), "1");
    fluids.setPressures("1", fluids.estPressure());
    RiduciVettori(fluids);
    EXPECT_EQ(fluids.intSide.Tab.T.size(), 2u); // one pressure: all rows stay

    for (const char* pressure : {"3", "abc", ""}) {
        fluids.dbpropint("Three blocks");
        fluids.setPressures(pressure, fluids.estPressure());
        EXPECT_THROW(RiduciVettori(fluids), CalcError) << pressure;
    }
}

TEST_F(Kernels, ControllatempIsHalfOpenOnTheTablesRange)
{
    fluids.dbpropint("Steps");
    fluids.dbpropest("Three blocks");
    EXPECT_EQ(controllatemp(fluids, 0, 1, Side::Internal), true);
    EXPECT_EQ(controllatemp(fluids, 99.99, 1, Side::Internal), true);
    EXPECT_EQ(controllatemp(fluids, 100, 1, Side::Internal), false);
    EXPECT_EQ(controllatemp(fluids, 99.9999999, 1, Side::Internal), false); // rounds to 100 in single precision
    EXPECT_EQ(controllatemp(fluids, -0.001, 1, Side::Internal), false);
    EXPECT_EQ(controllatemp(fluids, 29, 1, Side::External), true); // the whole untrimmed table: 0 to 30
}

TEST_F(Kernels, QmaxTakesTheSmallerStreamToTheLimitingTemperature)
{
    fluids.dbpropint("Steps");
    fluids.dbpropest("Steps");
    fluids.intSide.Cp = 4;
    fluids.estSide.Cp = 2;
    // Internal stream smaller (1 * 4 < 3 * 2), heated from 20 towards the external 80 (counter-current)
    // or the external outlet 50 (co-current); enthalpy is 4 T.
    EXPECT_NEAR(Qmax(fluids, 80, 50, 20, 0, 3, 1, Configuration::Countercurrent), 1 * 4 * (80 - 20), 1e-3);
    EXPECT_NEAR(Qmax(fluids, 80, 50, 20, 0, 3, 1, Configuration::Cocurrent), 1 * 4 * (50 - 20), 1e-3);
    // Internal stream hot: the sign still gives a positive duty.
    EXPECT_NEAR(Qmax(fluids, 20, 0, 80, 0, 3, 1, Configuration::Countercurrent), 1 * 4 * (80 - 20), 1e-3);

    // External stream smaller (1 * 2 < 1 * 4), cooled from 80 towards the internal 20 or its outlet 40.
    EXPECT_NEAR(Qmax(fluids, 80, 0, 20, 40, 1, 1, Configuration::Countercurrent), 1 * 4 * (80 - 20), 1e-3);
    EXPECT_NEAR(Qmax(fluids, 80, 0, 20, 40, 1, 1, Configuration::Cocurrent), 1 * 4 * (80 - 40), 1e-3);
    // Equal rates go to the external stream: its flow of 2 sets the result.
    EXPECT_NEAR(Qmax(fluids, 80, 0, 20, 40, 2, 1, Configuration::Cocurrent), 2 * 4 * (80 - 40), 1e-3);
}

TEST_F(Kernels, XxttWeightAndTheNtuLimit)
{
    fluids.intSide.Cp = 1;
    fluids.estSide.Cp = 2;
    state.intPort = 1;
    state.estPort = 1; // internal stream smaller
    const float limit = dampingWeight(kMaxNtu);
    EXPECT_EQ(limit, 1.0f / 8002.0f);
    EXPECT_EQ(xxtt(state, fluids, 1000, 20), limit); // NTU = 20 is accepted: the limit is not above it
    EXPECT_GT(limit, xxtt(state, fluids, 1000, 20.01f)); // just above it is refused
    EXPECT_EQ(xxtt(state, fluids, 0, 20), 0.5f);
    EXPECT_EQ(xxtt(state, fluids, 1000, 1), 1.0f / 3.0f);
    EXPECT_EQ(xxtt(state, fluids, 2000, 1), 0.1f);

    fluids.estSide.Cp = 1; // equal rates: the external stream's NTU
    state.estPort = 2;
    fluids.estSide.Cp = 0.5;
    EXPECT_EQ(xxtt(state, fluids, 1000, 1), 1.0f / 3.0f);
    state.estPort = 0;
    state.intPort = 0;
    EXPECT_THROW(xxtt(state, fluids, 1000, 1), CalcError);
}

TEST(Dtml, LogMeanOfTheEndDifferences)
{
    EXPECT_NEAR(DTML(80, 40, 30, 50, Configuration::Countercurrent), 20 / std::log(3.0), 1e-12); // dT1 = 30, dT2 = 10
    EXPECT_NEAR(DTML(80, 40, 30, 50, Configuration::Countercurrent), 18.2048, 1e-4);
    EXPECT_NEAR(DTML(80, 40, 10, 30, Configuration::Cocurrent), (70 - 10) / std::log(7.0), 1e-12);
    EXPECT_EQ(DTML(80, 50, 20, 50, Configuration::Countercurrent), 30); // balanced: no logarithm
    EXPECT_LT(DTML(20, 30, 80, 50, Configuration::Countercurrent), 0); // both differences negative
    EXPECT_THROW(DTML(80, 40, 50, 70, Configuration::Countercurrent), CalcError); // opposite signs
    EXPECT_THROW(DTML(80, 40, 40, 70, Configuration::Countercurrent), CalcError); // one end difference zero
}

TEST_F(Kernels, InizializzaClearsTheCaseButKeepsTablesAndPi)
{
    fluids.dbpropint("Steps");
    fluids.propint(50);
    state.pigreco = 3.141593f;
    state.deti = 0.025f;
    state.intPort = 2;
    state.estSporc = 0.0002;
    state.wallK = 401;
    state.wallRough = 1.5e-6;
    inizializza(state, fluids);
    EXPECT_EQ(state.deti, 0);
    EXPECT_EQ(state.intPort, 0);
    EXPECT_EQ(state.estSporc, 0);
    EXPECT_EQ(state.wallK, 0);
    EXPECT_EQ(state.wallRough, 0);
    EXPECT_EQ(state.pigreco, 3.141593f);
    EXPECT_EQ(fluids.intSide.Rho, 0);
    EXPECT_EQ(fluids.intSide.Tab.T.size(), 2u);
}

} // namespace
} // namespace vorlan
