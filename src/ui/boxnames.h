#pragma once

#include <string_view>

#include "calc/quantity.h"

namespace vorlan {

/**
 * The control name of the box each quantity is typed into: the main window's text and combo
 * boxes ("Text8", "Combo4"), and the Options dialog's fouling boxes ("Form2.Text1", "Form2.Text2").
 */
std::string_view boxNameOf(Quantity quantity);

} // namespace vorlan
