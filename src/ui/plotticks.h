#pragma once

namespace vorlan {

/** A round tick spacing, 1, 2 or 5 times a power of ten, giving about five ticks over the span. */
double tickStep(double span);

} // namespace vorlan
