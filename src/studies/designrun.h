#pragma once

#include <cstddef>
#include <vector>

#include "studies/designsearch.h"

namespace vorlan {

/**
 * A design search run pair by pair, so that a window can show its progress between pairs and stop
 * it: each candidate pair's designs by evaluatePair, in the candidates' order. A pair with the
 * dimensions of one already evaluated (the same pipes in two standards) takes that pair's designs
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

    const DesignTarget& target() const { return m_target; }
    const DesignConstraints& constraints() const { return m_constraints; }
    /** The designs evaluated so far, in the order evaluated. */
    const std::vector<Design>& designs() const { return m_designs; }

private:
    Exchanger& m_exchanger;
    DesignTarget m_target;
    std::vector<DesignCandidate> m_pairs;
    DesignConstraints m_constraints;
    std::size_t m_next = 0;
    std::vector<Design> m_designs;
    /** Where each evaluated pair's designs start and end in m_designs, by pair. */
    std::vector<std::pair<std::size_t, std::size_t>> m_spans;
};

} // namespace vorlan
