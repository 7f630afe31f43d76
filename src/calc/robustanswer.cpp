#include "calc/robustanswer.h"

#include <exception>

#include "calc/recordfields.h"
#include "calc/solvedvalues.h"
#include "platform/calcerror.h"
#include "platform/messages.h"
#include "platform/numbertext.h"

namespace vorlan {

namespace {

/** The solved values of the mode in the order Calculate writes them. */
std::vector<WriteBack> solvedValues(const RobustCase& c, const ResultRecord& r)
{
    std::vector<WriteBack> values;
    if (c.lengthGiven)
        values.push_back(solvedDuty(r.q));
    for (const WriteBack& value : solvedFlowAndOutlet(c.flow, r.intPort, r.estPort, r.intTout, r.estTout))
        values.push_back(value);
    if (!c.lengthGiven)
        values.push_back(solvedLength(r.L));
    return values;
}

std::string rootText(const RobustRoot& root)
{
    return roundedText(root.q, 3) + " kW at " + roundedText(root.L, 3) + " m, U " + roundedText(root.U, 1)
        + " W/(m² K), internal flow " + flowRegimeName(root.reInt) + ", external flow " + flowRegimeName(root.reEst);
}

} // namespace

std::string robustSummary(const RobustAnswer& answer)
{
    const std::vector<RobustRoot>& roots = answer.solution.roots;
    if (roots.empty())
        return "No solution: " + answer.solution.reason + ".";
    std::string text = "Robust solution: " + rootText(roots.front()) + ".";
    if (roots.front().atPinch)
        text += " The temperatures meet at one end (a pinch): this is the largest duty the streams allow.";
    const std::string several = severalAnswers(answer.solution);
    return several.empty() ? text : text + " " + several;
}

std::string robustBanner(const RobustAnswer& answer, const std::string& refusal)
{
    const std::vector<RobustRoot>& roots = answer.solution.roots;
    std::string text = msg::RobustBanner;
    if (!roots.empty() && roots.front().atPinch)
        text += " at the pinch (the largest duty the streams allow)";
    if (roots.size() > 1)
        text += ", the largest duty of " + std::to_string(roots.size()) + " answers";
    return text + " (Calculate: " + refusal + ")";
}

std::string severalAnswers(const RobustSolution& solution)
{
    if (solution.roots.size() < 2)
        return {};
    std::string text = "The case has " + std::to_string(solution.roots.size()) + " answers:";
    for (std::size_t i = 0; i < solution.roots.size(); ++i)
        text += (i > 0 ? "; " : " ") + rootText(solution.roots[i]);
    return text + ".";
}

RobustAnswer robustAnswer(const CaseInput& input, const RobustCase& c, FluidTables tables)
{
    RobustAnswer answer;
    try {
        const SteadyTable internal(tables.intSide.Tab);
        const SteadyTable external(tables.estSide.Tab);
        answer.solution = solveRobustly(c, internal, external);
        if (answer.solution.roots.empty())
            return answer;
        const RobustRoot& root = answer.solution.roots.front();
        CaseState s = c.state;
        s.intPort = toSingle(root.intPort);
        s.estPort = toSingle(root.estPort);
        s.L = root.L;
        ResultRecord r;
        recordHydraulics(s, internal.bulk(root.tmi), external.bulk(root.tme), r);
        recordInputs(input, r);
        r.q = toSingle(root.q);
        r.A = root.A;
        r.L = root.L;
        r.U = toSingle(root.U);
        r.configuration = c.counterCurrent ? Configuration::Countercurrent : Configuration::Cocurrent;
        r.intTin = c.intTin;
        r.intTout = root.intTout;
        r.estTin = c.estTin;
        r.estTout = root.estTout;
        r.intPort = s.intPort;
        r.estPort = s.estPort;
        r.intSporc = s.intSporc;
        r.estSporc = s.estSporc;
        answer.writeBacks = solvedValues(c, r);
        answer.solved = Solution {std::move(r), s, tables};
    } catch (const std::exception& error) {
        answer.solution.roots.clear();
        answer.solution.reason = std::string("the robust solution could not be computed either: ") + error.what();
    }
    return answer;
}

} // namespace vorlan
