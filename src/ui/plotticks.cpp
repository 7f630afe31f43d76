#include "ui/plotticks.h"

#include <cmath>
#include <initializer_list>

namespace vorlan {

double tickStep(double span)
{
    const double raw = span / 5;
    const double power = std::pow(10, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= raw)
            return factor * power;
    }
    return 10 * power;
}

} // namespace vorlan
