#pragma once

#include <string>
#include <utility>
#include <vector>

#include "calc/casesnapshot.h"

namespace vorlan::test {

/** The six solution modes: flow mode (outlet given inside, outside, or both flows) by size mode. */
enum class Mode { L1, L2, L3, C1, C2, C3 };
inline constexpr Mode kModes[] = {Mode::L1, Mode::L2, Mode::L3, Mode::C1, Mode::C2, Mode::C3};

inline const char* modeName(Mode mode)
{
    static const char* const names[] = {"L1", "L2", "L3", "C1", "C2", "C3"};
    return names[static_cast<int>(mode)];
}

/**
 * A water-in-water exchanger, 25x2 mm copper inside 50x3 mm, 10 m or 40 kW, internal fluid hot
 * from 80 to 60 degC, external from 20 to 40 degC, 0.5 kg/s on each side: the text of every box,
 * of which each mode reads its own.
 */
inline std::vector<std::pair<std::string, std::string>> waterCase(const std::string& fluid = "Water")
{
    return {
        {"Text1", "25"},
        {"Text2", "2"},
        {"Text4", "50"},
        {"Text5", "3"},
        {"Combo3", "Copper"},
        {"Combo1", fluid},
        {"Combo2", fluid},
        {"Combo4", "1"},
        {"Combo5", "1"},
        {"Text6", "80"},
        {"Text9", "20"},
        {"Form2.Text1", "0"},
        {"Form2.Text2", "0"},
        {"Text12", "10"},
        {"Text3", "40"},
        {"Text7", "60"},
        {"Text10", "40"},
        {"Text8", "0,5"},
        {"Text11", "0,5"},
    };
}

/**
 * Changes to the water case that make it an R134a liquid at 10 bar cooled from 35 to 15 degC by
 * Ethylene Glycol 30 % warmed from 5 to 10 degC, 10 kW: two different tables to read.
 */
inline std::vector<std::pair<std::string, std::string>> refrigerantChanges()
{
    return {
        {"Combo1", "R134a liquid"},
        {"Combo4", "10"},
        {"Text6", "35"},
        {"Text7", "15"},
        {"Combo2", "Ethylene Glycol 30%"},
        {"Text9", "5"},
        {"Text10", "10"},
        {"Text3", "10"},
    };
}

/** Puts the water case into a form, counter-current, with the option buttons of the mode. */
inline void describeWaterCase(CaseSnapshot& form, Mode mode, const std::string& fluid = "Water")
{
    for (const auto& [box, text] : waterCase(fluid))
        form.setText(box, text);
    const bool internalOutlet = mode == Mode::L1 || mode == Mode::C1;
    const bool externalOutlet = mode == Mode::L2 || mode == Mode::C2;
    const bool length = mode == Mode::L1 || mode == Mode::L2 || mode == Mode::L3;
    form.setSelected("Option1");
    form.setSelected("Option2", false);
    form.setSelected("Option3", internalOutlet);
    form.setSelected("Option4", !internalOutlet);
    form.setSelected("Option7", externalOutlet);
    form.setSelected("Option8", !externalOutlet);
    form.setSelected("Option5", length);
    form.setSelected("Option6", !length);
}

} // namespace vorlan::test
