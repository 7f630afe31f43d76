#include "properties/userfluid.h"

#include <filesystem>

#include "platform/calcerror.h"
#include "platform/datafile.h"
#include "platform/messages.h"
#include "platform/numbertext.h"

namespace vorlan {

namespace {

void requirePositive(double value, const char* property, const char* message)
{
    if (!(value > 0))
        throw CalcError(std::string("User defined: the ") + property + " is not greater than zero", message);
}

} // namespace

std::vector<std::vector<std::string>> userFluidRecords(const UserFluid& fluid)
{
    requirePositive(fluid.density, "density", msg::DensityNotPositive);
    requirePositive(fluid.specificHeat, "specific heat", msg::SpecificHeatNotPositive);
    requirePositive(fluid.conductivity, "conductivity", msg::ConductivityNotPositive);
    requirePositive(fluid.viscosity, "viscosity", msg::ViscosityNotPositive);
    // Three rows at 1 bar, -100 to 300 degC, with the enthalpy zero at 0 degC.
    std::vector<std::vector<std::string>> records;
    for (const float t : {-100.0f, 0.0f, 300.0f}) {
        const float enthalpy = fluid.specificHeat * t;
        records.push_back({numberToText(t, '.'), "1", numberToText(fluid.density, '.'),
            numberToText(fluid.specificHeat, '.'), numberToText(fluid.conductivity, '.'),
            numberToText(fluid.viscosity, '.'), numberToText(enthalpy, '.')});
    }
    return records;
}

std::optional<UserFluid> readUserFluid(const std::string& path)
{
    std::error_code error;
    if (std::filesystem::symlink_status(path, error).type() == std::filesystem::file_type::not_found)
        return std::nullopt;
    DataFileReader reader(path);
    double values[7] = {};
    for (double& value : values)
        value = reader.readNumber();
    return UserFluid {toSingle(values[2]), toSingle(values[3]), toSingle(values[4]), values[5]};
}

bool userFluidFileHolds(const std::string& path, const UserFluid& fluid)
{
    try {
        return DataFileReader(path).text() == dataFileText(userFluidRecords(fluid));
    } catch (const CalcError&) {
        return false;
    }
}

} // namespace vorlan
