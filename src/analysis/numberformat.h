#pragma once

#include <string>

namespace vorlan {

/** A number as the windows write it (decimal comma), rounded to the given significant digits. */
std::string figure(double value, int significant = 4);

} // namespace vorlan
