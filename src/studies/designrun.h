#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "studies/designsearch.h"

namespace vorlan {

/**
 * A design search run pair by pair, so that a window can show its progress between pairs and stop
 * it, or all at once on several exchangers: each candidate pair's designs by evaluatePair. A pair
 * with the dimensions of an earlier one (the same pipes in two standards) takes that pair's designs
 * under its own names: the calculation sees only dimensions.
 */
class DesignRun {
public:
    DesignRun(
        Exchanger& exchanger, DesignTarget target, std::vector<DesignCandidate> pairs, DesignConstraints constraints);

    std::size_t pairCount() const { return m_pairs.size(); }
    std::size_t pairsDone() const { return m_next; }
    bool done() const { return m_next == m_pairs.size(); }

    /** Evaluates the next pair; nothing once done. */
    void evaluateNext();
    /**
     * Evaluates every pair left, on the run's exchanger and on each of others at once, each in a
     * thread of its own (others must not be used elsewhere meanwhile); with none, one after another.
     */
    void evaluateRest(std::span<Exchanger* const> others);

    /** The designs of the pairs evaluated so far, in the pairs' order. */
    std::vector<Design> designs() const;

private:
    /** The pair's designs: evaluated, or those of the earlier pair of its dimensions renamed. */
    void fill(std::size_t pair, Exchanger& exchanger);

    Exchanger& m_exchanger;
    DesignTarget m_target;
    std::vector<DesignCandidate> m_pairs;
    DesignConstraints m_constraints;
    std::vector<std::size_t> m_sameAs; ///< by pair: the first pair of its dimensions
    std::vector<std::vector<Design>> m_designs; ///< by pair
    std::size_t m_next = 0;
};

} // namespace vorlan
