#pragma once

#include <string>
#include <utility>
#include <vector>

#include "calc/casecontents.h"

namespace vorlan::test {

/** The six solution modes: flow mode (outlet given inside, outside, or both flows) by size mode. */
enum class Mode { L1, L2, L3, C1, C2, C3 };
inline constexpr Mode kModes[] = {Mode::L1, Mode::L2, Mode::L3, Mode::C1, Mode::C2, Mode::C3};

inline const char* modeName(Mode mode)
{
    static const char* const names[] = {"L1", "L2", "L3", "C1", "C2", "C3"};
    return names[static_cast<int>(mode)];
}

/** Texts typed for quantities of a case. */
using Changes = std::vector<std::pair<Quantity, std::string>>;

/**
 * A water-in-water exchanger, 25x2 mm copper inside 50x3 mm, 10 m or 40 kW, internal fluid hot
 * from 80 to 60 degC, external from 20 to 40 degC, 0.5 kg/s on each side: the text of every box,
 * of which each mode reads its own.
 */
inline Changes waterCase(const std::string& fluid = "Water")
{
    return {
        {Quantity::InternalOutsideDiameter, "25"},
        {Quantity::InternalThickness, "2"},
        {Quantity::ExternalOutsideDiameter, "50"},
        {Quantity::ExternalThickness, "3"},
        {Quantity::Material, "Copper"},
        {Quantity::InternalFluid, fluid},
        {Quantity::ExternalFluid, fluid},
        {Quantity::InternalPressure, "1"},
        {Quantity::ExternalPressure, "1"},
        {Quantity::InternalInletTemperature, "80"},
        {Quantity::ExternalInletTemperature, "20"},
        {Quantity::InternalFouling, "0"},
        {Quantity::ExternalFouling, "0"},
        {Quantity::Length, "10"},
        {Quantity::Capacity, "40"},
        {Quantity::InternalOutletTemperature, "60"},
        {Quantity::ExternalOutletTemperature, "40"},
        {Quantity::InternalMassFlow, "0,5"},
        {Quantity::ExternalMassFlow, "0,5"},
    };
}

/**
 * Changes to the water case that make it an R134a liquid at 10 bar cooled from 35 to 15 degC by
 * Ethylene Glycol 30 % warmed from 5 to 10 degC, 10 kW: two different tables to read.
 */
inline Changes refrigerantChanges()
{
    return {
        {Quantity::InternalFluid, "R134a liquid"},
        {Quantity::InternalPressure, "10"},
        {Quantity::InternalInletTemperature, "35"},
        {Quantity::InternalOutletTemperature, "15"},
        {Quantity::ExternalFluid, "Ethylene Glycol 30%"},
        {Quantity::ExternalInletTemperature, "5"},
        {Quantity::ExternalOutletTemperature, "10"},
        {Quantity::Capacity, "10"},
    };
}

/** Puts the water case into a form, counter-current, with the choices of the mode. */
inline void describeWaterCase(CaseContents& form, Mode mode, const std::string& fluid = "Water")
{
    for (const auto& [box, text] : waterCase(fluid))
        form.setText(box, text);
    form.internalOutletGiven = mode == Mode::L1 || mode == Mode::C1;
    form.externalOutletGiven = mode == Mode::L2 || mode == Mode::C2;
    form.lengthGiven = mode == Mode::L1 || mode == Mode::L2 || mode == Mode::L3;
    form.counterCurrent = true;
}

} // namespace vorlan::test
