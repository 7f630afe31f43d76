#include "analysis/numberformat.h"

#include <algorithm>
#include <cmath>

#include "platform/numbertext.h"

namespace vorlan {

std::string figure(double value, int significant)
{
    if (!std::isfinite(value))
        return "not available";
    if (value == 0)
        return "0";
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::clamp(significant - 1 - magnitude, 0, 12);
    return numberToText(roundHalfEven(value, decimals));
}

} // namespace vorlan
