#pragma once

#include <span>
#include <string_view>

namespace vorlan {

/**
 * One warning a solved case can raise: its name (the key in the batch output), the condition in
 * words, its thresholds (low and high; a rule with one threshold leaves the other at 0), why it
 * matters and where the thresholds come from.
 */
struct WarningRule {
    std::string_view name;
    std::string_view condition;
    double low;
    double high;
    std::string_view reason;
    std::string_view source;
};

/** Every warning rule, in the order the warnings are listed. */
std::span<const WarningRule> warningRules();

/** The rule of that name; an unknown name is a programming error and throws std::out_of_range. */
const WarningRule& warningRule(std::string_view name);

} // namespace vorlan
