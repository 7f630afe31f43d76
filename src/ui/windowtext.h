#pragma once

#include <QString>
#include <string_view>

#include "ui/messagehandler.h"

class QLineEdit;

namespace vorlan {

/** A text of the program (UTF-8) as the windows show it. */
QString fromStd(std::string_view text);
/** The same, escaped for HTML. */
QString escaped(std::string_view text);

/** Reads a number typed with a decimal comma or point ("0,5", "0.5", "1E-4"); false for anything else. */
bool readDecimal(const QString& text, double& value);

/** Reads the number of a box; otherwise shows "<name> is not a number: "<text>"" and returns false. */
bool readNumberBox(const QLineEdit* box, const QString& name, const MessageHandler& showMessage, double& value);

} // namespace vorlan
