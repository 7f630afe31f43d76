// The descriptions of the data folder, read per fluid as the "Fluid information" view and the
// guide read them: every shipped table finds its sources, and the rows that name several files
// at once ("R404A, R410A", "Therminol 66, VP-1, D12", "Glycols, ..., CaCl2") reach each of them
// and no other.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/appdir.h"
#include "properties/fluidblocks.h"
#include "properties/fluiddescription.h"
#include "properties/fluidlibrary.h"
#include "properties/fluidlist.h"

namespace vorlan {
namespace {

const std::string kDataFolder = QuestaDirectory() + "/data";

bool anyHolds(const std::vector<std::string>& texts, std::string_view part)
{
    return std::any_of(
        texts.begin(), texts.end(), [part](const std::string& t) { return t.find(part) != std::string::npos; });
}

TEST(FluidDescription, EveryShippedTableHasItsSourcesAndACheck)
{
    std::vector<std::string_view> fluids(kFluidNames.begin(), kFluidNames.end() - 1);
    for (const FluidGroup& group : fluidLibrary())
        fluids.insert(fluids.end(), group.fluids.begin(), group.fluids.end());
    for (const std::string_view fluid : fluids) {
        const FluidDescription d = readFluidDescription(kDataFolder, fluid);
        EXPECT_TRUE(d.error.empty()) << fluid << ": " << d.error;
        EXPECT_TRUE(d.origin.find("CoolProp") != std::string::npos) << fluid;
        EXPECT_FALSE(d.densityModel.empty() || d.viscosityModel.empty() || d.conductivityModel.empty()) << fluid;
        EXPECT_FALSE(d.checks.empty()) << fluid;
    }
}

TEST(FluidDescription, RowsNamingSeveralFilesReachEachAndNoOther)
{
    const struct {
        const char* fluid;
        const char* model; ///< part of the density model
        const char* uncertainty; ///< part of a known uncertainty; "" for none at all
        const char* phaseLimit; ///< part of a phase limit; "" for none
    } rows[] = {
        {"Methanol 40%", "MMA", "8 % in cp", "-38.70"}, // not Methanol's row
        {"Methanol", "de Reuck", "", "64.15"},
        {"R404A liquid", "Lemmon, Int. J. Thermophys. 24", "", "-46.50"},
        {"R410A s.h. vapor", "Lemmon, Int. J. Thermophys. 24", "", "-51.70"},
        {"CO2 s.h. vapor", "Span & Wagner", "-55 °C", "-78.6"},
        {"Acetone", "Lemmon & Span", "DIPPR 801", "55.69"},
        {"R32 liquid", "Tillner-Roth & Yokozeki", "10-20 %", "-51.91"},
        {"R1234ze(E) s.h. vapor", "Thol & Lemmon", "10-20 %", "-19.27"},
        {"Therminol VP-1", "TVP1", "cold end", "256.58"},
        {"Dowtherm J", "DowJ", "cold end", "181.10"},
        {"Ethylene Glycol 40%", "Melinder", "Raoult", "-23.81"},
        {"Calcium Chloride 20%", "MCA", "Raoult", "-18.26"},
        {"Ethanol 20%", "MEA", "Raoult", "-11.12"}, // not Ethanol's uncertainty
        {"Ethanol", "Schroeder", "5-7 %", "78.09"},
        {"Steam", "IAPWS-95", "", "99.61"}, // water's saturation line
        {"n-Pentane", "Thol, Uhde", "17-25 %", "35.67"},
        {"Toluene", "Lemmon & Span", "", "110.13"},
    };
    for (const auto& row : rows) {
        const FluidDescription d = readFluidDescription(kDataFolder, row.fluid);
        EXPECT_TRUE(d.densityModel.find(row.model) != std::string::npos) << row.fluid << ": " << d.densityModel;
        if (*row.uncertainty == '\0')
            EXPECT_TRUE(d.uncertainties.empty()) << row.fluid << ": " << d.uncertainties.front();
        else
            EXPECT_TRUE(anyHolds(d.uncertainties, row.uncertainty)) << row.fluid;
        EXPECT_TRUE(anyHolds(d.phaseLimits, row.phaseLimit)) << row.fluid;
    }
}

TEST(FluidDescription, NoneForAFluidOfTheUserAndWhyForAMissingFile)
{
    EXPECT_TRUE(readFluidDescription(kDataFolder, "My oil").file.empty());
    const FluidDescription missing = readFluidDescription("/nonexistent", "Toluene");
    EXPECT_EQ(missing.file, "fluid-library.md");
    EXPECT_FALSE(missing.error.empty());
}

TEST(FluidBlocks, PhaseAndOtherTable)
{
    FluidTable table;
    table.Rho = {1.2};
    EXPECT_EQ(tablePhase(table), "gas or superheated vapour");
    table.Rho = {998.2};
    EXPECT_EQ(tablePhase(table), "liquid");
    EXPECT_EQ(companionTable("R22 liquid"), "R22 s.h. vapor");
    EXPECT_EQ(companionTable("R1234ze(E) s.h. vapor"), "R1234ze(E) liquid");
    EXPECT_EQ(companionTable("Toluene"), "");
}

} // namespace
} // namespace vorlan
