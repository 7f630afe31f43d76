#include "properties/fluidside.h"

#include "platform/calcerror.h"
#include "platform/numbertext.h"
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

/**
 * The row of the segment that holds x in the column X of the table, as findSegment finds it. A
 * search that finds none at a pressure whose rows do not rise (as they were before any lookup
 * raised a segment's end) is refused, naming the records: the lookup would otherwise take the
 * table's first segment and report a temperature inside the table as outside it.
 */
int segmentOf(const FluidTable& table, const std::vector<double>& X, ColumnOrder& order, double x,
    SelectedPressure& pressure, const char* quantity, const char* unit)
{
    const int k = findSegment(X, table.P, x, pressure, order);
    if (k != 0 || order.ordered)
        return k;
    const float p = pressure.value();
    const ColumnOrder::Fall* fall = order.fallAt(p);
    if (fall == nullptr || segmentHolds(X, table.P, x, p, 0))
        return k;
    const auto value = [unit](double v) { return numberToText(static_cast<float>(v)) + " " + unit; };
    const int record = table.firstRecord + fall->row;
    throw CalcError(table.source + ": the " + quantity + " at " + numberToText(p) + " bar do not rise from record "
        + std::to_string(record - 1) + " to record " + std::to_string(record) + " (" + value(fall->before) + ", then "
        + value(fall->after) + "); the rows of one pressure must rise");
}

} // namespace

void FluidSide::bulkProperties(double tm, const std::string& pressureText)
{
    SelectedPressure pressure(pressureText);
    const int k = segmentOf(Tab, Tab.T, Tab.tOrder, tm, pressure, "temperatures", "°C");
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
    const int k = segmentOf(Tab, Tab.T, Tab.tOrder, tp, pressure, "temperatures", "°C");
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
    const int k = segmentOf(Tab, Tab.T, Tab.tOrder, tt, pressure, "temperatures", "°C");
    const RaiseCheck check(Tab.tOrder, Tab.T, Tab.P, k + 1);
    return Interpola(tt, element(Tab.T, k), element(Tab.T, k + 1), element(Tab.H, k), element(Tab.H, k + 1));
}

double FluidSide::temperatureAt(double hh, const std::string& pressureText)
{
    SelectedPressure pressure(pressureText);
    int k = segmentOf(Tab, Tab.H, Tab.hOrder, hh, pressure, "enthalpies", "kJ/kg");
    const int n = Tab.lastRow();
    const bool lastEnthalpy = hh == element(Tab.H, n);
    const bool lastSegmentAtPressure = pressure.value() == element(Tab.P, n - 1);
    if (lastEnthalpy && lastSegmentAtPressure)
        k = n - 1;
    const RaiseCheck check(Tab.hOrder, Tab.H, Tab.P, k + 1);
    return Interpola(hh, element(Tab.H, k), element(Tab.H, k + 1), element(Tab.T, k), element(Tab.T, k + 1));
}

} // namespace vorlan
