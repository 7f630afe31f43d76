#pragma once

#include <string_view>

#include "calc/quantity.h"

namespace vorlan {

/**
 * The control name of the box each quantity is typed into: the main window's text and combo
 * boxes ("Text8", "Combo4"), and the Options dialog's fouling boxes ("Form2.Text1", "Form2.Text2").
 */
std::string_view boxNameOf(Quantity quantity);

/** The quantity typed into the named box; a name that is none is a programming error (std::invalid_argument). */
Quantity quantityOfBox(std::string_view name);

} // namespace vorlan
