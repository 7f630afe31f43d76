#pragma once

#include <array>
#include <string_view>

namespace vorlan {

/** The fluids the main window offers, in list order; each is also the stem of its data file. */
inline constexpr std::array<std::string_view, 16> kFluidNames = {
    "Water",
    "Air",
    "R134a s.h. vapor",
    "R134a liquid",
    "R404A s.h. vapor",
    "R404A liquid",
    "R410A s.h. vapor",
    "R410A liquid",
    "CO2 s.h. vapor",
    "Acetone",
    "Methanol",
    "Methanol 40%",
    "Ethylene Glycol 30%",
    "Propylene Glycol 30%",
    "Nitrogen",
    "User defined",
};

/** The fluid whose table the Options dialog writes. */
inline constexpr std::string_view kUserDefinedFluid = "User defined";

} // namespace vorlan
