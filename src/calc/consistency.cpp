// The consistency check of a solved case: both streams' enthalpy changes, the rate equation and
// the coefficient at the solution's own temperatures and flows must give its duty and U.
#include <algorithm>
#include <cmath>

#include "calc/calculation.h"
#include "correlations/dtml.h"
#include "correlations/heattransfer.h"
#include "platform/calcerror.h"
#include "platform/numbertext.h"

namespace vorlan {

namespace {

// The consistency gate. The outlet iterations stop within tolT of their fixed point, so a stream's
// enthalpy change may miss the duty by its heat-capacity rate times a few tolT, and the rate
// equation by U A / 1000 times the change of dTml that such outlet moves make. The coefficient
// iterations stop when the relaxed U lies within tolU of the new one; the U the outlets were found
// with, before that relaxation, may lie 1 / (1 - 0.8) = 5 times as far, which moves the duty by
// A dTml / 1000 times 5 tolU. Beyond those, half a per cent of the duty and one per cent of U are
// left for rounding and for the lookups' drift (each raises a segment's end by 1e-6: ten thousand
// calls in one segment of 10 K move an interpolated value by 0.1 %). At high NTU the damped
// iterations can make far more calls than that; the check on the tables as read then refuses a
// solution the drift has carried away from the fluid's data, on purpose. An early stop of an
// iteration, which moves U or the duty by several per cent, is refused too.
constexpr double kGateDutyShare = 0.005;
constexpr double kGateCoefficientShare = 0.01;
constexpr int kGateOutletSteps = 2; // outlet moves of this many tolT
constexpr int kGateCoefficientSteps = 5; // coefficient moves of this many tolU

/** A figure of the check's reason to five significant digits, so that small duties still show their difference. */
std::string gateFigure(double value)
{
    const int magnitude = value != 0 ? static_cast<int>(std::floor(std::log10(std::fabs(value)))) : 0;
    return roundedText(value, std::max(0, 4 - magnitude));
}

} // namespace

void Calculation::checkConsistency() const
{
    checkConsistency(m_fluids); // a copy: the calculation's own tables stay as it left them
    checkConsistency(*m_readTables);
}

void Calculation::checkConsistency(FluidTables tables) const
{
    const double outletMove = kGateOutletSteps * tolT;
    const double dutyInt = m_state.intPort * std::fabs(tables.propHint(intTin) - tables.propHint(intTout));
    const double dutyEst = m_state.estPort * std::fabs(tables.propHest(estTout) - tables.propHest(estTin));
    const auto rate = [](double duty, double tIn, double tOut, float flow, double cp) {
        return tIn != tOut ? duty / std::fabs(tIn - tOut) : flow * cp;
    };
    const double cInt = rate(dutyInt, intTin, intTout, m_state.intPort, m_fluids.intSide.Cp);
    const double cEst = rate(dutyEst, estTin, estTout, m_state.estPort, m_fluids.estSide.Cp);

    const double dTml = logMeanDifference();
    double dTmlMove = 0;
    for (const double moveInt : {-outletMove, outletMove})
        for (const double moveEst : {-outletMove, outletMove})
            try {
                const double moved = sidesDTML(intTin, intTout + moveInt, estTin, estTout + moveEst, m_configuration);
                dTmlMove = std::max(dTmlMove, std::fabs(moved - dTml));
            } catch (const CalcError&) {
                // a move that crosses the temperatures says nothing of the sensitivity
            }
    const double ua = double(U) * A / 1000; // [kW/K]
    const double dutyRate = ua * dTml;

    const double tmiNow = checked((intTout + intTin) / 2);
    const double tmeNow = checked((estTout + estTin) / 2);
    tables.propint(tmiNow);
    tables.propest(tmeNow);
    const double again
        = Coeffscambio(m_state, tables, m_state.diti, m_state.deti, m_state.dhe, m_state.L, tmiNow, tmeNow);

    const double share = kGateDutyShare * q + double(A) * dTml / 1000 * (kGateCoefficientSteps * tolU);
    const bool balanced = std::fabs(dutyInt - q) <= share + cInt * outletMove
        && std::fabs(dutyEst - q) <= share + cEst * outletMove
        && std::fabs(dutyRate - q) <= share + ua * (outletMove + dTmlMove);
    const bool settled = std::fabs(U - again) <= kGateCoefficientShare * again + tolU;
    if (!(balanced && settled))
        throw CalcError("the solution does not hold together: duty " + gateFigure(q) + " kW, internal stream "
                + gateFigure(dutyInt) + " kW, external stream " + gateFigure(dutyEst) + " kW, U·A·ΔTml "
                + gateFigure(dutyRate) + " kW; U " + gateFigure(U) + " W/(m² K), at its own temperatures and flows "
                + gateFigure(again) + " W/(m² K)",
            msg::NotConverged);
}

} // namespace vorlan
