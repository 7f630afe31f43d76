#pragma once

#include <string_view>
#include <vector>

#include "properties/fluidtable.h"

namespace vorlan {

/**
 * Linear interpolation at x between (x0, y0) and (x1, y1). x1 is a table element: it is raised by
 * 1e-6 first and stays raised, so repeated lookups drift the segment's upper end until the table is
 * next loaded. The slope is rounded to single precision. Arithmetic faults throw CalcError.
 */
double Interpola(double x, double x0, double& x1, double y0, double y1);

/** Base-10 logarithm, ln(x) / ln(10); x <= 0 throws CalcError. */
double Log10(double x);

/**
 * A side's selected pressure [bar]: the text of its pressure box, converted to single precision
 * when first needed (a text that is not a number throws CalcError then).
 */
class SelectedPressure {
public:
    explicit SelectedPressure(std::string_view text)
        : m_text(text)
    { }
    float value();

private:
    std::string_view m_text; // the pressure box's text, which outlives the lookup
    bool m_converted = false;
    float m_value = 0;
};

/**
 * Finds the row k whose half-open segment [X(k), X(k+1)) holds t within the block of the selected
 * pressure: the first row i with t - X(i) >= 0, (t - X(i)) < (X(i+1) - X(i)) compared in single
 * precision, and P(i) equal to the pressure. Every row is tested on all three conditions until one
 * matches; no match gives 0, so the caller then uses rows 0 and 1 whatever their pressure.
 */
int findSegment(const std::vector<double>& X, const std::vector<float>& P, double t, SelectedPressure& pressure);

/**
 * Whether row i of a column far inside the double range (see ColumnOrder) matches the search for t
 * at the pressure p; i + 1 must be a row.
 */
bool segmentHolds(const std::vector<double>& X, const std::vector<float>& P, double t, float p, std::size_t i);

/**
 * The same search, by bisection within the pressure's block while X's order allows it (see
 * ColumnOrder); order belongs to X and learns it on its first use.
 */
int findSegment(const std::vector<double>& X, const std::vector<float>& P, double t, SelectedPressure& pressure,
    ColumnOrder& order);

} // namespace vorlan
