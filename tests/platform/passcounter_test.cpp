#include "platform/passcounter.h"

#include <gtest/gtest.h>

#include "platform/calcerror.h"

namespace vorlan {
namespace {

TEST(PassCounter, EndsAnIterationPastItsLimitNamingItAndItsResidual)
{
    PassCounter passes("outlet iteration");
    for (long i = 0; i < PassCounter::kMaxPasses; ++i)
        passes.next(1);
    EXPECT_EQ(passes.passes(), PassCounter::kMaxPasses);
    try {
        passes.next(0.25);
        FAIL() << "no error past the limit";
    } catch (const CalcError& error) {
        EXPECT_EQ(error.message(), "Calculation did not converge");
        EXPECT_NE(std::string(error.what()).find("outlet iteration ran more than 1000000 passes"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("residual of its last pass was 0.25"), std::string::npos);
    }
}

} // namespace
} // namespace vorlan
