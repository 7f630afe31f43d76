#include "platform/calcerror.h"

#include <cfloat>
#include <cmath>

namespace vorlan {

CalcError::CalcError(const std::string& detail, std::string message)
    : std::runtime_error(detail)
    , m_message(std::move(message))
{ }

template <typename T> T checked(T v)
{
    if (!std::isfinite(v))
        throw CalcError(std::isnan(v) ? "invalid operation" : "overflow or division by zero");
    return v;
}
template double checked(double);
template float checked(float);

void checkIndex(int i, std::size_t size)
{
    if (i < 0 || static_cast<std::size_t>(i) >= size)
        throw CalcError("row " + std::to_string(i) + " is outside a table of " + std::to_string(size) + " rows");
}

float toSingle(double v)
{
    // Values below FLT_MAX plus half a unit in its last place still round to FLT_MAX.
    static const double limit = static_cast<double>(FLT_MAX) + std::ldexp(1.0, 103);
    if (!(std::fabs(checked(v)) < limit))
        throw CalcError("overflow in a single-precision value");
    return static_cast<float>(v);
}

} // namespace vorlan
