#pragma once

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

/** Returns v, or throws CalcError when v is infinite or NaN (overflow, division by zero, invalid operation). */
template <typename T> T checked(T v);
extern template double checked(double);
extern template float checked(float);

/** Rounds a double to single precision; a value beyond the single range is an overflow error. */
float toSingle(double v);

/** Throws CalcError unless 0 <= i < size. */
void checkIndex(int i, std::size_t size);

/** Element i of a table column; an index outside the column is an error. */
template <typename T> T& element(std::vector<T>& column, int i)
{
    checkIndex(i, column.size());
    return column[static_cast<std::size_t>(i)];
}

template <typename T> const T& element(const std::vector<T>& column, int i)
{
    checkIndex(i, column.size());
    return column[static_cast<std::size_t>(i)];
}

} // namespace vorlan
