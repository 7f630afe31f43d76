#include "correlations/friction.h"

#include <cmath>

#include "platform/calcerror.h"
#include "platform/passcounter.h"
#include "properties/interpolation.h"

namespace vorlan {

double frictionFactor(double eps, float D, double Re)
{
    if (Re < 2300)
        return checked(64 / Re);
    PassCounter passes("Colebrook friction-factor iteration");
    double f = 0;
    double next = 0.1;
    do {
        passes.next(std::fabs(f - next));
        f = next;
        const double x = checked(2.51 / Re / std::sqrt(f) + eps / D / 3.71);
        next = checked(std::pow(1 / (-2 * Log10(x)), 2));
    } while (std::fabs(f - next) > 1e-14);
    return f;
}

double darcyPressureDrop(double f, float D, float L, double rho, float v)
{
    return checked(std::pow(static_cast<double>(v), 2) * (0.5 * f * L / D * rho) / 1000);
}

double PerditaCarico(double eps, float D, float L, double Re, double rho, float v)
{
    return darcyPressureDrop(frictionFactor(eps, D, Re), D, L, rho, v);
}

} // namespace vorlan
