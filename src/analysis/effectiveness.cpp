#include "analysis/effectiveness.h"

#include <cmath>

#include "platform/calcerror.h"

namespace vorlan {

double effectiveness(double ntu, double cr, bool counterCurrent)
{
    if (!counterCurrent)
        return checked((1 - std::exp(-ntu * (1 + cr))) / (1 + cr));
    if (std::fabs(1 - cr) < 1e-9)
        return checked(ntu / (1 + ntu));
    const double e = std::exp(-ntu * (1 - cr));
    return checked((1 - e) / (1 - cr * e));
}

} // namespace vorlan
