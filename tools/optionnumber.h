#pragma once

#include <charconv>
#include <string>

namespace vorlan {

/** Reads a number of an option, with a decimal point, within [low, high]. */
inline bool parseNumberIn(const std::string& text, double low, double high, double& value)
{
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && value >= low && value <= high;
}

/** Reads a whole number of an option within [low, high]. */
inline bool parseCountIn(const std::string& text, long low, long high, long& count)
{
    double value = 0;
    if (!parseNumberIn(text, double(low), double(high), value) || value != double(long(value)))
        return false;
    count = long(value);
    return true;
}

} // namespace vorlan
