#pragma once

#include <string>
#include <string_view>

namespace vorlan {

/** A number as the windows write it (decimal comma), rounded to the given significant digits. */
std::string figure(double value, int significant = 4);

/**
 * What a figure of the program's own windows measures: it sets the significant digits shown, the
 * magnitude below which a value is rounding noise and shows as 0, and the unit written beside it.
 */
enum class Measure {
    Temperature, ///< °C
    TemperatureDifference, ///< K
    Duty, ///< kW
    HeatCapacityRate, ///< kW/K
    Coefficient, ///< W/(m² K)
    Fouling, ///< (m² K)/W
    Length, ///< m
    Surface, ///< m²
    MassFlow, ///< kg/s
    PressureDrop, ///< kPa
    Velocity, ///< m/s
    Percent, ///< %
    Number, ///< dimensionless
};

/** The value as the windows show it for what it measures; noise around zero as "0". */
std::string figure(double value, Measure measure);

/** The unit of a measure in the one style of the windows ("W/(m² K)", "(m² K)/W"); "" for a number. */
std::string_view unitOf(Measure measure);

/** The figure followed by its unit: "0,0004 (m² K)/W". */
std::string withUnit(double value, Measure measure);

} // namespace vorlan
