#include "properties/fluidimport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "platform/appdir.h"
#include "properties/fluidname.h"
#include "properties/fluidtable.h"
#include "properties/fluidtables.h"
#include "support/tempfolder.h"

namespace vorlan {
namespace {

const std::string kDataFolder = QuestaDirectory() + "/data";

ImportResult import(const std::string& text, const ImportMapping& mapping = {})
{
    return importFluidTable(readImportSource(text), mapping);
}

ImportMapping withEnthalpy()
{
    ImportMapping mapping;
    mapping.column[static_cast<int>(FluidQuantity::Enthalpy)] = 6;
    return mapping;
}

/** The value with 7 significant digits (the tests run in the C locale: '.' as decimal separator). */
std::string g7(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.7g", value);
    return text;
}

/** A table of rows "T,p,1000,4,0.6,0.001" for pressure blocks of n rows at 0, 1, 2 ... degC. */
std::string blocks(int count, int rows)
{
    std::string text;
    for (int b = 1; b <= count; ++b)
        for (int t = 0; t < rows; ++t)
            text += std::to_string(t) + "," + std::to_string(b) + ",1000,4,0.6,0.001\n";
    return text;
}

TEST(FluidImport, EveryBrokenRuleIsRefusedWithItsRow)
{
    const std::string head = "T [C],p [bar],rho,cp,k,mu\n20,1,998,4.18,0.6,0.001\n";
    ImportMapping noDensity;
    noDensity.column[2] = -1;
    ImportMapping twice;
    twice.column[3] = 2;
    const struct {
        const char* name;
        std::string text;
        ImportMapping mapping;
        int line;
        const char* says;
    } rows[] = {
        {"not a number", head + "30,1,abc,4.18,0.6,0.001\n", {}, 3, "density \"abc\" is not a number"},
        {"cell missing", head + "30,1,998,4.18,0.6\n", {}, 3, "no viscosity in column 6"},
        {"zero viscosity", head + "30,1,998,4.18,0.6,0\n", {}, 3, "viscosity 0 Pa s is not greater than zero"},
        {"negative pressure", head + "30,-1,998,4.18,0.6,0.001\n", {}, 3, "pressure -1 bar is not greater"},
        {"temperature falls", head + "30,1,998,4.18,0.6,0.001\n25,1,998,4.18,0.6,0.001\n", {}, 4,
            "temperature 25 °C is not above the 30 °C of row 3"},
        {"temperature repeats", head + "20,1,998,4.18,0.6,0.001\n", {}, 3, "temperature 20 °C is not above"},
        {"enthalpy falls", "20,1,998,4.18,0.6,0.001,80\n30,1,998,4.18,0.6,0.001,79\n", withEnthalpy(), 2,
            "enthalpy 79 kJ/kg is not above the 80 kJ/kg of row 1"},
        {"block comes back", blocks(2, 2) + "5,1,998,4.18,0.6,0.001\n6,1,998,4.18,0.6,0.001\n", {}, 5,
            "pressure 1 bar comes back"},
        {"blocks go down", "0,2,1,1,1,1\n1,2,1,1,1,1\n0,1,1,1,1,1\n1,1,1,1,1,1\n", {}, 3,
            "pressure 1 bar is lower than the block before it (2 bar)"},
        {"one-row block", head + "30,1,998,4.18,0.6,0.001\n30,2,998,4.18,0.6,0.001\n", {}, 4, "at least two rows"},
        {"no column for density", head, noDensity, 0, "no column is chosen for the density"},
        {"a column twice", head, twice, 0, "column 3 is given to both the density and the specific heat"},
        {"no numbers", "T,p,rho,cp,k,mu\n", {}, 0, "no row of numbers"},
        {"too many blocks", blocks(226, 2), {}, 0, "226 pressures of at least two rows are more than the 451"},
    };
    for (const auto& row : rows) {
        const ImportResult result = import(row.text, row.mapping);
        EXPECT_TRUE(result.records.empty()) << row.name;
        const bool named = std::ranges::any_of(result.problems, [&](const ImportProblem& problem) {
            return problem.line == row.line && problem.text.find(row.says) != std::string::npos;
        });
        EXPECT_TRUE(named) << row.name << ": " << (result.problems.empty() ? "" : problemText(result.problems[0]));
    }
}

TEST(FluidImport, SeparatorsHeadersAndDecimalCommas)
{
    const std::vector<std::vector<std::string>> expected = {
        {"20", "1", "998.2", "4.182", "0.598", "0.001", "0"},
        {"40", "1", "992.2", "4.178", "0.631", "0.00065", "83.6"}, // (4.182 + 4.178) / 2 * 20 K
    };
    const char* texts[] = {
        "20,1,998.2,4.182,0.598,0.001\n40,1,992.2,4.178,0.631,0.00065\n",
        "\xEF\xBB\xBF\"T\";\"p\";rho;cp;k;mu\r\n20;1;998,2;4,182;0,598;0,001\r\n40;1;992,2;4,178;0,631;0,00065\r\n",
        "# water\n  T    p   rho  cp  k  mu\n\n20\t1 998.2 4.182 0.598 1E-03\n40 1 992,2 4,178 0.631 6.5e-4\n",
    };
    for (const char* text : texts) {
        const ImportResult result = import(text);
        EXPECT_TRUE(result.problems.empty()) << text;
        ASSERT_EQ(result.records.size(), 2u) << text;
        EXPECT_EQ(result.records, expected) << text;
    }
}

TEST(FluidImport, MoreRowsThanATableHoldsAreResampled)
{
    const ImportResult result = import(blocks(1, 1000) + blocks(2, 300).substr(blocks(1, 300).size()));
    ASSERT_TRUE(result.problems.empty());
    EXPECT_EQ(result.records.size(), 451u);
    ASSERT_EQ(result.notes.size(), 2u); // the enthalpy, the resampling
    EXPECT_NE(result.notes[1].find("1300 rows"), std::string::npos);
    // Each block keeps its first and last rows: 0 to 999 degC at 1 bar, 0 to 299 at 2 bar.
    const std::string joined = [&] {
        std::string all;
        for (const auto& record : result.records)
            all += record[0] + "@" + record[1] + " ";
        return all;
    }();
    for (const char* kept : {"0@1 ", "999@1 ", "0@2 ", "299@2 "})
        EXPECT_NE(joined.find(kept), std::string::npos) << kept;
}

TEST(FluidImport, NamesOfTheUsersFluids)
{
    const test::TempFolder user;
    user.write("Mine.dat", "0,1,1,1,1,1,0\r\n1,1,1,1,1,1,1\r\n");
    user.write("Water.dat", "");
    user.write("brine.dat", "");
    user.write("notes.txt", "");
    EXPECT_EQ(userFluidNames(kDataFolder, user.path()), (std::vector<std::string> {"brine", "Mine"}));
    EXPECT_EQ(findFluidFile(kDataFolder, user.path(), "Mine"), user.path() + "/Mine.dat");
    EXPECT_EQ(findFluidFile(kDataFolder, user.path(), "Water"), kDataFolder + "/Water.dat");
    EXPECT_EQ(findFluidFile(kDataFolder, "", "Mine"), kDataFolder + "/Mine.dat");
    const struct {
        std::string name;
        bool replace;
        const char* says; // empty: accepted
    } rows[] = {
        {"Mine 2", false, ""},
        {"Mine", true, ""},
        {"Mine", false, "already"},
        {"Toluene", true, "the program has a fluid \"Toluene\""},
        {"", false, "no name"},
        {"a/b", false, "path separator"},
    };
    for (const auto& row : rows) {
        const std::string problem = userFluidNameProblem(kDataFolder, user.path(), row.name, row.replace);
        EXPECT_TRUE(*row.says ? problem.find(row.says) != std::string::npos : problem.empty()) << row.name << problem;
    }
}

/** The shipped water table written as a CSV in degF, psi, lb/ft^3, Btu/(lb degF), Btu/(h ft degF), cP and Btu/lb. */
std::string waterInUsUnits(bool enthalpy)
{
    FluidTable table;
    loadFluidTable(table, kDataFolder + "/Water.dat");
    std::string csv = "T [F],p [psi],rho [lb/ft3],cp [Btu/lb F],k [Btu/h ft F],mu [cP],h [Btu/lb]\n";
    for (std::size_t i = 0; i < table.T.size(); ++i) {
        csv += g7(table.T[i] * 1.8 + 32) + "," + g7(table.P[i] / 0.06894757293168) + ","
            + g7(table.Rho[i] / 16.01846337396) + "," + g7(table.Cp[i] / 4.1868) + "," + g7(table.K[i] / 1.730734666)
            + "," + g7(table.Mu[i] * 1000);
        csv += enthalpy ? "," + g7(table.H[i] / 2.326) + "\n" : "\n";
    }
    return csv;
}

TEST(FluidImport, RoundTripInOtherUnitsGivesTheSameLookups)
{
    const test::TempFolder user;
    ImportMapping mapping = withEnthalpy();
    mapping.unit = {2, 2, 1, 2, 1, 1, 1};
    for (const bool enthalpy : {true, false}) {
        mapping.column[6] = enthalpy ? 6 : -1;
        const ImportResult result = import(waterInUsUnits(enthalpy), mapping);
        ASSERT_TRUE(result.problems.empty()) << problemText(result.problems[0]);
        writeUserFluidTable(user.path(), enthalpy ? "US water" : "US water, h from cp", result.records);
    }
    FluidTables shipped(kDataFolder), imported(kDataFolder, user.path());
    shipped.dbpropint("Water");
    imported.dbpropint("US water");
    imported.dbpropest("US water, h from cp");
    for (const char* pressure : {"1", "20"}) {
        shipped.setPressures(pressure, pressure);
        imported.setPressures(pressure, pressure);
        for (const double t : {5.5, 47.0, 95.0}) {
            shipped.propint(t);
            imported.propint(t);
            // 7 significant digits in the CSV: the lookups agree to a few parts in 10^7.
            const double pairs[][2]
                = {{shipped.intSide.Rho, imported.intSide.Rho}, {shipped.intSide.Cp, imported.intSide.Cp},
                    {shipped.intSide.K, imported.intSide.K}, {shipped.intSide.Mu, imported.intSide.Mu},
                    {shipped.propHint(t) - shipped.propHint(20), imported.propHint(t) - imported.propHint(20)}};
            for (const auto& pair : pairs)
                EXPECT_NEAR(pair[1] / pair[0], 1, 2e-6) << pressure << " bar, " << t << " degC";
            // dh = cp dT at constant pressure: the enthalpy integrated from cp keeps the table's differences.
            const double dh = shipped.propHint(t) - shipped.propHint(20);
            EXPECT_NEAR((imported.propHest(t) - imported.propHest(20)) / dh, 1, 1e-3) << pressure << " bar, " << t;
        }
    }
}

} // namespace
} // namespace vorlan
