#include "correlations/dtml.h"

#include <cmath>

#include "platform/calcerror.h"

namespace vorlan {

double DTML(double hotIn, double hotOut, double coldIn, double coldOut, Configuration configuration)
{
    double dT1 = 0;
    double dT2 = 0;
    if (configuration == Configuration::Countercurrent) {
        dT1 = checked(hotIn - coldOut);
        dT2 = checked(hotOut - coldIn);
    } else {
        dT1 = checked(hotIn - coldIn);
        dT2 = checked(hotOut - coldOut);
    }
    if (dT1 == dT2)
        return dT1;
    const double ratio = checked(dT1 / dT2);
    if (!(ratio > 0))
        throw CalcError("the two streams' temperatures cross: the temperature differences at the two ends of the "
                        "exchanger have opposite signs");
    return checked((dT1 - dT2) / std::log(ratio));
}

double sidesDTML(
    double internalIn, double internalOut, double externalIn, double externalOut, Configuration configuration)
{
    return internalIn > externalIn ? DTML(internalIn, internalOut, externalIn, externalOut, configuration)
                                   : DTML(externalIn, externalOut, internalIn, internalOut, configuration);
}

} // namespace vorlan
