#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vorlan {

/**
 * The quantities a case is described by, each typed as text into its own box: the pipes, both
 * sides' fluids, pressures, temperatures and flows, the size of the exchanger and the fouling
 * factors of the Options.
 */
enum class Quantity {
    InternalOutsideDiameter,
    InternalThickness,
    Capacity,
    ExternalOutsideDiameter,
    ExternalThickness,
    InternalInletTemperature,
    InternalOutletTemperature,
    InternalMassFlow,
    ExternalInletTemperature,
    ExternalOutletTemperature,
    ExternalMassFlow,
    Length,
    InternalFluid,
    ExternalFluid,
    Material,
    InternalPressure,
    ExternalPressure,
    InternalFouling,
    ExternalFouling,
};
inline constexpr std::size_t kQuantityCount = static_cast<std::size_t>(Quantity::ExternalFouling) + 1;

/** True for the quantities picked from a list (fluids, material, pressures), false for typed numbers. */
constexpr bool isPicked(Quantity quantity)
{
    return quantity >= Quantity::InternalFluid && quantity <= Quantity::ExternalPressure;
}

/** What the quantity is, with its unit ("Length [m]", "Internal inlet temp. [°C]"). */
std::string_view labelOf(Quantity quantity);

/** The section and the key of the quantity in a case file ("internalPipe", "massFlow"). */
const char* caseSectionOf(Quantity quantity);
const char* caseFieldOf(Quantity quantity);
/** Both, as one dotted key ("internalPipe.massFlow"). */
std::string caseKeyOf(Quantity quantity);

/** The quantity of a case-file key; none for a text that is no such key. */
std::optional<Quantity> quantityWithKey(std::string_view key);

} // namespace vorlan
