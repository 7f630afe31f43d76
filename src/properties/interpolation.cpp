#include "properties/interpolation.h"

#include <algorithm>
#include <cmath>

#include "platform/calcerror.h"
#include "platform/numbertext.h"

namespace vorlan {

double Interpola(double x, double x0, double& x1, double y0, double y1)
{
    x1 = checked(x1 + 0.000001);
    const float slope = toSingle(checked((y1 - y0) / checked(x1 - x0)));
    return checked(checked(x - x0) * slope + y0);
}

double Log10(double x)
{
    if (!(x > 0))
        throw CalcError("logarithm of a value that is not positive");
    return checked(std::log(x) / std::log(10.0));
}

float SelectedPressure::value()
{
    if (!m_converted) {
        m_value = textToSingle(m_text);
        m_converted = true;
    }
    return m_value;
}

namespace {

/** The search with every difference checked for overflow, row by row. */
int findSegmentChecked(const std::vector<double>& X, const std::vector<float>& P, double t, SelectedPressure& pressure)
{
    const int n = static_cast<int>(X.size()) - 1;
    for (int i = 0; i < n; ++i) {
        const double xi = element(X, i);
        const double offset = checked(t - xi);
        const bool above = offset >= 0;
        const bool belowNext = toSingle(offset) < toSingle(checked(element(X, i + 1) - xi));
        const bool atPressure = pressure.value() == element(P, i);
        if (above && belowNext && atPressure)
            return i;
    }
    return 0;
}

} // namespace

int findSegment(const std::vector<double>& X, const std::vector<float>& P, double t, SelectedPressure& pressure)
{
    // The calculation's hottest loop. While every difference stays well inside the single range no
    // check can fail, so the rows are compared without them; a difference outside it sends the
    // search to the checked loop, which fails at the same row.
    constexpr double safe = 1e37;
    const std::size_t rows = std::min(X.size(), P.size());
    if (rows < 2 || X.size() != P.size())
        return findSegmentChecked(X, P, t, pressure);
    const float p = pressure.value();
    bool outsideSafeRange = !(std::fabs(t) < safe);
    for (std::size_t i = 0; i + 1 < rows && !outsideSafeRange; ++i) {
        const double offset = t - X[i];
        const double step = X[i + 1] - X[i];
        outsideSafeRange = !(std::fabs(offset) < safe && std::fabs(step) < safe);
        if (!outsideSafeRange && offset >= 0 && static_cast<float>(offset) < static_cast<float>(step) && p == P[i])
            return static_cast<int>(i);
    }
    return outsideSafeRange ? findSegmentChecked(X, P, t, pressure) : 0;
}

} // namespace vorlan
