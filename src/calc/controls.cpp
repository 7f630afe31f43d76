#include "calc/controls.h"

#include <array>
#include <stdexcept>
#include <string>

namespace vorlan {

namespace {

constexpr std::array<std::string_view, kBoxCount> kBoxNames {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6",
    "Text7", "Text8", "Text9", "Text10", "Text11", "Text12", "Combo1", "Combo2", "Combo3", "Combo4", "Combo5",
    "Form2.Text1", "Form2.Text2"};
constexpr std::array<std::string_view, kBoxCount> kBoxLabels {"Internal pipe outside diameter [mm]",
    "Internal pipe thickness [mm]", "Capacity [kW]", "External pipe outside diameter [mm]",
    "External pipe thickness [mm]", "Internal inlet temp. [°C]", "Internal outlet temp. [°C]",
    "Internal mass flow [kg/s]", "External inlet temp. [°C]", "External outlet temp. [°C]", "External mass flow [kg/s]",
    "Length [m]", "Internal fluid", "External fluid", "Pipe material", "Internal pressure [bar]",
    "External pressure [bar]", "Internal fouling [(m² K)/W]", "External fouling [(m² K)/W]"};
constexpr std::array<std::string_view, kOptionCount> kOptionNames {
    "Option1", "Option2", "Option3", "Option4", "Option5", "Option6", "Option7", "Option8"};

template <typename Control, std::size_t N>
Control named(const std::array<std::string_view, N>& names, std::string_view name, const char* kind)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == name)
            return static_cast<Control>(i);
    }
    throw std::invalid_argument(std::string("no ") + kind + " is named \"" + std::string(name) + "\"");
}

} // namespace

std::string_view nameOf(Box box) { return kBoxNames.at(static_cast<std::size_t>(box)); }
std::string_view labelOf(Box box) { return kBoxLabels.at(static_cast<std::size_t>(box)); }
std::string_view nameOf(Option option) { return kOptionNames.at(static_cast<std::size_t>(option)); }

Box boxNamed(std::string_view name) { return named<Box>(kBoxNames, name, "box"); }
Option optionNamed(std::string_view name) { return named<Option>(kOptionNames, name, "option button"); }

} // namespace vorlan
