#pragma once

class QPainter;
class QPointF;
class QString;

namespace vorlan {

// The axis pieces the temperature profile and the study plot share.

/** A round tick spacing, 1, 2 or 5 times a power of ten, giving about five ticks over the span. */
double tickStep(double span);

/**
 * A title along a vertical axis, centred on edge over the length [pixels]: read from below on the
 * left side and from above on the right.
 */
void drawVerticalTitle(QPainter& painter, QPointF edge, double length, bool rightSide, const QString& title);

} // namespace vorlan
