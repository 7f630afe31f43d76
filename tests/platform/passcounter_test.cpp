#include "platform/passcounter.h"

#include <gtest/gtest.h>

#include "platform/calcerror.h"

namespace vorlan {
namespace {

TEST(PassCounter, EndsAnIterationPastAMillionPasses)
{
    PassCounter passes;
    for (long i = 0; i < PassCounter::kMaxPasses; ++i)
        passes.next();
    try {
        passes.next();
        FAIL() << "no error past the limit";
    } catch (const CalcError& error) {
        EXPECT_EQ(error.message(), "Calculation did not converge");
    }
}

} // namespace
} // namespace vorlan
