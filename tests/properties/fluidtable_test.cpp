#include "properties/fluidtable.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/calcerror.h"
#include "properties/fluidtables.h"
#include "properties/pressurelist.h"
#include "support/tempfolder.h"

namespace vorlan {
namespace {

/** A file of n records, one per line, at 1 bar, temperature and enthalpy rising with the row. */
std::string recordsText(int n)
{
    std::string text;
    for (int i = 0; i < n; ++i)
        text += std::to_string(i) + ",1,1000,4.2,0.6,0.001," + std::to_string(4 * i) + "\r\n";
    return text;
}

TEST(FluidTable, LoadsAtMost451Records)
{
    test::TempFolder folder;
    FluidTable table;
    loadFluidTable(table, folder.write("full.dat", recordsText(451)));
    EXPECT_EQ(table.lastRow(), 450);
    EXPECT_EQ(table.T[450], 450);
    EXPECT_EQ(table.H[450], 1800);

    EXPECT_THROW(loadFluidTable(table, folder.write("over.dat", recordsText(452))), CalcError);
    EXPECT_EQ(table.lastRow(), -1); // the previous table is gone
}

TEST(FluidTable, RecordsSplitOrJoinedLoadTheSameTable)
{
    test::TempFolder folder;
    FluidTable perLine, split, joined;
    loadFluidTable(perLine, folder.write("a.dat", "-100,1,.5,998.2,1E-03,2,3\r\n0,1,5,6,7,8,9\r\n"));
    loadFluidTable(split, folder.write("b.dat", "-100,1,.5\r\n998.2,1E-03\r\n2,3,0,1,5,6\r\n7,8,9\r\n"));
    loadFluidTable(joined, folder.write("c.dat", "-100,1,.5,998.2,1E-03,2,3,0,1,5,6,7,8,9\n"));
    for (const FluidTable* table : {&split, &joined}) {
        EXPECT_EQ(table->T, perLine.T);
        EXPECT_EQ(table->P, perLine.P);
        EXPECT_EQ(table->Rho, perLine.Rho);
        EXPECT_EQ(table->Cp, perLine.Cp);
        EXPECT_EQ(table->K, perLine.K);
        EXPECT_EQ(table->Mu, perLine.Mu);
        EXPECT_EQ(table->H, perLine.H);
    }
    EXPECT_EQ(perLine.T, (std::vector<double> {-100, 0}));
    EXPECT_EQ(perLine.Rho[0], 0.5);
    EXPECT_EQ(perLine.Cp[0], 998.2);
    EXPECT_EQ(perLine.K[0], 0.001);
}

TEST(FluidTable, KeepsBlocksInFileOrder)
{
    test::TempFolder folder;
    FluidTable table;
    loadFluidTable(
        table, folder.write("two.dat", "0,1,1,1,1,1,0\r\n50,1,1,1,1,1,1\r\n20,2,1,1,1,1,0\r\n100,2.5,1,1,1,1,1\r\n"));
    EXPECT_EQ(table.P, (std::vector<float> {1, 1, 2, 2.5f}));
    EXPECT_EQ(table.T, (std::vector<double> {0, 50, 20, 100}));
}

TEST(FluidTable, EveryLoadReadsTheFileAsItIsNow)
{
    // Loads of unchanged bytes may share one parse; a rewrite of the same size is still read again,
    // and so is a file that is gone.
    test::TempFolder folder;
    const std::string path = folder.write("same.dat", "0,1,1000,4,0.5,0.004,0\r\n50,1,980,4.1,0.6,0.002,100\r\n");
    FluidTable first, second;
    loadFluidTable(first, path);
    loadFluidTable(second, path);
    EXPECT_EQ(second.Rho, first.Rho);
    folder.write("same.dat", "0,1,1000,4,0.5,0.004,0\r\n50,1,880,4.1,0.6,0.002,100\r\n");
    loadFluidTable(second, path);
    EXPECT_EQ(second.Rho, (std::vector<double> {1000, 880}));
    std::filesystem::remove(path);
    EXPECT_THROW(loadFluidTable(second, path), CalcError);
}

TEST(FluidTable, EveryBadFileFailsAndLeavesTheTableEmpty)
{
    test::TempFolder folder;
    const struct {
        const char* name;
        const char* bytes;
    } rows[] = {
        {"empty", ""},
        {"blank lines only", "\r\n\r\n"},
        {"record cut short", "0,1,1,1,1,1,0\r\n1,1,1\r\n"},
        {"non-number", "0,1,1,x,1,1,0\r\n"},
        {"comma decimal", "0,1,1,1,1,1,0\r\n1,1,999,9,1,1,1,1\r\n"},
        {"pressure beyond single range", "0,1E39,1,1,1,1,0\r\n"},
    };
    for (const auto& row : rows) {
        FluidTable table;
        loadFluidTable(table, folder.write("good.dat", recordsText(3)));
        EXPECT_THROW(loadFluidTable(table, folder.write("bad.dat", row.bytes)), CalcError) << row.name;
        EXPECT_TRUE(table.T.empty() && table.P.empty() && table.H.empty()) << row.name;
    }
    FluidTable table;
    EXPECT_THROW(loadFluidTable(table, folder.path() + "/missing.dat"), CalcError);
}

TEST(FluidTable, PhysicalNonsenseIsRefusedNamingTheRecord)
{
    // Density, specific heat, conductivity and viscosity of any fluid are greater than zero; a
    // negative density gave an "ok" result with a negative velocity and pressure drop.
    const struct {
        const char* name;
        const char* secondRecord;
        const char* expected; // part of the error text
    } rows[] = {
        {"negative density", "50,1,-988,4.18,0.64,0.00055,209\r\n",
            "record 2: the density -988 is not greater than zero"},
        {"zero density", "50,1,0,4.18,0.64,0.00055,209\r\n", "the density 0 is"},
        {"negative specific heat", "50,1,988,-4.18,0.64,0.00055,209\r\n", "the specific heat -4.18 is"},
        {"zero conductivity", "50,1,988,4.18,0,0.00055,209\r\n", "the conductivity 0 is"},
        {"negative viscosity", "50,1,988,4.18,0.64,-5.5E-04,209\r\n", "the viscosity -0.00055 is"},
        {"negative zero viscosity", "50,1,988,4.18,0.64,-0,209\r\n", "the viscosity 0 is"},
    };
    test::TempFolder folder;
    for (const auto& row : rows) {
        FluidTable table;
        const std::string path
            = folder.write("bad.dat", std::string("0,1,1000,4.2,0.56,0.0018,0\r\n") + row.secondRecord);
        try {
            loadFluidTable(table, path);
            ADD_FAILURE() << row.name << " accepted";
        } catch (const CalcError& error) {
            EXPECT_NE(std::string(error.what()).find(row.expected), std::string::npos)
                << row.name << ": " << error.what();
        }
        EXPECT_TRUE(table.T.empty()) << row.name;
    }
    // Negative temperatures and enthalpies are physics: -100 degC with h = -418 kJ/kg loads.
    FluidTable table;
    loadFluidTable(table, folder.write("cold.dat", "-100,1,1000,4.18,0.6,0.001,-418\r\n0,1,1000,4.18,0.6,0.001,0\r\n"));
    EXPECT_EQ(table.lastRow(), 1);
}

TEST(PressureList, OffersEachBlockInFileOrderButNotALastLoneRow)
{
    const auto tableOf = [](std::vector<float> pressures) {
        FluidTable table;
        table.P = std::move(pressures);
        return table;
    };
    EXPECT_EQ(pressureList(tableOf({1, 1, 5, 5, 10})), (std::vector<std::string> {"1", "5"}));
    EXPECT_EQ(pressureList(tableOf({2.5f, 2.5f, 1, 1, 2.5f, 2.5f})), (std::vector<std::string> {"2,5", "1", "2,5"}));
    EXPECT_EQ(pressureList(tableOf({7})), (std::vector<std::string> {"7"}));
    EXPECT_TRUE(pressureList(tableOf({})).empty());
}

TEST(FluidTables, NameIsUsedVerbatimAndSidesAreIndependent)
{
    test::TempFolder folder;
    folder.write("Methanol.dat", recordsText(2));
    folder.write("Methanol 40%.dat", recordsText(5));
    FluidTables fluids(folder.path());

    fluids.dbpropint("Methanol 40%");
    fluids.dbpropest("Methanol");
    EXPECT_EQ(fluids.intSide.Tab.lastRow(), 4);
    EXPECT_EQ(fluids.estSide.Tab.lastRow(), 1);

    fluids.dbpropint("Methanol");
    EXPECT_EQ(fluids.intSide.Tab.lastRow(), 1);
    EXPECT_THROW(fluids.dbpropest("methanol"), CalcError);
    EXPECT_THROW(fluids.dbpropest(""), CalcError);
    EXPECT_EQ(fluids.intSide.Tab.lastRow(), 1); // a failed load of one side leaves the other alone
}

} // namespace
} // namespace vorlan
