#pragma once

// Every text the program shows to the user about a failed calculation, in one place.
namespace vorlan::msg {

inline constexpr char InvalidData[] = "Invalid data";

} // namespace vorlan::msg
