#pragma once

#include <QString>

namespace vorlan {

/** Reads a number typed with a decimal comma or point ("0,5", "0.5", "1E-4"); false for anything else. */
bool readDecimal(const QString& text, double& value);

} // namespace vorlan
