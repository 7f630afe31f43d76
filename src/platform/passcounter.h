#pragma once

namespace vorlan {

/**
 * Counts the passes of one iteration. A converging case needs a few hundred passes at most; past a
 * million the iteration is taken as never ending and the calculation stops with "Calculation did
 * not converge".
 */
class PassCounter {
public:
    static constexpr long kMaxPasses = 1'000'000;

    /** Counts one more pass; throws CalcError past kMaxPasses. */
    void next();

private:
    long m_passes = 0;
};

} // namespace vorlan
