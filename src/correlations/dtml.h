#pragma once

#include <string>

namespace vorlan {

/**
 * Log-mean temperature difference [K] from the hot stream's inlet and outlet and the cold stream's
 * inlet and outlet [degC], for "contro" (counter-current) or "equi" (co-current); any other word
 * gives 0. Equal end differences give that difference; end differences of opposite sign, or one of
 * them zero, throw CalcError.
 */
double DTML(double hotIn, double hotOut, double coldIn, double coldOut, const std::string& configuration);

} // namespace vorlan
