#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/hairpins.h"
#include "analysis/warnings.h"
#include "calc/casecontents.h"
#include "calc/exchanger.h"
#include "studies/hairpinchain.h"

namespace vorlan {

/** The most hairpins an arrangement may have. */
inline constexpr long kMaxHairpins = 1000;

/**
 * How hairpins of one size are connected (Kern, Process Heat Transfer, 1950, ch. 6, series-parallel
 * arrangements): all in series, or one side split into banks of equal flow that run side by side,
 * each through its own consecutive share of the hairpins, while the other side runs through every
 * hairpin in series.
 */
struct HairpinArrangement {
    long hairpins = 1;
    double legLength = kDefaultLegLength; ///< [m]; a hairpin is two legs
    std::optional<Side> split; ///< the side split into banks; none: both sides in series
    long banks = 1; ///< 2 or more when a side is split
};

/** One hairpin as solved: which it is and the record of its Calculate. */
struct HairpinSection {
    long hairpin = 0; ///< 1 to N, in the order the series side runs through them
    long bank = 0; ///< 1 to n, the bank of the split side it belongs to
    ResultRecord record;
};

/** One side of the arrangement, along one path (a bank of a split side). */
struct NetworkSide {
    double inletTemperature = 0; ///< [°C]
    double outletTemperature = 0; ///< [°C]; of a split side the banks' outlets mixed
    double massFlow = 0; ///< through one path [kg/s]
    long paths = 1; ///< the banks of a split side, 1 otherwise
    double velocity = 0; ///< mean over the hairpins of the path [m/s]
    double pipePressureDrop = 0; ///< of the straight legs of the path [kPa]
    ReturnBends bends; ///< one per hairpin of the path; K is their mean
    double pressureDrop() const { return pipePressureDrop + bends.pressureDrop; }
};

/** A warning of the hairpins' solved cases, with every hairpin that raised its kind. */
struct NetworkWarning {
    Warning first; ///< as the first hairpin that raised it words it
    std::vector<long> hairpins;
};

/** A solved arrangement. */
struct HairpinNetwork {
    HairpinArrangement arrangement;
    double duty = 0; ///< the hairpins' duties together [kW]
    double surface = 0; ///< [m²]
    double meanU = 0; ///< the hairpins' U, averaged over their equal surfaces [W/(m² K)]
    double meanCleanU = 0; ///< the same without fouling [W/(m² K)]
    NetworkSide internal;
    NetworkSide external;
    std::vector<HairpinSection> sections; ///< in hairpin order
    std::vector<NetworkWarning> warnings;
    int passes = 0; ///< passes over the whole network
    int calculations = 0; ///< presses of Calculate made
};

/** An arrangement's answer: the solved network, or the message why there is none. */
struct NetworkOutcome {
    std::optional<HairpinNetwork> network;
    std::string message;
};

/**
 * The shares of a solved hairpin (see SectionShares), series being the side of the stream that runs
 * through every hairpin; last when its inlets are too close to tell.
 */
SectionShares sharesOf(const ResultRecord& r, Side series, SectionShares last);

/** Largest mismatch of a stream's temperature where one hairpin hands it to the next when the network is solved [K];
 * the outlet tolerance of Calculate's own iterations. */
inline constexpr double kChainTolerance = 0.001;

/**
 * Solves the case's exchanger built as the arrangement, at the case's mass flows: as typed, or where
 * the case gives an outlet temperature instead, as its own Calculate solves them (the text written
 * back). Each hairpin is a section of length 2 legs
 * solved by Calculate with both flows given and the case's pipes, fluids, pressures, fouling and
 * configuration, its inlets being the temperatures the neighbouring hairpins hand it. Counter-current,
 * the series side meets each bank from the end the bank's stream leaves; co-current, from the end it
 * enters. The split side's banks each take its flow divided by n and mix at the outlet by enthalpy
 * on its table at its pressure.
 *
 * The hairpins' temperatures are found by passes: each pass chains the hairpins by the shares of
 * their last Calculate (see chainBank) and calculates each at the inlets the chain gives; the
 * network is solved when no hairpin's outlet differs from what the chain handed on by more than
 * kChainTolerance. The warnings are analyseCase's of every hairpin.
 */
NetworkOutcome solveHairpins(Exchanger& exchanger, const CaseContents& contents, const HairpinArrangement& arrangement);

} // namespace vorlan
