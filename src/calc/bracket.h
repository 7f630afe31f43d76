#pragma once

#include <cmath>

namespace vorlan {

inline constexpr int kNarrowSteps = 200; // far more than a double bracket needs to close
inline constexpr double kNarrowShare = 1e-13; // a bracket this narrow, relative to its end, has found its root

/**
 * Narrows [lo, hi] around a sign change of f (fLo and fHi its values at the ends) by the Illinois
 * rule: regula falsi, halving the weight of an end that stays twice in a row, which converges
 * superlinearly on a smooth f and still closes on a jump. Stops at adjacent values of T, at a
 * bracket kNarrowShare of its end wide, at an exact zero, or after kNarrowSteps steps.
 */
template <typename T, typename F> void narrow(T& lo, T& hi, double& fLo, double& fHi, F f)
{
    double wLo = fLo, wHi = fHi; // the weights of the interpolation
    int kept = 0; // -1: lo was kept last time, +1: hi was
    for (int i = 0; i < kNarrowSteps && std::nextafter(lo, hi) < hi && hi - lo > kNarrowShare * std::fabs(hi); ++i) {
        T mid = static_cast<T>(hi - wHi * (hi - lo) / (wHi - wLo));
        if (!(mid > lo && mid < hi))
            mid = lo + (hi - lo) / 2;
        const double fMid = f(mid);
        if (fMid == 0) {
            lo = hi = mid;
            fLo = fHi = 0;
            return;
        }
        if ((fMid < 0) == (fLo < 0)) {
            lo = mid;
            fLo = wLo = fMid;
            if (kept == 1)
                wHi /= 2;
            kept = 1;
        } else {
            hi = mid;
            fHi = wHi = fMid;
            if (kept == -1)
                wLo /= 2;
            kept = -1;
        }
    }
}

} // namespace vorlan
