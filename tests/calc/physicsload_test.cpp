// A fixed-seed load of random realistic cases over every shipped fluid and pressure block, all six
// modes and both configurations: each ends solved or with one of the program's messages, and each
// solved case inside its tables satisfies both streams' energy balance and the rate equation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/appdir.h"
#include "platform/messages.h"
#include "support/physicscheck.h"
#include "support/programmessages.h"
#include "support/randomcases.h"
#include "support/robustcase.h"

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
        const CalcOutcome outcome = exchanger.calculate(c.contents);
        if (!outcome.solution) {
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

double relative(double a, double b) { return std::fabs(a - b) / std::fabs(b); }

TEST(PhysicsLoad, RobustSolutionsBalanceAndAgreeWithCalculate)
{
    // Where Calculate refuses a case it has read, a robust answer balances both streams on its
    // tables; where Calculate solves it inside its tables, the robust solution's first root agrees
    // with it within the iterations' tolerances.
    const std::string dataFolder = QuestaDirectory() + "/data";
    test::RandomCases cases(dataFolder, 20261207);
    Exchanger exchanger(dataFolder);
    int compared = 0, answered = 0;
    for (int i = 0; i < 300; ++i) {
        const test::RandomCase c = cases.next();
        const CalcOutcome outcome = exchanger.calculate(c.contents);
        if (!outcome.solution) {
            if (!outcome.robust || !outcome.robust->solved)
                continue;
            ++answered;
            FluidTables tables = outcome.robust->solved->tables;
            const ResultRecord& r = outcome.robust->solved->record;
            const double internal = r.intPort * std::fabs(tables.propHint(r.intTin) - tables.propHint(r.intTout));
            const double external = r.estPort * std::fabs(tables.propHest(r.estTout) - tables.propHest(r.estTin));
            EXPECT_NEAR(internal / r.q, 1, 1e-4) << "case " << i;
            EXPECT_NEAR(external / r.q, 1, 1e-4) << "case " << i;
            continue;
        }
        const ResultRecord& a = outcome.solution->record;
        const RobustAnswer robust = test::robustOf(c.contents, dataFolder, exchanger.materials());
        if (test::outsideTables(a, outcome.solution->tables))
            continue; // Calculate extrapolates beyond a table; the robust solver does not
        ASSERT_FALSE(robust.solution.roots.empty()) << "case " << i << ": " << robust.solution.reason;
        // Calculate's iteration finds the largest duty, the first root.
        const RobustRoot& b = robust.solution.roots.front();
        const double allowed = test::allowedDifference(a, b);
        for (const auto& [what, difference] :
            {std::pair {"duty", relative(a.q, b.q)}, {"U", relative(a.U, b.U)}, {"length", relative(a.L, b.L)},
                {"internal flow", relative(a.intPort, b.intPort)}, {"external flow", relative(a.estPort, b.estPort)}})
            EXPECT_LE(difference, allowed) << "case " << i << ": " << what;
        ++compared;
    }
    EXPECT_GT(compared, 100);
    EXPECT_GT(answered, 5);
}

} // namespace
} // namespace vorlan
