#include "analysis/hairpins.h"

#include <cmath>

#include "platform/calcerror.h"

namespace vorlan {

namespace {

constexpr double kInch = 0.0254; // [m]
constexpr double kBendK1 = 1000, kBendKi = 0.12, kBendKd = 4.0;

} // namespace

ReturnBends returnBends(long count, const SideDetails& side)
{
    ReturnBends b;
    b.count = count;
    b.K = checked(returnBendK(side.Re, side.diameter / kInch));
    const double velocity = side.velocity;
    b.pressureDrop = checked(count * b.K * side.rho * velocity * velocity / 2 / 1000);
    return b;
}

double returnBendK(double Re, double diameterInches)
{
    return kBendK1 / Re + kBendKi * (1 + kBendKd / std::pow(diameterInches, 0.3));
}

HairpinLayout hairpinLayout(const ResultRecord& record, const FilmDetails& details, double legLength)
{
    if (!(legLength > 0) || !std::isfinite(legLength))
        throw CalcError("the leg length must be a positive number of metres");
    HairpinLayout h;
    h.legLength = legLength;
    const double hairpins = std::ceil(checked(record.L / (2 * legLength)));
    if (hairpins > 1e9)
        throw CalcError("the length needs more than 10^9 hairpins");
    h.hairpins = static_cast<long>(hairpins);
    h.installedLength = checked(hairpins * 2 * legLength);
    h.installedSurface = checked(double(record.A) * h.installedLength / record.L);
    h.excess = checked((h.installedSurface / record.A - 1) * 100);
    h.designU = checked(double(record.U) * record.A / h.installedSurface);
    h.allowedFouling = checked(1 / h.designU - 1 / details.resistances.cleanU);
    h.internal = returnBends(h.hairpins, details.internal);
    h.external = returnBends(h.hairpins, details.external);
    return h;
}

} // namespace vorlan
