#pragma once

#include <string>

namespace vorlan {

/** Where a fluid table a case carries stands beside the folders the program reads fluids from. */
enum class CarriedTableState {
    Shadowed, ///< the data folder has the fluid: its table is read, not the case's
    Missing, ///< neither folder has the fluid: the case's table is read
    Same, ///< the user's folder holds the case's table byte for byte
    Differs, ///< the user's folder holds another table of that name (or one that cannot be read), read instead
};

/** How the case's table text of the fluid stands beside the data folder and the user's folder (empty for none). */
CarriedTableState carriedTableState(
    const std::string& dataFolder, const std::string& userFolder, const std::string& fluid, const std::string& text);

} // namespace vorlan
