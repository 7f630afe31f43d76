#pragma once

#include <cfloat>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/messages.h"

namespace vorlan {

/**
 * The one error of a calculation. Deep code throws it; the Calculate command catches it and shows
 * message() in one message box. what() carries a detail for diagnostics (file, box, row).
 */
class CalcError : public std::runtime_error {
public:
    explicit CalcError(const std::string& detail, std::string message = msg::InvalidData);
    const std::string& message() const { return m_message; }

private:
    std::string m_message;
};

/** Throws the CalcError of a value that is infinite or NaN, with the general reason msg::CannotCompute. */
[[noreturn]] void throwNotFinite();
/** Throws the CalcError of a value beyond the single-precision range. */
[[noreturn]] void throwSingleOverflow();
/** Throws the CalcError of a row outside a table. */
[[noreturn]] void throwOutsideTable(int i, std::size_t size);

/** Returns v, or throws CalcError when v is infinite or NaN (overflow, division by zero, invalid operation). */
template <typename T> inline T checked(T v)
{
    if (!std::isfinite(v)) [[unlikely]]
        throwNotFinite();
    return v;
}

/** Rounds a double to single precision; a value beyond the single range is an overflow error. */
inline float toSingle(double v)
{
    // Values below FLT_MAX plus half a unit in its last place still round to FLT_MAX.
    constexpr double limit = static_cast<double>(FLT_MAX) + 0x1p103;
    if (!(std::fabs(checked(v)) < limit)) [[unlikely]]
        throwSingleOverflow();
    return static_cast<float>(v);
}

/** Element i of a table column; an index outside the column is an error. */
template <typename T> inline T& element(std::vector<T>& column, int i)
{
    if (i < 0 || static_cast<std::size_t>(i) >= column.size()) [[unlikely]]
        throwOutsideTable(i, column.size());
    return column[static_cast<std::size_t>(i)];
}

template <typename T> inline const T& element(const std::vector<T>& column, int i)
{
    if (i < 0 || static_cast<std::size_t>(i) >= column.size()) [[unlikely]]
        throwOutsideTable(i, column.size());
    return column[static_cast<std::size_t>(i)];
}

} // namespace vorlan
