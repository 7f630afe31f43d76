#include "properties/steadytable.h"

#include <algorithm>

#include "platform/calcerror.h"

namespace vorlan {

namespace {

bool risesStrictly(const std::vector<double>& X)
{
    return std::adjacent_find(X.begin(), X.end(), [](double a, double b) { return !(a < b); }) == X.end();
}

} // namespace

SteadyTable::SteadyTable(const FluidTable& block)
    : m_T(block.T)
    , m_H(block.H)
    , m_Rho(block.Rho)
    , m_Cp(block.Cp)
    , m_K(block.K)
    , m_Mu(block.Mu)
{
    if (m_T.size() < 2 || m_H.size() != m_T.size())
        throw CalcError("the fluid's table has fewer than two rows at the selected pressure");
    if (!risesStrictly(m_T) || !risesStrictly(m_H))
        throw CalcError("the temperatures or enthalpies of the fluid's table do not rise from row to row");
}

std::size_t SteadyTable::segment(const std::vector<double>& X, double x)
{
    const auto above = std::upper_bound(X.begin() + 1, X.end() - 1, x);
    return static_cast<std::size_t>(above - X.begin()) - 1;
}

double SteadyTable::along(const std::vector<double>& X, const std::vector<double>& Y, std::size_t k, double x)
{
    return checked(Y[k] + (x - X[k]) * (Y[k + 1] - Y[k]) / (X[k + 1] - X[k]));
}

FluidSide SteadyTable::bulk(double t) const
{
    const std::size_t k = segment(m_T, t);
    FluidSide side;
    side.Rho = along(m_T, m_Rho, k, t);
    side.Cp = along(m_T, m_Cp, k, t);
    side.K = along(m_T, m_K, k, t);
    side.Mu = along(m_T, m_Mu, k, t);
    return side;
}

double SteadyTable::wallViscosity(double tp) const
{
    if (tp <= m_T.front())
        return m_Mu.front();
    if (tp >= m_T.back())
        return m_Mu.back();
    return along(m_T, m_Mu, segment(m_T, tp), tp);
}

double SteadyTable::enthalpy(double t) const { return along(m_T, m_H, segment(m_T, t), t); }

double SteadyTable::temperature(double h) const { return along(m_H, m_T, segment(m_H, h), h); }

} // namespace vorlan
