#include "properties/fluidside.h"

#include "platform/calcerror.h"
#include "properties/interpolation.h"

namespace vorlan {

namespace {

/** On leaving a lookup, also by an error: whether raising X[row] kept the column's order. */
class RaiseCheck {
public:
    RaiseCheck(ColumnOrder& order, const std::vector<double>& X, const std::vector<float>& P, int row)
        : m_order(order)
        , m_X(X)
        , m_P(P)
        , m_row(static_cast<std::size_t>(row))
    { }
    RaiseCheck(const RaiseCheck&) = delete;
    RaiseCheck& operator=(const RaiseCheck&) = delete;
    ~RaiseCheck() { m_order.raised(m_X, m_P, m_row); }

private:
    ColumnOrder& m_order;
    const std::vector<double>& m_X;
    const std::vector<float>& m_P;
    std::size_t m_row;
};

} // namespace

void FluidSide::bulkProperties(double tm, const std::string& pressureText)
{
    SelectedPressure pressure(pressureText);
    const int k = findSegment(Tab.T, Tab.P, tm, pressure, Tab.tOrder);
    // Each call raises the segment's upper temperature by another 1e-6, once per property.
    const RaiseCheck check(Tab.tOrder, Tab.T, Tab.P, k + 1);
    double& upper = element(Tab.T, k + 1);
    Rho = Interpola(tm, element(Tab.T, k), upper, element(Tab.Rho, k), element(Tab.Rho, k + 1));
    Cp = Interpola(tm, element(Tab.T, k), upper, element(Tab.Cp, k), element(Tab.Cp, k + 1));
    K = Interpola(tm, element(Tab.T, k), upper, element(Tab.K, k), element(Tab.K, k + 1));
    Mu = Interpola(tm, element(Tab.T, k), upper, element(Tab.Mu, k), element(Tab.Mu, k + 1));
}

double FluidSide::wallViscosity(double tp, const std::string& pressureText)
{
    SelectedPressure pressure(pressureText);
    const int k = findSegment(Tab.T, Tab.P, tp, pressure, Tab.tOrder);
    const RaiseCheck check(Tab.tOrder, Tab.T, Tab.P, k + 1);
    const int n = Tab.lastRow();
    if (tp < element(Tab.T, 0))
        return element(Tab.Mu, 0);
    if (tp >= element(Tab.T, n))
        return element(Tab.Mu, n);
    return Interpola(tp, element(Tab.T, k), element(Tab.T, k + 1), element(Tab.Mu, k), element(Tab.Mu, k + 1));
}

double FluidSide::enthalpy(double tt, const std::string& pressureText)
{
    SelectedPressure pressure(pressureText);
    const int k = findSegment(Tab.T, Tab.P, tt, pressure, Tab.tOrder);
    const RaiseCheck check(Tab.tOrder, Tab.T, Tab.P, k + 1);
    return Interpola(tt, element(Tab.T, k), element(Tab.T, k + 1), element(Tab.H, k), element(Tab.H, k + 1));
}

double FluidSide::temperatureAt(double hh, const std::string& pressureText)
{
    SelectedPressure pressure(pressureText);
    int k = findSegment(Tab.H, Tab.P, hh, pressure, Tab.hOrder);
    const int n = Tab.lastRow();
    const bool lastEnthalpy = hh == element(Tab.H, n);
    const bool lastSegmentAtPressure = pressure.value() == element(Tab.P, n - 1);
    if (lastEnthalpy && lastSegmentAtPressure)
        k = n - 1;
    const RaiseCheck check(Tab.hOrder, Tab.H, Tab.P, k + 1);
    return Interpola(hh, element(Tab.H, k), element(Tab.H, k + 1), element(Tab.T, k), element(Tab.T, k + 1));
}

} // namespace vorlan
