#include "analysis/numberformat.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/numbertext.h"

namespace vorlan {

std::string figure(double value, int significant)
{
    if (!std::isfinite(value))
        return "not available";
    if (value == 0)
        return "0";
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::clamp(significant - 1 - magnitude, 0, 12);
    return numberToText(roundHalfEven(value, decimals));
}

namespace {

struct MeasureStyle {
    int significant;
    double noise; ///< values smaller than this in magnitude are what is left of a difference of equal values
    std::string_view unit;
};

// Temperatures and duties keep enough digits to show a balance to the hundredth; fouling factors,
// shares and misses three, as the data behind them allow. The noise bounds lie far below any value
// these quantities take in an exchanger and far above the rounding of single-precision results.
constexpr std::array<MeasureStyle, 13> kStyles {{
    {6, 1e-6, "°C"},
    {4, 1e-6, "K"},
    {6, 1e-6, "kW"},
    {4, 1e-9, "kW/K"},
    {4, 1e-6, "W/(m² K)"},
    {3, 1e-8, "(m² K)/W"},
    {4, 1e-6, "m"},
    {4, 1e-6, "m²"},
    {4, 1e-9, "kg/s"},
    {4, 1e-6, "kPa"},
    {4, 1e-6, "m/s"},
    {3, 1e-6, "%"},
    {5, 1e-12, ""},
}};

const MeasureStyle& styleOf(Measure measure) { return kStyles.at(static_cast<std::size_t>(measure)); }

} // namespace

std::string figure(double value, Measure measure)
{
    const MeasureStyle& style = styleOf(measure);
    return figure(std::fabs(value) < style.noise ? 0.0 : value, style.significant);
}

std::string_view unitOf(Measure measure) { return styleOf(measure).unit; }

std::string withUnit(double value, Measure measure)
{
    const std::string_view unit = unitOf(measure);
    return unit.empty() ? figure(value, measure) : figure(value, measure) + " " + std::string(unit);
}

} // namespace vorlan
