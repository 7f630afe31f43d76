#include "calc/geometry.h"

#include <bit>
#include <cmath>

#include "platform/calcerror.h"

namespace vorlan {

void pipeGeometry(float internalOutside, float internalWall, float externalOutside, float externalWall, CaseState& s)
{
    s.deti = checked(internalOutside / 1000.0f);
    s.diti = checked(s.deti - 2 * internalWall / 1000.0f);
    s.dite = checked((externalOutside - 2 * externalWall) / 1000.0f);
    s.pigreco = std::bit_cast<float>(0x40490FDCu); // 3.1415929794: one unit above the single nearest to pi
    const float quarterPi = s.pigreco / 4;
    const double annulusSquares = checked(std::pow(double(s.dite), 2) - std::pow(double(s.deti), 2));
    s.intArea = toSingle(checked(std::pow(double(s.diti), 2) * quarterPi));
    s.estArea = toSingle(annulusSquares * quarterPi);
    s.dhe = toSingle(checked(annulusSquares / checked(s.dite + s.deti)));
}

} // namespace vorlan
