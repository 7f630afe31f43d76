// The robust solver over random realistic cases (2,000 unless a count is given), from the fixed seed
// of loadtest: for the cases Calculate refuses after reading them, how many the robust solver
// answers and why the others have no solution; for the cases Calculate solves, how far the robust
// solution's first root lies from Calculate's (largest relative difference of duty, U, length and
// flows); cases with several roots; the robust solver's median and slowest time. Exit status 1 when
// a solved case and its robust solution disagree beyond what the iterations' tolerances allow.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <vector>

#include "platform/appdir.h"
#include "support/randomcases.h"
#include "support/robustcase.h"

namespace {

using vorlan::RobustAnswer;

/** CPU time of this thread [s]: other programs on the machine do not count. */
double threadSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

/** The robust answer of a case read on tables and a state of its own, and the CPU time it took [s]. */
RobustAnswer timedRobustOf(const vorlan::CaseContents& contents, const std::string& dataFolder,
    const vorlan::Materials& materials, double& seconds)
{
    vorlan::FluidTables tables(dataFolder);
    const vorlan::RobustCase read = vorlan::test::readRobustCase(contents, materials, tables);
    const double start = threadSeconds();
    RobustAnswer answer = vorlan::robustAnswer(vorlan::readCaseInput(contents), read, tables);
    seconds = threadSeconds() - start;
    return answer;
}

double relative(double a, double b) { return std::fabs(a - b) / std::max(std::fabs(b), 1e-12); }

/** The first words of a reason, up to its colon: the kind of reason. */
std::string kindOf(const std::string& reason) { return reason.substr(0, std::min(reason.find(':'), std::size_t(60))); }

} // namespace

int main(int argc, char* argv[])
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 2000;
    const std::string dataFolder = vorlan::QuestaDirectory() + "/data";
    vorlan::test::RandomCases cases(dataFolder, 20261207);
    vorlan::Exchanger exchanger(dataFolder);

    std::map<std::string, int> refusals, answered, noSolution;
    int solved = 0, extrapolated = 0, notLargest = 0, severalRoots = 0, atPinch = 0, disagreeing = 0;
    double worstDuty = 0, worstU = 0, worstLength = 0, worstFlow = 0;
    std::vector<double> times;
    double slowest = 0;
    int slowestCase = -1;
    for (int i = 0; i < count; ++i) {
        const vorlan::test::RandomCase c = cases.next();
        const vorlan::CalcOutcome outcome = exchanger.calculate(c.contents);
        if (!outcome.solution && !outcome.robust)
            continue; // refused while reading the case: an input error, not the solver's
        double seconds = 0;
        const RobustAnswer robust = timedRobustOf(c.contents, dataFolder, exchanger.materials(), seconds);
        times.push_back(seconds);
        if (seconds > slowest) {
            slowest = seconds;
            slowestCase = i;
        }
        if (robust.solution.roots.size() > 1)
            ++severalRoots;
        if (!robust.solution.roots.empty() && robust.solution.roots.front().atPinch)
            ++atPinch;
        if (!outcome.solution) {
            ++refusals[outcome.message];
            if (robust.solved)
                ++answered[outcome.message];
            else
                ++noSolution[kindOf(robust.solution.reason)];
            continue;
        }
        ++solved;
        if (vorlan::test::outsideTables(outcome.solution->record, outcome.solution->tables)) {
            ++extrapolated;
            continue;
        }
        if (!robust.solved) {
            std::printf("case %d: solved by Calculate, no robust root: %s\n", i, robust.solution.reason.c_str());
            ++disagreeing;
            continue;
        }
        // The root nearest Calculate's duty: where the physics has several, Calculate's iteration may find another.
        const vorlan::ResultRecord& a = outcome.solution->record;
        const auto& roots = robust.solution.roots;
        const auto nearest = std::min_element(
            roots.begin(), roots.end(), [&a](const vorlan::RobustRoot& x, const vorlan::RobustRoot& y) {
                return std::fabs(x.q - a.q) < std::fabs(y.q - a.q);
            });
        if (nearest != roots.begin())
            ++notLargest;
        const vorlan::RobustRoot& b = *nearest;
        const double duty = relative(a.q, b.q), u = relative(a.U, b.U), length = relative(a.L, b.L);
        const double flow = std::max(relative(a.intPort, b.intPort), relative(a.estPort, b.estPort));
        worstDuty = std::max(worstDuty, duty);
        worstU = std::max(worstU, u);
        worstLength = std::max(worstLength, length);
        worstFlow = std::max(worstFlow, flow);
        const double allowed = vorlan::test::allowedDifference(a, b);
        if (std::max({duty, u, length, flow}) > allowed) {
            std::printf("case %d (%s in %s): Calculate %g kW U %g L %g m %g %g, robust %g kW U %g L %g m %g %g\n", i,
                c.inner.fluid.c_str(), c.outer.fluid.c_str(), a.q, a.U, a.L, a.intPort, a.estPort, b.q, b.U, b.L,
                b.intPort, b.estPort);
            ++disagreeing;
        }
    }

    std::printf("%d cases, %d solved by Calculate and passing its consistency check, %d of them with an outlet "
                "outside its table (not compared)\n",
        count, solved, extrapolated);
    for (const auto& [message, n] : refusals)
        std::printf("refused %5d  \"%s\": robust answer %d\n", n, message.c_str(), answered[message]);
    for (const auto& [kind, n] : noSolution)
        std::printf("no solution %5d  %s\n", n, kind.c_str());
    std::printf("several roots: %d (Calculate found another than the largest duty: %d); first root at the pinch: %d\n",
        severalRoots, notLargest, atPinch);
    std::printf("solved cases, robust against Calculate, largest relative difference: duty %.2e, U %.2e, "
                "length %.2e, flows %.2e; %d beyond the tolerances\n",
        worstDuty, worstU, worstLength, worstFlow, disagreeing);
    std::sort(times.begin(), times.end());
    if (!times.empty())
        std::printf("robust solution, CPU time: median %.3f ms, slowest %.3f ms (case %d) over %zu cases\n",
            times[times.size() / 2] * 1e3, times.back() * 1e3, slowestCase, times.size());
    return disagreeing == 0 ? 0 : 1;
}
