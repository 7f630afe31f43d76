#include "properties/importunits.h"

namespace vorlan {

// Factors to the program's units (degC, bar, kg/m^3, kJ/(kg K), W/(m K), Pa s, kJ/kg). Exact ones
// follow from definitions; the others are those of NIST Special Publication 811 (2008), Appendix
// B.8/B.9, with the International Table Btu (1055.05585262 J) and the avoirdupois pound
// (0.45359237 kg):
//   degF: t[degC] = (t[degF] - 32) / 1.8;  K: t[degC] = T[K] - 273.15 (exact)
//   psi: 6894.757293168 Pa = 0.06894757293168 bar;  kPa: 0.01 bar (exact)
//   lb/ft^3: 16.01846337396 kg/m^3
//   Btu/(lb degF): 4.1868 kJ/(kg K) (exact);  J/(kg K): 0.001 kJ/(kg K)
//   Btu/(h ft degF): 1.730734666 W/(m K)
//   mPa s = cP: 0.001 Pa s;  lb/(ft h): 4.133788732e-4 Pa s (0.45359237 kg / (0.3048 m * 3600 s))
//   Btu/lb: 2.326 kJ/kg (exact)
const std::vector<ImportUnit>& importUnits(FluidQuantity quantity)
{
    static const std::array<std::vector<ImportUnit>, kQuantities> units = {{
        {{"°C", "degC", 1, 0}, {"K", "K", 1, -273.15}, {"°F", "degF", 1 / 1.8, -32 / 1.8}},
        {{"bar", "bar", 1, 0}, {"kPa", "kPa", 0.01, 0}, {"psi", "psi", 0.06894757293168, 0}},
        {{"kg/m³", "kg/m3", 1, 0}, {"lb/ft³", "lb/ft3", 16.01846337396, 0}},
        {{"kJ/(kg K)", "kJ/kg-K", 1, 0}, {"J/(kg K)", "J/kg-K", 0.001, 0}, {"Btu/(lb °F)", "Btu/lb-F", 4.1868, 0}},
        {{"W/(m K)", "W/m-K", 1, 0}, {"Btu/(h ft °F)", "Btu/h-ft-F", 1.730734666, 0}},
        {{"Pa s", "Pa-s", 1, 0}, {"mPa s (cP)", "mPa-s", 0.001, 0}, {"lb/(ft h)", "lb/ft-h", 4.133788732e-4, 0}},
        {{"kJ/kg", "kJ/kg", 1, 0}, {"Btu/lb", "Btu/lb", 2.326, 0}},
    }};
    return units[static_cast<std::size_t>(quantity)];
}

std::string_view quantityName(FluidQuantity quantity)
{
    static constexpr std::array<std::string_view, kQuantities> names
        = {"temperature", "pressure", "density", "specific heat", "conductivity", "viscosity", "enthalpy"};
    return names[static_cast<std::size_t>(quantity)];
}

int findImportUnit(FluidQuantity quantity, std::string_view name)
{
    if (quantity == FluidQuantity::Viscosity && name == "cP")
        name = "mPa-s";
    const std::vector<ImportUnit>& units = importUnits(quantity);
    for (std::size_t i = 0; i < units.size(); ++i)
        if (units[i].word == name || units[i].label == name)
            return static_cast<int>(i);
    return -1;
}

double toProgramUnit(FluidQuantity quantity, int unit, double value)
{
    const ImportUnit& u = importUnits(quantity).at(static_cast<std::size_t>(unit));
    return value * u.scale + u.offset;
}

} // namespace vorlan
