#pragma once

#include <vector>

class QFontMetricsF;
class QPainter;
class QPointF;
class QString;

namespace vorlan {

// The axis pieces the temperature profile, the study plot and the design plot share.

/** A round tick spacing, 1, 2 or 5 times a power of ten, giving about five ticks over the span. */
double tickStep(double span);

/**
 * A title along a vertical axis, centred on edge over the length [pixels]: read from below on the
 * left side and from above on the right.
 */
void drawVerticalTitle(QPainter& painter, QPointF edge, double length, bool rightSide, const QString& title);

/** An axis of a plot: its ends in the values' unit and the values where it has ticks. */
struct PlotAxis {
    double low = 0;
    double high = 1;
    bool logarithmic = false;
    std::vector<double> ticks;

    /** Where a value lies along the axis: 0 at low, 1 at high. */
    double share(double value) const;
};

/** The multiples of step from low to high; a tick within a rounding error of zero is zero. */
std::vector<double> steppedTicks(double low, double high, double step);

/** The smallest and largest value, NaN ones left out; false when there is none. */
bool valueRange(const std::vector<double>& values, double& low, double& high);

/** An axis from the smallest to the largest value, widened around a single one. */
PlotAxis spanOf(const std::vector<double>& values);

/** A linear axis over the values, its ends on round ticks. */
PlotAxis valueAxis(const std::vector<double>& values);

/** A tick's number as the windows write it. */
QString tickText(double value);

/** The widest tick number of the axis [pixels]. */
double tickTextWidth(const QFontMetricsF& metrics, const PlotAxis& axis);

} // namespace vorlan
