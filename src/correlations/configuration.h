#pragma once

namespace vorlan {

/** How the two streams run along the exchanger. */
enum class Configuration {
    Countercurrent, ///< the streams enter at opposite ends
    Cocurrent, ///< both streams enter at the same end
};

/** Which of the two fluids: the one in the internal pipe or the one in the annulus. */
enum class Side { Internal, External };

/** The other side. */
constexpr Side opposite(Side side) { return side == Side::Internal ? Side::External : Side::Internal; }

} // namespace vorlan
