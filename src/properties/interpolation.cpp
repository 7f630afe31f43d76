#include "properties/interpolation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "platform/calcerror.h"
#include "platform/numbertext.h"

namespace vorlan {

double Interpola(double x, double x0, double& x1, double y0, double y1)
{
    x1 = checked(x1 + 0.000001);
    const float slope = toSingle(checked((y1 - y0) / checked(x1 - x0)));
    return checked(checked(x - x0) * slope + y0);
}

double Log10(double x)
{
    if (!(x > 0))
        throw CalcError("logarithm of a value that is not positive");
    return checked(std::log(x) / std::log(10.0));
}

float SelectedPressure::value()
{
    // Every lookup converts its side's pressure text again; the same text gives the same single,
    // so the last two texts converted on this thread (one per side) and their values are kept.
    struct Converted {
        std::string text;
        float value = 0;
    };
    thread_local std::array<Converted, 2> recent;
    thread_local std::size_t oldest = 0;
    if (!m_converted) {
        if (!m_text.empty() && m_text == recent[0].text) {
            m_value = recent[0].value;
        } else if (!m_text.empty() && m_text == recent[1].text) {
            m_value = recent[1].value;
        } else {
            m_value = textToSingle(m_text);
            recent[oldest] = {std::string(m_text), m_value};
            oldest = 1 - oldest;
        }
        m_converted = true;
    }
    return m_value;
}

namespace {

/** The search with every difference checked for overflow, row by row. */
int findSegmentChecked(const std::vector<double>& X, const std::vector<float>& P, double t, SelectedPressure& pressure)
{
    const int n = static_cast<int>(X.size()) - 1;
    for (int i = 0; i < n; ++i) {
        const double xi = element(X, i);
        const double offset = checked(t - xi);
        const bool above = offset >= 0;
        const bool belowNext = toSingle(offset) < toSingle(checked(element(X, i + 1) - xi));
        const bool atPressure = pressure.value() == element(P, i);
        if (above && belowNext && atPressure)
            return i;
    }
    return 0;
}

} // namespace

int findSegment(const std::vector<double>& X, const std::vector<float>& P, double t, SelectedPressure& pressure)
{
    // The calculation's hottest loop. While every difference stays well inside the single range no
    // check can fail, so the rows are compared without them; a difference outside it sends the
    // search to the checked loop, which fails at the same row.
    constexpr double safe = 1e37;
    const std::size_t rows = std::min(X.size(), P.size());
    if (rows < 2 || X.size() != P.size())
        return findSegmentChecked(X, P, t, pressure);
    const float p = pressure.value();
    bool outsideSafeRange = !(std::fabs(t) < safe);
    for (std::size_t i = 0; i + 1 < rows && !outsideSafeRange; ++i) {
        const double offset = t - X[i];
        const double step = X[i + 1] - X[i];
        outsideSafeRange = !(std::fabs(offset) < safe && std::fabs(step) < safe);
        if (!outsideSafeRange && offset >= 0 && static_cast<float>(offset) < static_cast<float>(step) && p == P[i])
            return static_cast<int>(i);
    }
    return outsideSafeRange ? findSegmentChecked(X, P, t, pressure) : 0;
}

namespace {

// Values and arguments this far inside the double range keep every difference of the search far
// from the single range's end, so no check of the search can fail.
constexpr double kFarInside = 1e30;

/** Finds whether the column's values are far inside the double range, its blocks and whether it rises strictly within
 * each; see ColumnOrder. */
void learnOrder(const std::vector<double>& X, const std::vector<float>& P, ColumnOrder& order)
{
    order.reset();
    order.known = true;
    const std::size_t rows = X.size();
    if (rows < 2 || P.size() != rows)
        return;
    for (std::size_t i = 0; i < rows; ++i)
        if (!(std::fabs(X[i]) < kFarInside) || !(P[i] == P[i]))
            return;
    order.farInside = true;
    bool ordered = true;
    std::size_t first = 0;
    for (std::size_t i = 0; i < rows; ++i) {
        if (i + 1 < rows && P[i + 1] == P[i]) {
            if (!(X[i] < X[i + 1])) {
                ordered = false;
                if (order.fallAt(P[i]) == nullptr)
                    order.falls.push_back({P[i], static_cast<int>(i + 1), X[i], X[i + 1]});
            }
            continue;
        }
        for (const ColumnOrder::Block& block : order.blocks)
            ordered = ordered && block.pressure != P[i]; // in two blocks: the linear search decides between them
        order.blocks.push_back({P[i], static_cast<int>(first), static_cast<int>(i)});
        first = i + 1;
    }
    order.ordered = ordered;
}

/**
 * The linear search on a column far inside the double range: a row can only match when
 * X(i) <= t < X(i+1), which is tested first, without the checks no difference can fail.
 */
int findSegmentFarInside(const std::vector<double>& X, const std::vector<float>& P, double t, float p)
{
    for (std::size_t i = 0; i + 1 < X.size(); ++i) {
        if (segmentHolds(X, P, t, p, i))
            return static_cast<int>(i);
    }
    return 0;
}

} // namespace

bool segmentHolds(const std::vector<double>& X, const std::vector<float>& P, double t, float p, std::size_t i)
{
    return P[i] == p && X[i] <= t && t < X[i + 1] && static_cast<float>(t - X[i]) < static_cast<float>(X[i + 1] - X[i]);
}

int findSegment(
    const std::vector<double>& X, const std::vector<float>& P, double t, SelectedPressure& pressure, ColumnOrder& order)
{
    if (!order.known)
        learnOrder(X, P, order);
    if (!order.farInside || !(std::fabs(t) < kFarInside))
        return findSegment(X, P, t, pressure);
    if (!order.ordered)
        return findSegmentFarInside(X, P, t, pressure.value());
    // Only the rows of the pressure's block can match. A row i matches only when X(i) <= t < X(i+1),
    // since rounding keeps the order of the differences; the column rising within the block, that
    // is the last row of the block at or below t, and it matches if its single-precision
    // comparison holds. No other row can.
    const float p = pressure.value();
    const auto block = std::find_if(
        order.blocks.begin(), order.blocks.end(), [p](const ColumnOrder::Block& b) { return b.pressure == p; });
    if (block == order.blocks.end())
        return 0;
    const int lastSegment = std::min(block->last, static_cast<int>(X.size()) - 2);
    if (lastSegment < block->first)
        return 0;
    // Successive lookups mostly fall into the segment of the last one: when t lies in it, it is
    // the row the bisection would find.
    std::size_t i = static_cast<std::size_t>(order.lastFound);
    const bool sameSegment
        = order.lastFound >= block->first && order.lastFound <= lastSegment && X[i] <= t && t < X[i + 1];
    if (!sameSegment) {
        const auto begin = X.begin() + block->first;
        const auto above = std::upper_bound(begin, X.begin() + lastSegment + 1, t);
        if (above == begin)
            return 0;
        i = static_cast<std::size_t>(above - X.begin()) - 1;
        order.lastFound = static_cast<int>(i);
    }
    const double offset = t - X[i];
    const double step = X[i + 1] - X[i];
    return static_cast<float>(offset) < static_cast<float>(step) ? static_cast<int>(i) : 0;
}

} // namespace vorlan
