#include "studies/designrun.h"

#include <utility>

namespace vorlan {

namespace {

bool sameDimensions(const DesignCandidate& a, const DesignCandidate& b)
{
    return a.swapped == b.swapped && a.inner.outsideDiameter == b.inner.outsideDiameter
        && a.inner.thickness == b.inner.thickness && a.outer.outsideDiameter == b.outer.outsideDiameter
        && a.outer.thickness == b.outer.thickness;
}

} // namespace

DesignRun::DesignRun(
    Exchanger& exchanger, DesignTarget target, std::vector<DesignCandidate> pairs, DesignConstraints constraints)
    : m_exchanger(exchanger)
    , m_target(std::move(target))
    , m_pairs(std::move(pairs))
    , m_constraints(std::move(constraints))
{ }

void DesignRun::evaluateNext()
{
    if (done())
        return;
    const DesignCandidate& pair = m_pairs[m_next];
    const std::size_t first = m_designs.size();
    std::size_t earlier = 0;
    while (earlier < m_next && !sameDimensions(m_pairs[earlier], pair))
        ++earlier;
    if (earlier < m_next) {
        for (std::size_t k = m_spans[earlier].first; k < m_spans[earlier].second; ++k) {
            Design copy = m_designs[k];
            copy.candidate.inner = pair.inner;
            copy.candidate.outer = pair.outer;
            m_designs.push_back(std::move(copy));
        }
    } else {
        for (Design& d : evaluatePair(m_exchanger, m_target, pair, m_constraints))
            m_designs.push_back(std::move(d));
    }
    m_spans.emplace_back(first, m_designs.size());
    ++m_next;
}

} // namespace vorlan
