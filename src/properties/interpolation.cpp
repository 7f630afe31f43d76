#include "properties/interpolation.h"

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

int findSegment(const std::vector<double>& X, const std::vector<float>& P, double t, SelectedPressure& pressure)
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

} // namespace vorlan
