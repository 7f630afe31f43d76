#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calc/casecontents.h"
#include "calc/exchanger.h"
#include "properties/pipecatalogue.h"
#include "studies/designcost.h"
#include "studies/hairpinnetwork.h"

namespace vorlan {

/** Least annular gap of a sensible pair of pipes, (outer's inside diameter - inner's outside)/2 [mm]. */
inline constexpr double kMinimumAnnularGap = 3.0;
/** Largest outer's inside diameter over inner's outside diameter of a sensible pair: wider annuli
 * carry little flow past the wall (Kern's usual pairs, 2" x 1 1/4" to 4" x 3" IPS, lie at 1,15 to 1,5). */
inline constexpr double kMaximumDiameterRatio = 2.0;

/** A velocity range [m/s]. */
struct VelocityRange {
    double low = 0;
    double high = 0;
};

/**
 * What the engineer allows a design. The pressure drops are per stream, indexed by the side the case
 * puts the stream on (Side::Internal: the stream the case has in the inner pipe), so each follows
 * its stream when the search puts it on the other side. The velocity ranges default to the
 * warnings' usual ranges (Sinnott, Coulson and Richardson vol. 6, ch. 12).
 */
struct DesignConstraints {
    std::array<double, 2> allowedPressureDrop = {68.95, 68.95}; ///< [kPa], 10 psi each by default
    double legLength = 6.096; ///< [m], 20 ft
    VelocityRange liquidInPipe = {0.5, 3.0};
    VelocityRange liquidInAnnulus = {0.3, 2.0};
    VelocityRange gas = {5.0, 30.0};
    std::vector<std::string> standards; ///< the catalogue's standards to try; empty: every one
    long maxBanks = 4; ///< most parallel banks of a split side; 1: all in series only
    long maxHairpins = 50;
    bool estimateCost = false;
};

/** What a design must do: the case's duty at the case's flows, and the temperatures that go with it. */
struct DesignTarget {
    CaseContents base; ///< the case with both flows given and the duty as its capacity
    double duty = 0; ///< [kW]
    std::array<float, 2> massFlow = {}; ///< [kg/s] of the case's internal and external stream
    std::array<double, 2> inlet = {}, outlet = {}; ///< [°C], same indexing
    std::array<double, 2> density = {}; ///< at the stream's mean temperature [kg/m³]
    std::array<std::string, 2> fluid; ///< the streams' fluid names
};

/** The target of the case: its own Calculate's duty and flows; the message when the case fails. */
struct TargetOutcome {
    std::optional<DesignTarget> target;
    std::string message;
};
TargetOutcome designTarget(Exchanger& exchanger, const CaseContents& contents);

/** One design to try: a pair of standard pipes, which stream goes inside, how the hairpins connect. */
struct DesignCandidate {
    StandardPipe inner;
    StandardPipe outer;
    bool swapped = false; ///< the case's internal stream flows in the annulus, its external one in the pipe
    std::optional<Side> split; ///< the exchanger side (pipe or annulus) split into banks; none: all in series
    long banks = 1;
};

/** The case's stream (by the side the case puts it on) that flows on the exchanger's side in the design. */
Side streamOn(Side side, const DesignCandidate& candidate);

/**
 * The pairs of the catalogue's chosen standards, as candidates all in series: the inner and the
 * outer pipe of one standard, pipes of equal dimensions counted once (the first in file order), every
 * pair with an annular gap of at least kMinimumAnnularGap and a diameter ratio of at most
 * kMaximumDiameterRatio, with each stream inside in turn.
 */
std::vector<DesignCandidate> designCandidates(
    const std::vector<StandardPipe>& catalogue, const DesignConstraints& constraints);

/** A candidate as evaluated. */
struct Design {
    DesignCandidate candidate;
    long hairpins = 0;
    /** The constraint the design breaks, in words with values and units; empty when it is feasible. */
    std::string broken;
    /** The arrangement solved at its whole number of hairpins; none when it was not reached. */
    std::optional<HairpinNetwork> network;
    double requiredSurface = 0; ///< [m²] for the target duty
    double excess = 0; ///< installed surface over the required one [%]
    double allowedFouling = 0; ///< Kern's R_d of the installed surface [(m² K)/W]
    double dropRatio = 0; ///< the larger of the streams' pressure drops over their allowed ones
    bool nonDominated = false; ///< no feasible design has less surface and less pressure-drop ratio
    std::optional<CostEstimate> cost;
    bool feasible() const { return broken.empty(); }
};

/**
 * Evaluates one candidate for the target (see the .cpp for the method); every failure is a broken
 * constraint of the design, never an exception.
 */
Design evaluateDesign(Exchanger& exchanger, const DesignTarget& target, const DesignCandidate& candidate,
    const DesignConstraints& constraints);

/**
 * The designs of one pair (a candidate all in series): all in series first, then, as Kern splits a
 * stream too large for its pipe (Process Heat Transfer, 1950, ch. 6), each side whose stream breaks
 * its allowed pressure drop or its upper velocity all in series split into 2, 3... banks, until an
 * arrangement meets every constraint, the side's velocity falls below its range, or maxBanks.
 */
std::vector<Design> evaluatePair(Exchanger& exchanger, const DesignTarget& target, const DesignCandidate& series,
    const DesignConstraints& constraints);

/**
 * Orders the designs: feasible ones by installed surface, then by pressure-drop ratio; the
 * infeasible ones after them in candidate order. Marks the feasible designs no other feasible design
 * beats on both surface and pressure-drop ratio.
 */
void rankDesigns(std::vector<Design>& designs);

/**
 * The whole search at once, each fluid file read once: the target, then every pair evaluated
 * (DesignRun) on the exchanger and on others at once, each in a thread of its own, then ranked.
 */
struct DesignSearch {
    std::optional<DesignTarget> target;
    std::string message; ///< why there is no target
    std::vector<Design> designs;
};
DesignSearch searchDesigns(Exchanger& exchanger, const CaseContents& contents,
    const std::vector<StandardPipe>& catalogue, const DesignConstraints& constraints,
    std::span<Exchanger* const> others = {});

/**
 * The design as a case of the main window: its pipes, each stream on its side, both flows given and
 * the installed length (all hairpins' legs) given; the length is left empty for a design not solved.
 * A split arrangement cannot be typed into one case: the case then holds all its hairpins in series.
 */
CaseContents designCase(const DesignTarget& target, const Design& design);

/** "2\" Sch 40 × 1 1/4\" Sch 40": the outer pipe then the inner one, by designation. */
std::string pairName(const DesignCandidate& candidate);
/** "all in series", "annulus in 2 parallel banks", "pipe in 3 parallel banks". */
std::string arrangementName(const DesignCandidate& candidate);

} // namespace vorlan
