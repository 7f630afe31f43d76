#pragma once

#include <algorithm>
#include <cmath>
#include <string>

#include "calc/exchanger.h"
#include "properties/fluidtables.h"
#include "support/randomcases.h"

namespace vorlan::test {

/** How a solved case fared against the physics it must satisfy. */
enum class Verdict { Balanced, Extrapolated, Violated };

/**
 * Checks a solved case against the energy balance of both streams (enthalpies from fresh tables)
 * and the rate equation q = U A dTml / 1000 (log-mean difference of the reported temperatures).
 * A case whose outlet lies beyond its table block is not judged: the lookups extrapolate there.
 * The slack is what the iterations leave open, term by term:
 * - 0.001 K on an iterated outlet temperature, as an enthalpy: flow * |h(T + 0.002) - h(T)|;
 * - 0.01 W/(m^2 K) between the last two values of U (the duty of the last pass against the last
 *   U): q * 0.05 / U, and the same difference on the log-mean: U A 0.002 K / 1000;
 * - the tables' upward drift: every lookup raises its segment's upper end by 1e-6 (degC or kJ/kg)
 *   and the drift stays for the calculation, so after n lookups an enthalpy read through a
 *   drifted segment can be off by n * 1e-6 * (1 + cp); n is at most one per outlet pass plus
 *   twenty per coefficient pass (four bulk properties per side and twelve wall viscosities);
 * - single-precision rounding of q, the flows and U: 1e-5 q.
 * detail receives the numbers of a violation.
 */
inline Verdict checkPhysics(const RandomCase& c, const CalcOutcome& outcome, FluidTables& fresh, std::string& detail)
{
    const ResultRecord& r = outcome.solution->record;
    const auto block = [&](bool inner) { return inner ? c.inner : c.outer; };
    const auto enthalpy = [&](bool inner, double t) {
        fresh.setPressures(block(inner).pressure, block(inner).pressure);
        fresh.dbpropint(block(inner).fluid);
        return fresh.propHint(t);
    };
    const bool hotInside = r.intTin > r.estTin;
    const auto inside = [&](bool inner, double in, double out, float flow) {
        const Block& b = block(inner);
        const bool hot = inner == hotInside;
        const double hOut = enthalpy(inner, in) + (hot ? -1 : 1) * r.q / flow; // where the duty takes the stream
        return out >= b.lowest && out < b.highest && hOut >= enthalpy(inner, b.lowest)
            && hOut < enthalpy(inner, b.highest - 0.001);
    };
    if (!inside(true, r.intTin, r.intTout, r.intPort) || !inside(false, r.estTin, r.estTout, r.estPort))
        return Verdict::Extrapolated;

    const double lookups = double(outcome.passes.temperature) + 20.0 * double(outcome.passes.coefficient);
    const auto streamDuty = [&](bool inner, double in, double out, float flow) {
        return flow * std::fabs(enthalpy(inner, in) - enthalpy(inner, out));
    };
    const auto balanceSlack = [&](bool inner, double out, float flow) {
        const double cp = std::fabs(enthalpy(inner, out + 1) - enthalpy(inner, out));
        return flow * std::fabs(enthalpy(inner, out + 0.002) - enthalpy(inner, out)) + flow * lookups * 1e-6 * (1 + cp);
    };
    const double common = r.q * 0.05 / r.U + 1e-5 * r.q;
    const double slack = common + balanceSlack(true, r.intTout, r.intPort) + balanceSlack(false, r.estTout, r.estPort);
    const double internalDuty = streamDuty(true, r.intTin, r.intTout, r.intPort);
    const double externalDuty = streamDuty(false, r.estTin, r.estTout, r.estPort);

    const double hotIn = hotInside ? r.intTin : r.estTin, hotOut = hotInside ? r.intTout : r.estTout;
    const double coldIn = hotInside ? r.estTin : r.intTin, coldOut = hotInside ? r.estTout : r.intTout;
    const bool counter = r.configuration == Configuration::Countercurrent;
    const double end1 = counter ? hotIn - coldOut : hotIn - coldIn;
    const double end2 = counter ? hotOut - coldIn : hotOut - coldOut;
    const double logMean = std::fabs(end1 - end2) < 1e-9 ? end1 : (end1 - end2) / std::log(end1 / end2);
    const double rateDuty = double(r.U) * r.A * logMean / 1000;
    const double rateSlack = common + r.U * r.A * 0.002 / 1000;

    if (std::fabs(internalDuty - r.q) <= slack && std::fabs(externalDuty - r.q) <= slack
        && std::fabs(rateDuty - r.q) <= rateSlack)
        return Verdict::Balanced;
    detail = "q " + std::to_string(r.q) + " kW, internal stream " + std::to_string(internalDuty) + ", external stream "
        + std::to_string(externalDuty) + " (slack " + std::to_string(slack) + "), U A dTml " + std::to_string(rateDuty)
        + " (slack " + std::to_string(rateSlack) + ")";
    return Verdict::Violated;
}

} // namespace vorlan::test
