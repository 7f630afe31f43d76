#include "studies/sweep.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "calc/casefile.h"
#include "platform/numbertext.h"

namespace vorlan {

const std::vector<Quantity>& sweepableQuantities()
{
    static const std::vector<Quantity> quantities = {Quantity::Length, Quantity::Capacity, Quantity::InternalMassFlow,
        Quantity::InternalOutletTemperature, Quantity::ExternalMassFlow, Quantity::ExternalOutletTemperature,
        Quantity::InternalInletTemperature, Quantity::ExternalInletTemperature, Quantity::InternalFouling,
        Quantity::ExternalFouling, Quantity::InternalOutsideDiameter, Quantity::InternalThickness,
        Quantity::ExternalOutsideDiameter, Quantity::ExternalThickness};
    return quantities;
}

bool modeReads(const CaseContents& contents, Quantity quantity)
{
    const bool internalOutlet = contents.flowMode() == FlowMode::InternalOutletGiven;
    const bool externalOutlet = contents.flowMode() == FlowMode::ExternalOutletGiven;
    const bool length = contents.lengthGiven;
    switch (quantity) {
    case Quantity::InternalOutletTemperature:
        return internalOutlet;
    case Quantity::InternalMassFlow:
        return !internalOutlet;
    case Quantity::ExternalOutletTemperature:
        return externalOutlet;
    case Quantity::ExternalMassFlow:
        return !externalOutlet;
    case Quantity::Length:
        return length;
    case Quantity::Capacity:
        return !length;
    default:
        return true;
    }
}

std::string sweepProblem(const SweepRange& range, const CaseContents& contents)
{
    const std::vector<Quantity>& quantities = sweepableQuantities();
    const std::string label(labelOf(range.quantity));
    if (std::find(quantities.begin(), quantities.end(), range.quantity) == quantities.end())
        return label + " cannot be swept: it is not a number of the case.";
    if (!modeReads(contents, range.quantity))
        return label + " is calculated, not read, in this case's mode: sweep a given input.";
    if (range.points < kMinSweepPoints || range.points > kMaxSweepPoints)
        return "A sweep has " + std::to_string(kMinSweepPoints) + " to " + std::to_string(kMaxSweepPoints)
            + " points, not " + std::to_string(range.points) + ".";
    if (!std::isfinite(range.from) || !std::isfinite(range.to))
        return "The range's ends must be numbers.";
    if (range.from == range.to)
        return "The range starts and ends at the same value.";
    if (range.logarithmic && !((range.from > 0 && range.to > 0) || (range.from < 0 && range.to < 0)))
        return "A logarithmic range cannot start, end or pass through zero.";
    return {};
}

namespace {

double readNumber(std::string_view text)
{
    double value = 0;
    if (!parseTypedNumber(text, value))
        throw std::invalid_argument("\"" + std::string(text) + "\" is not a number.");
    return value;
}

constexpr char kSweepForm[] = "A sweep is written KEY=FROM:TO:N.";

/** The case-file keys of the quantities a sweep can vary, "exchanger.length, exchanger.capacity, ...". */
std::string sweepableKeys()
{
    std::string keys;
    for (const Quantity quantity : sweepableQuantities())
        keys += (keys.empty() ? "" : ", ") + caseKeyOf(quantity);
    return keys;
}

} // namespace

SweepRange parseSweep(std::string_view text, bool logarithmic)
{
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        throw std::invalid_argument(kSweepForm);
    SweepRange range;
    const std::optional<Quantity> quantity = quantityWithKey(text.substr(0, equals));
    if (!quantity)
        throw std::invalid_argument("\"" + std::string(text.substr(0, equals))
            + "\" is not a key of a case that can be swept: " + sweepableKeys() + ".");
    range.quantity = *quantity;
    const std::string_view rest = text.substr(equals + 1);
    const std::size_t first = rest.find(':');
    const std::size_t second = first == std::string_view::npos ? first : rest.find(':', first + 1);
    if (second == std::string_view::npos)
        throw std::invalid_argument(kSweepForm);
    range.from = readNumber(rest.substr(0, first));
    range.to = readNumber(rest.substr(first + 1, second - first - 1));
    const double points = readNumber(rest.substr(second + 1));
    if (points != std::floor(points))
        throw std::invalid_argument("The number of points must be a whole number.");
    // Beyond the range of int a count is as wrong as any above the largest: sweepProblem says so.
    range.points = std::fabs(points) > 1e9 ? kMaxSweepPoints + 1 : static_cast<int>(points);
    range.logarithmic = logarithmic;
    return range;
}

std::vector<std::string> sweepTexts(const SweepRange& range)
{
    const int last = range.points - 1;
    std::vector<double> values;
    for (int i = 0; i <= last; ++i) {
        const double share = static_cast<double>(i) / last;
        values.push_back(range.logarithmic ? range.from * std::pow(range.to / range.from, share)
                                           : range.from + (range.to - range.from) * share);
    }
    values.back() = range.to; // the last point is the range's end, not a rounding of it
    // Each text keeps the decimals that resolve a hundredth of the step to its neighbour: the
    // points stay evenly spaced to within 1 % of a step and read as a user would type them.
    std::vector<std::string> texts;
    for (int i = 0; i <= last; ++i) {
        const double step = std::fabs(values[i == last ? i - 1 : i + 1] - values[i]);
        const int decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(step / 100))), 0, 15);
        texts.push_back(numberToText(roundHalfEven(values[i], decimals)));
    }
    return texts;
}

SweepPoint calculatePoint(Exchanger& exchanger, CaseContents contents, Quantity quantity, std::string text)
{
    SweepPoint point;
    point.value = textToDouble(text);
    contents.setText(quantity, text);
    point.text = std::move(text);
    point.outcome = exchanger.calculate(contents);
    return point;
}

bool isRobust(const SweepPoint& point)
{
    return !point.outcome.solution && point.outcome.robust && point.outcome.robust->solved;
}

const Solution* pointSolution(const SweepPoint& point)
{
    if (point.outcome.solution)
        return &*point.outcome.solution;
    return isRobust(point) ? &*point.outcome.robust->solved : nullptr;
}

std::string pointMessage(const SweepPoint& point)
{
    if (point.outcome.solution)
        return {};
    if (isRobust(point))
        return robustBanner(*point.outcome.robust, point.outcome.message);
    return point.outcome.message;
}

} // namespace vorlan
