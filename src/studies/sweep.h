#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/casecontents.h"
#include "calc/exchanger.h"

namespace vorlan {

/** Fewest and most points of a sweep. */
inline constexpr int kMinSweepPoints = 2;
inline constexpr int kMaxSweepPoints = 1000;

/** One input of a case varied over a range: linear steps, or a constant ratio with logarithmic. */
struct SweepRange {
    Quantity quantity = Quantity::Length;
    double from = 0;
    double to = 0;
    int points = 0;
    bool logarithmic = false;
};

/** The quantities a sweep can vary, in the order the Study window lists them. */
const std::vector<Quantity>& sweepableQuantities();

/** True when the case's flow and size modes make Calculate read the quantity (not solve for it). */
bool modeReads(const CaseContents& contents, Quantity quantity);

/** Why the range cannot be swept on this case, or "" when it can; checked before any point runs. */
std::string sweepProblem(const SweepRange& range, const CaseContents& contents);

/**
 * Reads "KEY=FROM:TO:N" (the quantity's case-file key, "exchanger.length", numbers with a decimal
 * point or comma); throws std::invalid_argument with a message for the user, listing the keys that
 * can be swept when KEY is none of them. The range itself is checked by sweepProblem.
 */
SweepRange parseSweep(std::string_view text, bool logarithmic);

/** The text typed for the quantity at each point, first to last: decimal comma, the digits its step needs. */
std::vector<std::string> sweepTexts(const SweepRange& range);

/** One calculated point: the text typed for the swept quantity, the value it reads as, and the outcome. */
struct SweepPoint {
    std::string text;
    double value = 0;
    CalcOutcome outcome;
};

/**
 * The solution a point shows: Calculate's, or where Calculate refused the case its robust solution's
 * (isRobust() tells which); null when neither solved it.
 */
const Solution* pointSolution(const SweepPoint& point);
bool isRobust(const SweepPoint& point);

/** What a point's message cell says: Calculate's message, the robust solution with it, or nothing. */
std::string pointMessage(const SweepPoint& point);

/** Calculates the case with the quantity set to text, exactly as a press of Calculate after typing it. */
SweepPoint calculatePoint(Exchanger& exchanger, CaseContents contents, Quantity quantity, std::string text);

} // namespace vorlan
