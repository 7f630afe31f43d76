#include "studies/sweep.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "calc/casefile.h"
#include "platform/numbertext.h"

namespace vorlan {

const std::vector<Box>& sweepableBoxes()
{
    static const std::vector<Box> boxes = {Box::Text12, Box::Text3, Box::Text8, Box::Text7, Box::Text11, Box::Text10,
        Box::Text6, Box::Text9, Box::Form2Text1, Box::Form2Text2, Box::Text1, Box::Text2, Box::Text4, Box::Text5};
    return boxes;
}

bool modeReads(const CaseSnapshot& snapshot, Box box)
{
    // The flow mode tests Option3 first, then Option7; the size mode tests Option5.
    const bool internalOutlet = snapshot.isSelected(Option::Option3);
    const bool externalOutlet = !internalOutlet && snapshot.isSelected(Option::Option7);
    const bool length = snapshot.isSelected(Option::Option5);
    switch (box) {
    case Box::Text7:
        return internalOutlet;
    case Box::Text8:
        return !internalOutlet;
    case Box::Text10:
        return externalOutlet;
    case Box::Text11:
        return !externalOutlet;
    case Box::Text12:
        return length;
    case Box::Text3:
        return !length;
    default:
        return true;
    }
}

std::string sweepProblem(const SweepRange& range, const CaseSnapshot& snapshot)
{
    const std::vector<Box>& boxes = sweepableBoxes();
    const std::string label(labelOf(range.box));
    if (std::find(boxes.begin(), boxes.end(), range.box) == boxes.end())
        return label + " cannot be swept: it is not a number of the case.";
    if (!modeReads(snapshot, range.box))
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

} // namespace

SweepRange parseSweep(std::string_view text, bool logarithmic)
{
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        throw std::invalid_argument("A sweep is written KEY=FROM:TO:N.");
    SweepRange range;
    try {
        range.box = boxOfCaseKey(text.substr(0, equals));
    } catch (const std::invalid_argument&) {
        std::string keys;
        for (const Box box : sweepableBoxes())
            keys += (keys.empty() ? "" : ", ") + caseKeyOf(box);
        throw std::invalid_argument(
            "\"" + std::string(text.substr(0, equals)) + "\" is not a key of a case that can be swept: " + keys + ".");
    }
    const std::string_view rest = text.substr(equals + 1);
    const std::size_t first = rest.find(':');
    const std::size_t second = first == std::string_view::npos ? first : rest.find(':', first + 1);
    if (second == std::string_view::npos)
        throw std::invalid_argument("A sweep is written KEY=FROM:TO:N.");
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

SweepPoint calculatePoint(Exchanger& exchanger, CaseSnapshot snapshot, Box box, std::string text)
{
    SweepPoint point;
    point.value = textToDouble(text);
    snapshot.setText(box, text);
    point.text = std::move(text);
    point.outcome = exchanger.Command1_Click(snapshot);
    if (isRobust(point))
        exchanger.adopt(*point.outcome.robust); // its analysis reads the exchanger
    return point;
}

bool isRobust(const SweepPoint& point)
{
    return !point.outcome.record && point.outcome.robust && point.outcome.robust->record;
}

const ResultRecord* pointRecord(const SweepPoint& point)
{
    if (point.outcome.record)
        return &*point.outcome.record;
    return isRobust(point) ? &*point.outcome.robust->record : nullptr;
}

std::string pointMessage(const SweepPoint& point)
{
    if (point.outcome.record)
        return {};
    if (isRobust(point))
        return robustBanner(*point.outcome.robust, point.outcome.message);
    return point.outcome.message;
}

} // namespace vorlan
