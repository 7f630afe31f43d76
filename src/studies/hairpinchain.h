#pragma once

#include <vector>

namespace vorlan {

/**
 * What one hairpin section does to its two streams, as shares of its inlet temperature
 * difference: the stream that runs through every section ("series") leaves at
 * x' = x - series (x - y), the other at y' = y + other (x - y), x and y the inlets [°C]. For
 * constant properties both shares are the section's own, whatever its inlets (Kern, Process Heat
 * Transfer, 1950, ch. 6: the temperature changes of a double-pipe section are linear in its inlet
 * difference); with tabulated properties they drift with the temperature level.
 */
struct SectionShares {
    double series = 0;
    double other = 0;
};

/** The inlet temperatures of one section [°C]. */
struct SectionInlets {
    double series = 0;
    double other = 0;
};

/** The sections of a bank, chained: each one's inlets and the bank's two outlets [°C]. */
struct BankChain {
    std::vector<SectionInlets> inlets; ///< in the series stream's order
    double seriesOutlet = 0; ///< leaving the last section
    double otherOutlet = 0; ///< leaving the first section (counter-current) or the last (co-current)
};

/**
 * Chains the sections of one bank whose shares are given, in the series stream's order: the
 * series stream enters the first section at seriesInlet, the other stream enters at otherInlet the
 * last section (counter-current) or the first (co-current). Counter-current, the two-point problem
 * is solved by one forward sweep and one back-substitution (the Thomas algorithm for the chain):
 * the series stream leaving section k is alpha + beta w, w the other stream entering from
 * section k, with 0 <= beta < 1, so no coefficient grows with the number of sections. Shares must
 * lie in [0, 1] and not both be 1; otherwise throws CalcError.
 */
BankChain chainBank(
    const std::vector<SectionShares>& shares, double seriesInlet, double otherInlet, bool counterCurrent);

} // namespace vorlan
