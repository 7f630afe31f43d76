#include "properties/userfluid.h"

#include <gtest/gtest.h>

#include "platform/calcerror.h"
#include "platform/messages.h"

namespace vorlan {
namespace {

using Records = std::vector<std::vector<std::string>>;

TEST(UserFluid, ThreeRecordsOfConstantPropertiesAndLinearEnthalpy)
{
    // Worked example of the Options dialog: 1000 kg/m^3, 4.18 kJ/(kg K), 0.6 W/(m K), 0.001 Pa s.
    // h = cp t: -418, 0 and 1254 kJ/kg; in single precision 4.18 * -100 is -417.99997, which 7
    // digits write as -418.
    const Records expected {
        {"-100", "1", "1000", "4.18", "0.6", "0.001", "-418"},
        {"0", "1", "1000", "4.18", "0.6", "0.001", "0"},
        {"300", "1", "1000", "4.18", "0.6", "0.001", "1254"},
    };
    EXPECT_EQ(userFluidRecords({1000.0f, 4.18f, 0.6f, 0.001}), expected);
}

TEST(UserFluid, ThePropertiesMustBeGreaterThanZero)
{
    const struct {
        const char* name;
        UserFluid fluid;
        const char* message;
    } rows[] = {
        {"negative density", {-1000.0f, 4.18f, 0.6f, 0.001}, msg::DensityNotPositive},
        {"zero density", {0.0f, 4.18f, 0.6f, 0.001}, msg::DensityNotPositive},
        {"negative specific heat", {1000.0f, -4.18f, 0.6f, 0.001}, msg::SpecificHeatNotPositive},
        {"zero conductivity", {1000.0f, 4.18f, 0.0f, 0.001}, msg::ConductivityNotPositive},
        {"zero viscosity", {1000.0f, 4.18f, 0.6f, 0.0}, msg::ViscosityNotPositive},
        {"negative viscosity", {1000.0f, 4.18f, 0.6f, -0.001}, msg::ViscosityNotPositive},
        {"first of several wrong", {-1.0f, -1.0f, -1.0f, -1.0}, msg::DensityNotPositive},
    };
    for (const auto& row : rows) {
        try {
            userFluidRecords(row.fluid);
            ADD_FAILURE() << row.name << " accepted";
        } catch (const CalcError& error) {
            EXPECT_EQ(error.message(), row.message) << row.name;
        }
    }
}

} // namespace
} // namespace vorlan
