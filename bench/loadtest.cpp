// Random realistic cases through the Calculate command (10,000 unless a count is given), from a
// fixed seed over every shipped fluid and pressure block, all six modes and both configurations.
// Every case must end solved or with one of the program's messages and every solved case inside
// its tables must satisfy the energy balance and the rate equation. Prints the outcomes, the pass
// counts of the iterations (median, 99th percentile, maximum), the slowest solved case, the slowest
// case of all and every case that did not converge with the iteration that gave up and its last
// residual. `loadtest COUNT CASE` calculates only that case of the sequence, for profiling.
// Exit status 1 on any violation.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

#include "platform/appdir.h"
#include "platform/messages.h"
#include "support/physicscheck.h"
#include "support/programmessages.h"
#include "support/randomcases.h"

namespace {

/** The value below which the given share of the sorted values lies. */
long percentile(const std::vector<long>& sorted, double share)
{
    return sorted.empty() ? 0 : sorted[static_cast<std::size_t>(share * double(sorted.size() - 1))];
}

} // namespace

int main(int argc, char* argv[])
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int only = argc > 2 ? std::atoi(argv[2]) : -1;
    const std::string dataFolder = vorlan::QuestaDirectory() + "/data";
    vorlan::test::RandomCases cases(dataFolder, 20261207);
    vorlan::Exchanger exchanger(dataFolder);
    vorlan::FluidTables fresh(dataFolder);

    std::map<std::string, int> outcomes;
    std::vector<long> temperaturePasses, coefficientPasses;
    int violations = 0;
    double seconds = 0, slowest = 0, slowestOfAll = 0;
    int slowestCase = -1, slowestOfAllCase = -1;
    for (int i = 0; i < count; ++i) {
        const vorlan::test::RandomCase c = cases.next();
        if (only >= 0 && i != only)
            continue;
        const auto start = std::chrono::steady_clock::now();
        const vorlan::CalcOutcome outcome = exchanger.calculate(c.contents);
        const double caseSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        seconds += caseSeconds;
        if (caseSeconds > slowestOfAll) {
            slowestOfAll = caseSeconds;
            slowestOfAllCase = i;
        }
        if (!outcome.solution) {
            ++outcomes[outcome.message];
            if (!vorlan::test::kCalculationMessages.contains(outcome.message)) {
                std::printf("case %d: unknown message \"%s\"\n", i, outcome.message.c_str());
                ++violations;
            }
            if (outcome.message == vorlan::msg::NotConverged)
                std::printf("case %d (%s %s bar in %s %s bar) did not converge after %.2f s: %s\n", i,
                    c.inner.fluid.c_str(), c.inner.pressure.c_str(), c.outer.fluid.c_str(), c.outer.pressure.c_str(),
                    caseSeconds, outcome.detail.c_str());
            continue;
        }
        temperaturePasses.push_back(outcome.passes.temperature);
        coefficientPasses.push_back(outcome.passes.coefficient);
        if (caseSeconds > slowest) {
            slowest = caseSeconds;
            slowestCase = i;
        }
        std::string detail;
        switch (vorlan::test::checkPhysics(c, outcome, fresh, detail)) {
        case vorlan::test::Verdict::Balanced:
            ++outcomes["solved"];
            break;
        case vorlan::test::Verdict::Extrapolated:
            ++outcomes["solved, an outlet extrapolated beyond its table"];
            break;
        case vorlan::test::Verdict::Violated:
            ++outcomes["solved, VIOLATES the physics"];
            std::printf("case %d (%s in %s) violates the physics: %s\n", i, c.inner.fluid.c_str(),
                c.outer.fluid.c_str(), detail.c_str());
            ++violations;
            break;
        }
    }

    for (const auto& [outcome, n] : outcomes)
        std::printf("%6d  %s\n", n, outcome.c_str());
    std::sort(temperaturePasses.begin(), temperaturePasses.end());
    std::sort(coefficientPasses.begin(), coefficientPasses.end());
    std::printf("passes of solved cases: outlet-temperature median %ld, 99th percentile %ld, maximum %ld; "
                "coefficient median %ld, 99th percentile %ld, maximum %ld\n",
        percentile(temperaturePasses, 0.5), percentile(temperaturePasses, 0.99), percentile(temperaturePasses, 1),
        percentile(coefficientPasses, 0.5), percentile(coefficientPasses, 0.99), percentile(coefficientPasses, 1));
    std::printf("slowest solved case: %d, %.3f s; slowest case of all: %d, %.3f s\n", slowestCase, slowest,
        slowestOfAllCase, slowestOfAll);
    std::printf("%d cases in %.2f s of calculation: %.0f cases per second; %d violations\n", count, seconds,
        count / seconds, violations);
    return violations == 0 ? 0 : 1;
}
