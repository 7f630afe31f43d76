#pragma once

#include <span>
#include <string_view>

namespace vorlan {

/**
 * How much a warning weighs, least first: a result against design practice, a result that may be
 * off, a result no real exchanger can have.
 */
enum class Severity { Advice, Doubtful, Impossible };

/** The severity's word in the batch output: "advice", "doubtful", "impossible". */
std::string_view severityName(Severity severity);

/** The warnings a solved case can raise, in the order they are listed. */
enum class WarningKind {
    Transition,
    NearTransition,
    GraetzJump,
    TurbulentPrandtl,
    LengthRatio,
    ViscosityRatio,
    CrossCheck,
    GasDensity,
    LiquidVelocityTube,
    LiquidVelocityAnnulus,
    GasVelocity,
    GasPressureDrop,
    LiquidPressureDrop,
    TableRange,
    CloseApproach,
    TemperatureCross,
    LaminarAnnulusFriction,
    PressureDropBeyondPressure,
    SpeedOfSound,
};
inline constexpr std::size_t kWarningKindCount = static_cast<std::size_t>(WarningKind::SpeedOfSound) + 1;

/**
 * One warning a solved case can raise: its kind, its name (the key in the batch output), the condition in
 * words, its thresholds (low and high; a rule with one threshold leaves the other at 0), why it
 * matters, where the thresholds come from and its severity.
 */
struct WarningRule {
    WarningKind kind;
    std::string_view name;
    std::string_view condition;
    double low;
    double high;
    std::string_view reason;
    std::string_view source;
    Severity severity;
};

/** Every warning rule, in the order the warnings are listed. */
std::span<const WarningRule> warningRules();

/** The rule of a kind of warning. */
const WarningRule& warningRule(WarningKind kind);

} // namespace vorlan
