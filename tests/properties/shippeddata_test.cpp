// Checks the fluid tables and materials that ship in the data folder beside the programs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

#include "platform/appdir.h"
#include "properties/fluidlibrary.h"
#include "properties/fluidlist.h"
#include "properties/fluidtables.h"
#include "properties/materials.h"
#include "properties/pressurelist.h"

namespace vorlan {
namespace {

const std::string kDataFolder = QuestaDirectory() + "/data";

/** Every fluid of the list but "User defined", which the Options dialog writes. */
const std::vector<std::string> kShippedFluids(kFluidNames.begin(), kFluidNames.end() - 1);

/** The library's tables, group by group. */
std::vector<std::string> libraryFluids()
{
    std::vector<std::string> names;
    for (const FluidGroup& group : fluidLibrary())
        names.insert(names.end(), group.fluids.begin(), group.fluids.end());
    return names;
}

TEST(ShippedFluids, EveryTableOfTheDataFolderIsInTheListsOrTheLibrary)
{
    std::vector<std::string> offered(kFluidNames.begin(), kFluidNames.end());
    for (const std::string& name : libraryFluids())
        offered.push_back(name);
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(kDataFolder))
        if (entry.path().extension() == ".dat" && entry.path().stem() != "condmat")
            files.insert(entry.path().stem().string());
    files.insert(std::string(kUserDefinedFluid)); // written by the Options dialog, when it is
    EXPECT_EQ(files, std::set<std::string>(offered.begin(), offered.end()));
    EXPECT_EQ(offered.size(), files.size()); // each fluid offered once
}

class ShippedFluid : public ::testing::TestWithParam<std::string> { };

/** A fluid's name as a test name: letters and digits, '_' for the rest. */
std::string testName(const ::testing::TestParamInfo<std::string>& info)
{
    std::string name = info.param;
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
    return name;
}

TEST_P(ShippedFluid, TableKeepsTheRulesTheLookupsRelyOn)
{
    FluidTable table;
    loadFluidTable(table, kDataFolder + "/" + GetParam() + ".dat");
    const auto rows = table.T.size();
    ASSERT_LE(rows, static_cast<std::size_t>(kMaxFluidRows));

    std::set<float> finishedBlocks;
    std::size_t blockStart = 0;
    for (std::size_t i = 0; i < rows; ++i) {
        for (const double value : {table.Rho[i], table.Cp[i], table.K[i], table.Mu[i]})
            EXPECT_TRUE(std::isfinite(value) && value > 0) << "row " << i;
        EXPECT_TRUE(std::isfinite(table.H[i])) << "row " << i;

        const bool newBlock = i > 0 && table.P[i] != table.P[i - 1];
        if (newBlock) {
            EXPECT_GE(i - blockStart, 2u) << "block at " << table.P[i - 1] << " bar";
            finishedBlocks.insert(table.P[i - 1]);
            EXPECT_FALSE(finishedBlocks.contains(table.P[i])) << "pressure " << table.P[i] << " is not contiguous";
            EXPECT_LT(table.T[i], table.T[i - 1]) << "block at " << table.P[i] << " bar starts too high";
            blockStart = i;
        } else if (i > 0) {
            EXPECT_GT(table.T[i], table.T[i - 1]) << "row " << i;
            EXPECT_GT(table.H[i], table.H[i - 1]) << "row " << i;
        }
    }
    EXPECT_GE(rows - blockStart, 2u);

    const auto pressures = pressureList(table);
    EXPECT_NE(std::find(pressures.begin(), pressures.end(), "1"), pressures.end());
}

INSTANTIATE_TEST_SUITE_P(DataFolder, ShippedFluid, ::testing::ValuesIn(kShippedFluids), testName);

INSTANTIATE_TEST_SUITE_P(Library, ShippedFluid, ::testing::ValuesIn(libraryFluids()), testName);

TEST(ShippedData, WaterAt20DegreesAnd1BarMatchesHandbookValues)
{
    FluidTables fluids(kDataFolder);
    fluids.setPressures("1", "1");
    fluids.dbpropint("Water");
    fluids.propint(20);
    // IAPWS-95 and IAPWS 2008 at 20 degC, 0.1 MPa: 998.21 kg/m^3, 1.0016e-3 Pa s.
    EXPECT_NEAR(fluids.intSide.Rho, 998.2, 998.2 * 0.001);
    EXPECT_NEAR(fluids.intSide.Mu, 1.002e-3, 1.002e-3 * 0.01);
}

TEST(ShippedData, MaterialsHoldTheListedNamesWithPlausibleValues)
{
    Materials materials;
    materials.dbmateriale(kDataFolder);
    const auto names = materials.names();
    for (const char* required : {"Carbon steel", "Stainless steel AISI 304", "Stainless steel AISI 316", "Copper",
             "Brass", "Aluminium", "Titanium", "Copper-nickel 90/10", "Cast iron"}) {
        EXPECT_EQ(std::count(names.begin(), names.end(), required), 1) << required;
    }
    for (int i = 0; i < materials.count; ++i) {
        const auto entry = static_cast<std::size_t>(i);
        EXPECT_TRUE(materials.matK[entry] > 5 && materials.matK[entry] < 500) << materials.matName[entry];
        EXPECT_TRUE(materials.matRough[entry] > 0 && materials.matRough[entry] < 1e-3) << materials.matName[entry];
    }
}

} // namespace
} // namespace vorlan
