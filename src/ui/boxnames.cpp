#include "ui/boxnames.h"

#include <array>

namespace vorlan {

namespace {

// In the order of the Quantity enumeration.
constexpr std::array<std::string_view, kQuantityCount> kBoxNames {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6",
    "Text7", "Text8", "Text9", "Text10", "Text11", "Text12", "Combo1", "Combo2", "Combo3", "Combo4", "Combo5",
    "Form2.Text1", "Form2.Text2"};
static_assert(!kBoxNames.back().empty(), "every quantity has its box");

} // namespace

std::string_view boxNameOf(Quantity quantity) { return kBoxNames.at(static_cast<std::size_t>(quantity)); }

} // namespace vorlan
