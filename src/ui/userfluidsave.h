#pragma once

#include <string>
#include <vector>

#include "ui/messagehandler.h"

namespace vorlan {

/**
 * Saves records as the named fluid's table in the user's folder, after checking the name (see
 * userFluidNameProblem); replace allows replacing a fluid of the user's of that name. Says what
 * happened with showMessage: where the table is, or why it was not saved. True when saved.
 */
bool saveUserFluid(const std::string& dataFolder, const std::string& userFolder, const std::string& name, bool replace,
    const std::vector<std::vector<std::string>>& records, const MessageHandler& showMessage);

} // namespace vorlan
