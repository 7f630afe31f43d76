// A fixed-seed load of random realistic cases over every shipped fluid and pressure block, all six
// modes and both configurations: each ends solved or with one of the program's messages, and each
// solved case inside its tables satisfies both streams' energy balance and the rate equation.
#include <gtest/gtest.h>

#include "platform/appdir.h"
#include "platform/messages.h"
#include "support/physicscheck.h"
#include "support/programmessages.h"
#include "support/randomcases.h"

namespace vorlan {
namespace {

TEST(PhysicsLoad, RandomCasesBalanceTheirEnergy)
{
    const std::string dataFolder = QuestaDirectory() + "/data";
    test::RandomCases cases(dataFolder, 20261207);
    Exchanger exchanger(dataFolder);
    FluidTables fresh(dataFolder);
    int judged = 0;
    for (int i = 0; i < 300; ++i) {
        const test::RandomCase c = cases.next();
        const CalcOutcome outcome = exchanger.Command1_Click(c.snapshot);
        if (!outcome.record) {
            EXPECT_TRUE(test::kCalculationMessages.contains(outcome.message))
                << "case " << i << ": " << outcome.message;
            continue;
        }
        std::string detail;
        const test::Verdict verdict = test::checkPhysics(c, outcome, fresh, detail);
        EXPECT_NE(verdict, test::Verdict::Violated)
            << "case " << i << " (" << c.inner.fluid << " in " << c.outer.fluid << "): " << detail;
        judged += verdict == test::Verdict::Balanced;
    }
    EXPECT_GT(judged, 110); // most solved cases lie inside their tables
}

} // namespace
} // namespace vorlan
