#pragma once

#include <string>

namespace vorlan {

/**
 * Counts the passes of an iteration against a limit far above what a converging case needs; past
 * it the iteration is taken as never ending and the calculation stops with "Calculation did not
 * converge", naming the iteration and the residual of its last pass.
 */
class PassCounter {
public:
    static constexpr long kMaxPasses = 1'000'000;

    explicit PassCounter(std::string iteration, long limit = kMaxPasses)
        : m_iteration(std::move(iteration))
        , m_limit(limit)
    { }

    /** Counts one more pass, whose residual is the difference the iteration tests; throws CalcError past the limit. */
    void next(double residual);

    /** Passes counted so far. */
    long passes() const { return m_passes; }

private:
    std::string m_iteration;
    long m_limit;
    long m_passes = 0;
};

} // namespace vorlan
