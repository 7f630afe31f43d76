#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ui/messagehandler.h"

class QLabel;
class QLineEdit;

namespace vorlan {

/**
 * The table of a constant-property fluid from the texts of its four boxes (density [kg/m^3],
 * specific heat [kJ/(kg K)], conductivity [W/(m K)], viscosity [Pa s], decimal comma), as the
 * Options dialog writes "User defined". All four are converted before anything is written; a text
 * that is not a number (named by its caption) or a property not above zero is shown with
 * showMessage and gives none.
 */
std::optional<std::vector<std::vector<std::string>>> constantFluidRecords(const std::array<const QLineEdit*, 4>& boxes,
    const std::array<const QLabel*, 4>& captions, const MessageHandler& showMessage);

} // namespace vorlan
