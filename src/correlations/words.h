#pragma once

// Word flags passed between the calculation's operations, compared exactly (case-sensitive).
namespace vorlan::word {

inline constexpr char Contro[] = "contro"; ///< counter-current configuration
inline constexpr char Equi[] = "equi"; ///< co-current configuration
inline constexpr char Int[] = "int"; ///< the internal fluid's side
inline constexpr char Est[] = "est"; ///< the external fluid's side (annulus)
inline constexpr char Si[] = "SI"; ///< inside the range
inline constexpr char No[] = "NO"; ///< outside the range

} // namespace vorlan::word
