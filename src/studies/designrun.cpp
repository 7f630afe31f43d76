#include "studies/designrun.h"

#include <atomic>
#include <exception>
#include <system_error>
#include <thread>
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
    , m_designs(m_pairs.size())
{
    for (std::size_t k = 0; k < m_pairs.size(); ++k) {
        std::size_t first = 0;
        while (!sameDimensions(m_pairs[first], m_pairs[k]))
            ++first;
        m_sameAs.push_back(first);
    }
}

void DesignRun::fill(std::size_t pair, Exchanger& exchanger)
{
    if (m_sameAs[pair] == pair) {
        m_designs[pair] = evaluatePair(exchanger, m_target, m_pairs[pair], m_constraints);
        return;
    }
    m_designs[pair] = m_designs[m_sameAs[pair]];
    for (Design& d : m_designs[pair]) {
        d.candidate.inner = m_pairs[pair].inner;
        d.candidate.outer = m_pairs[pair].outer;
    }
}

void DesignRun::evaluateNext()
{
    if (!done())
        fill(m_next++, m_exchanger);
}

void DesignRun::evaluateRest(std::span<Exchanger* const> others)
{
    // First the pairs of new dimensions, each worker taking the next one not yet taken; then the
    // pairs that repeat one of them.
    std::vector<std::size_t> own;
    for (std::size_t k = m_next; k < m_pairs.size(); ++k)
        if (m_sameAs[k] == k)
            own.push_back(k);
    std::atomic<std::size_t> next {0};
    std::vector<std::exception_ptr> failures(others.size() + 1);
    const auto work = [&](Exchanger& exchanger, std::exception_ptr& failure) {
        try {
            for (std::size_t i = next++; i < own.size(); i = next++)
                fill(own[i], exchanger);
        } catch (...) {
            failure = std::current_exception(); // out of memory: raised again on this thread
        }
    };
    {
        std::vector<std::jthread> threads; // joined when they go out of scope
        try {
            for (std::size_t w = 0; w < others.size(); ++w)
                threads.emplace_back(work, std::ref(*others[w]), std::ref(failures[w + 1]));
        } catch (const std::system_error&) {
            // no more threads to be had: the ones started and this one share the pairs
        }
        work(m_exchanger, failures[0]);
    }
    for (const std::exception_ptr& failure : failures)
        if (failure)
            std::rethrow_exception(failure);
    for (; m_next < m_pairs.size(); ++m_next)
        if (m_sameAs[m_next] != m_next)
            fill(m_next, m_exchanger);
}

std::vector<Design> DesignRun::designs() const
{
    std::vector<Design> all;
    for (std::size_t k = 0; k < m_next; ++k)
        all.insert(all.end(), m_designs[k].begin(), m_designs[k].end());
    return all;
}

} // namespace vorlan
