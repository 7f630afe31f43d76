#pragma once

namespace vorlan {

/**
 * Counts the passes of an iteration against a limit far above what a converging case needs; past
 * it the iteration is taken as never ending and the calculation stops with "Calculation did not
 * converge".
 */
class PassCounter {
public:
    static constexpr long kMaxPasses = 1'000'000;

    explicit PassCounter(long limit = kMaxPasses)
        : m_limit(limit)
    { }

    /** Counts one more pass; throws CalcError past the limit. */
    void next();

private:
    long m_limit;
    long m_passes = 0;
};

} // namespace vorlan
