#include "platform/vectorstate.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace vorlan {

#if defined(__x86_64__) && defined(__GNUC__)

namespace {

__attribute__((target("avx"))) void zeroUpper() { _mm256_zeroupper(); }

} // namespace

void clearUpperVectorState()
{
    static const bool hasAvx = (__builtin_cpu_init(), __builtin_cpu_supports("avx"));
    if (hasAvx)
        zeroUpper();
}

#else

void clearUpperVectorState() { }

#endif

} // namespace vorlan
