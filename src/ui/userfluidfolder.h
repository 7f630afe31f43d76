#pragma once

#include <string>

namespace vorlan {

/**
 * The folder of the user's own fluid tables: "vorlan/fluids" in the user's data folder
 * ($XDG_DATA_HOME, by default ~/.local/share). Under Qt's test mode a temporary folder of the
 * running program instead, so that tests never touch the user's fluids. It may not exist yet.
 */
std::string userFluidFolder();

} // namespace vorlan
