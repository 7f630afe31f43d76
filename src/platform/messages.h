#pragma once

// Every text the program shows about a failed calculation, in one place.
namespace vorlan::msg {

inline constexpr char Title[] = "Vorlan"; ///< title of every message box

inline constexpr char InvalidData[] = "Invalid data";
inline constexpr char InvalidPressureInternal[] = "Invalid pressure of internal fluid";
inline constexpr char InvalidPressureExternal[] = "Invalid pressure of external fluid";
inline constexpr char InvalidTemperatures[] = "Invalid temperatures";
inline constexpr char TemperaturesOutOfRange[] = "Temperatures out of allowed range for the selected fluid";
inline constexpr char CapacityTooHigh[] = "Capacity too high";
inline constexpr char NtuTooHigh[] = "Invalid data: NTUmin too high";
inline constexpr char NotConverged[] = "Calculation did not converge";

} // namespace vorlan::msg
