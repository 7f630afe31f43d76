#include "calc/quantity.h"

#include <array>

namespace vorlan {

namespace {

struct Described {
    std::string_view label;
    const char* section;
    const char* key;
};

// In the order of the Quantity enumeration.
constexpr std::array<Described, kQuantityCount> kQuantities {{
    {"Internal pipe outside diameter [mm]", "internalPipe", "outsideDiameter"},
    {"Internal pipe thickness [mm]", "internalPipe", "thickness"},
    {"Capacity [kW]", "exchanger", "capacity"},
    {"External pipe outside diameter [mm]", "externalPipe", "outsideDiameter"},
    {"External pipe thickness [mm]", "externalPipe", "thickness"},
    {"Internal inlet temp. [°C]", "internalPipe", "inletTemperature"},
    {"Internal outlet temp. [°C]", "internalPipe", "outletTemperature"},
    {"Internal mass flow [kg/s]", "internalPipe", "massFlow"},
    {"External inlet temp. [°C]", "externalPipe", "inletTemperature"},
    {"External outlet temp. [°C]", "externalPipe", "outletTemperature"},
    {"External mass flow [kg/s]", "externalPipe", "massFlow"},
    {"Length [m]", "exchanger", "length"},
    {"Internal fluid", "internalPipe", "fluid"},
    {"External fluid", "externalPipe", "fluid"},
    {"Pipe material", "internalPipe", "material"},
    {"Internal pressure [bar]", "internalPipe", "pressure"},
    {"External pressure [bar]", "externalPipe", "pressure"},
    {"Internal fouling [(m² K)/W]", "options", "internalFouling"},
    {"External fouling [(m² K)/W]", "options", "externalFouling"},
}};

static_assert(!kQuantities.back().label.empty(), "every quantity is described");

const Described& described(Quantity quantity) { return kQuantities.at(static_cast<std::size_t>(quantity)); }

} // namespace

std::string_view labelOf(Quantity quantity) { return described(quantity).label; }

const char* caseSectionOf(Quantity quantity) { return described(quantity).section; }

const char* caseFieldOf(Quantity quantity) { return described(quantity).key; }

std::string caseKeyOf(Quantity quantity) { return std::string(caseSectionOf(quantity)) + "." + caseFieldOf(quantity); }

std::optional<Quantity> quantityWithKey(std::string_view key)
{
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        if (caseKeyOf(static_cast<Quantity>(i)) == key)
            return static_cast<Quantity>(i);
    }
    return std::nullopt;
}

} // namespace vorlan
