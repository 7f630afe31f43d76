// The library's tables, shipped in the data folder, read through the program's own lookups against
// published property values: each row with its source and a tolerance of the source's own spread
// (densities 0.5 %, specific heats 1 %, transport properties 3 %, steam enthalpy 0.05 %).
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/appdir.h"
#include "properties/fluidtables.h"

namespace vorlan {
namespace {

enum class Quantity { Density, SpecificHeat, Conductivity, Viscosity, Enthalpy };

struct PublishedValue {
    const char* fluid;
    double t; // [degC]
    const char* pressure; // [bar], as the pressure box holds it
    Quantity quantity;
    double value; // kg/m3, kJ/(kg K), W/(m K), Pa s or kJ/kg
    double tolerance; // relative
};

const PublishedValue kPublished[] = {
    {"Ammonia liquid", 0, "5", Quantity::Density, 638.6, 0.005}, // ASHRAE Fundamentals, saturated liquid
    {"Ammonia liquid", 0, "5", Quantity::SpecificHeat, 4.617, 0.01}, // ASHRAE Fundamentals
    // 0 degC is the last row of the 5 bar block (an exclusive limit): read at 10 bar, 0.3 % denser.
    {"Propane liquid", 0, "10", Quantity::Density, 528.6, 0.005}, // ASHRAE Fundamentals, saturated liquid
    {"Steam", 150, "1", Quantity::Density, 0.51634, 0.005}, // IAPWS steam table, v = 1.9367 m3/kg
    {"Steam", 150, "1", Quantity::Enthalpy, 2776.6, 0.0005}, // IAPWS steam table
    {"Steam", 200, "10", Quantity::Enthalpy, 2828.3, 0.0005}, // IAPWS steam table
    {"Toluene", 20, "1", Quantity::Density, 866.8, 0.005}, // CRC Handbook
    {"Toluene", 20, "1", Quantity::Viscosity, 0.59e-3, 0.03}, // CRC Handbook
    {"Benzene", 25, "1", Quantity::Density, 873.6, 0.005}, // CRC Handbook
    {"Benzene", 25, "1", Quantity::Viscosity, 0.604e-3, 0.03}, // CRC Handbook
    {"n-Hexane", 25, "1", Quantity::Density, 654.8, 0.005}, // CRC Handbook
    {"Cyclohexane", 25, "1", Quantity::Conductivity, 0.1234, 0.03}, // DIPPR 801, Perry 8th ed. table 2-315
    {"Ethanol", 25, "1", Quantity::Viscosity, 1.074e-3, 0.03}, // CRC Handbook
    {"Argon", 26.85, "1", Quantity::Viscosity, 22.7e-6, 0.03}, // Lemmon and Jacobsen 2004, 300 K
    {"Hydrogen", 26.85, "1", Quantity::SpecificHeat, 14.31, 0.01}, // Incropera and DeWitt table A.4, 300 K
    {"Therminol 66", 100, "1", Quantity::SpecificHeat, 1.837, 0.01}, // Therminol reference data
    {"Dowtherm Q", 100, "1", Quantity::Density, 904.9, 0.005}, // Dow data sheet
    {"Seawater 3.5%", 20, "1", Quantity::Density, 1024.8, 0.005}, // UNESCO EOS-80, S = 35 g/kg
};

TEST(LibraryFluids, PublishedValuesThroughTheProgramsLookups)
{
    FluidTables tables(QuestaDirectory() + "/data");
    for (const PublishedValue& row : kPublished) {
        tables.setPressures(row.pressure, "1");
        tables.dbpropint(row.fluid);
        tables.propint(row.t);
        const FluidSide& side = tables.intSide;
        const double read[] = {side.Rho, side.Cp, side.K, side.Mu, tables.propHint(row.t)};
        EXPECT_NEAR(read[static_cast<int>(row.quantity)] / row.value, 1, row.tolerance)
            << row.fluid << " at " << row.t << " degC, " << row.pressure << " bar";
    }
}

} // namespace
} // namespace vorlan
