// Solving the exchanger by the log-mean temperature difference with enthalpy balances and damped
// fixed-point iterations, in the six combinations of flow mode and size mode.
#include <cmath>

#include "calc/calculation.h"
#include "correlations/dtml.h"
#include "correlations/exchangerlimits.h"
#include "correlations/heattransfer.h"
#include "platform/calcerror.h"
#include "platform/numbertext.h"
#include "platform/passcounter.h"

namespace vorlan {

namespace {

/** True while two iterates differ by more than the tolerance, the difference taken in single precision. */
bool apart(double a, double b, float tolerance) { return toSingle(checked(std::fabs(a - b))) > tolerance; }

double mean(double a, double b) { return checked((a + b) / 2); }

} // namespace

void Calculation::solve()
{
    if (m_lengthGiven) {
        A = checked(checked(m_state.pigreco * m_state.L) * m_state.deti);
        switch (m_flow) {
        case FlowMode::InternalOutletGiven:
            solveLengthInternalOutletGiven();
            break;
        case FlowMode::ExternalOutletGiven:
            solveLengthExternalOutletGiven();
            break;
        case FlowMode::BothFlowsGiven:
            solveLengthBothFlowsGiven();
            break;
        }
    } else {
        switch (m_flow) {
        case FlowMode::InternalOutletGiven:
            solveCapacityInternalOutletGiven();
            break;
        case FlowMode::ExternalOutletGiven:
            solveCapacityExternalOutletGiven();
            break;
        case FlowMode::BothFlowsGiven:
            solveCapacityBothFlowsGiven();
            break;
        }
        searchLength();
    }
    checkSolution();
}

// L1: the internal outlet temperature and the external flow are given.
void Calculation::solveLengthInternalOutletGiven()
{
    const double sign = hotSign();
    estTout = 0.5 * intTout + 0.5 * estTin;
    tmi = mean(intTout, intTin);
    tme = mean(estTout, estTin);
    m_fluids.propint(tmi);
    m_fluids.propest(tme);
    intHout = m_fluids.propHint(intTout);
    m_state.intPort = startFlow(m_fluids.intSide.Mu, m_state.diti, m_state.intArea);
    U = overallCoefficient();
    Unew = 0;
    PassCounter outerPasses(kCoefficientPasses);
    while (apart(U, Unew, tolU)) {
        outerPasses.next();
        updateDampingWeight();
        double found = 10000;
        while (apart(estTout, found, tolT)) {
            m_temperaturePasses.next();
            dTml = toSingle(logMeanDifference());
            const float duty = dutyFromCoefficient();
            found = m_fluids.trovatest(estHin + sign * checked(duty / m_state.estPort));
            estTout = checked((1 - relax) * estTout + relax * found);
        }
        estHout = m_fluids.propHest(estTout);
        const float duty = toSingle(sign * (estHout - estHin) * m_state.estPort);
        m_state.intPort = toSingle(checked(duty / (sign * (intHin - intHout))));
        tme = mean(estTout, estTin);
        m_fluids.propest(tme);
        Unew = overallCoefficient();
        relaxCoefficient();
    }
    dTml = toSingle(logMeanDifference());
    q = dutyFromCoefficient();
    if (intTin > estTin)
        checkRange(estTout, false);
}

// L2: the external outlet temperature and the internal flow are given.
void Calculation::solveLengthExternalOutletGiven()
{
    const double sign = hotSign();
    intTout = 0.5 * intTin + 0.5 * estTout;
    tmi = mean(intTout, intTin);
    tme = mean(estTout, estTin);
    m_fluids.propint(tmi);
    m_fluids.propest(tme);
    estHout = m_fluids.propHest(estTout);
    m_state.estPort = startFlow(m_fluids.estSide.Mu, m_state.dhe, m_state.estArea);
    U = overallCoefficient();
    Unew = 0;
    PassCounter outerPasses(kCoefficientPasses);
    while (apart(U, Unew, tolU)) {
        outerPasses.next();
        updateDampingWeight();
        double found = 10000;
        while (apart(intTout, found, tolT)) {
            m_temperaturePasses.next();
            dTml = toSingle(logMeanDifference());
            const float duty = dutyFromCoefficient();
            found = m_fluids.trovatint(intHin - sign * checked(duty / m_state.intPort));
            intTout = checked((1 - relax) * intTout + relax * found);
        }
        intHout = m_fluids.propHint(intTout);
        const float duty = toSingle(sign * (intHin - intHout) * m_state.intPort);
        m_state.estPort = toSingle(checked(duty / (sign * (estHout - estHin))));
        tmi = mean(intTout, intTin);
        m_fluids.propint(tmi);
        Unew = overallCoefficient();
        relaxCoefficient();
    }
    dTml = toSingle(logMeanDifference());
    q = dutyFromCoefficient();
}

// L3: both flows are given; the outlet temperatures follow from the duty.
void Calculation::solveLengthBothFlowsGiven()
{
    // Equal inlet temperatures exchange no heat: there is nothing to solve.
    if (intTin == estTin)
        throw CalcError("both inlet temperatures are equal", msg::InvalidTemperatures);
    const double sign = hotSign();
    tmi = intTin;
    tme = estTin;
    m_fluids.propint(tmi);
    m_fluids.propest(tme);
    U = overallCoefficient();
    Unew = 0;

    // Start from the difference that would carry the largest duty the smaller stream allows.
    const double ci = checked(m_state.intPort * m_fluids.intSide.Cp);
    const double ce = checked(m_state.estPort * m_fluids.estSide.Cp);
    const double cmin = ce > ci ? ci : ce;
    dTml = toSingle(checked(cmin * (sign * (intTin - estTin)) / checked(U * A) * 1000));

    float duty = 0;
    PassCounter outerPasses(kCoefficientPasses);
    while (apart(U, Unew, tolU)) {
        outerPasses.next();
        double previous = 0;
        updateDampingWeight();
        dTml = toSingle(relax * dTml * 0.1);
        // At least one pass, also when the start difference is already within the tolerance.
        do {
            m_temperaturePasses.next();
            duty = dutyFromCoefficient();
            intHout = intHin - sign * checked(duty / m_state.intPort);
            estHout = estHin + sign * checked(duty / m_state.estPort);
            intTout = m_fluids.trovatint(intHout);
            estTout = m_fluids.trovatest(estHout);
            previous = logMeanDifference();
            dTml = toSingle(checked((1 - relax) * dTml + relax * previous));
        } while (apart(dTml, previous, tolT));
        tmi = mean(intTout, intTin);
        tme = mean(estTout, estTin);
        m_fluids.propint(tmi);
        m_fluids.propest(tme);
        Unew = overallCoefficient();
        relaxCoefficient();
    }
    q = duty;
}

// C1: the internal outlet temperature and the external flow are given.
void Calculation::solveCapacityInternalOutletGiven()
{
    const double sign = hotSign();
    tmi = mean(intTout, intTin);
    m_fluids.propint(tmi);
    intHout = m_fluids.propHint(intTout);
    m_state.intPort = toSingle(checked(q / (sign * (intHin - intHout))));
    estTout = m_fluids.trovatest(sign * checked(q / m_state.estPort) + estHin);
    tme = mean(estTout, estTin);
    m_fluids.propest(tme);
    checkCapacity();
    dTml = toSingle(logMeanDifference());
    writeBack("Text8", m_state.intPort, 4);
    writeBack("Text10", estTout, 4);
}

// C2: the external outlet temperature and the internal flow are given.
void Calculation::solveCapacityExternalOutletGiven()
{
    const double sign = hotSign();
    tme = mean(estTout, estTin);
    m_fluids.propest(tme);
    estHout = m_fluids.propHest(estTout);
    m_state.estPort = toSingle(checked(q / (sign * (estHout - estHin))));
    intTout = m_fluids.trovatint(intHin - sign * checked(q / m_state.intPort));
    tmi = mean(intTout, intTin);
    m_fluids.propint(tmi);
    checkCapacity();
    dTml = toSingle(logMeanDifference());
    writeBack("Text11", m_state.estPort, 4);
    writeBack("Text7", intTout, 4);
}

// C3: both flows are given.
void Calculation::solveCapacityBothFlowsGiven()
{
    const double sign = hotSign();
    intTout = m_fluids.trovatint(intHin - sign * checked(q / m_state.intPort));
    estTout = m_fluids.trovatest(estHin + sign * checked(q / m_state.estPort));
    // The properties at the mean temperatures come before the capacity check, whose maximum duty
    // compares the streams' heat-capacity rates.
    tmi = mean(intTout, intTin);
    tme = mean(estTout, estTin);
    m_fluids.propint(tmi);
    m_fluids.propest(tme);
    checkCapacity();
    dTml = toSingle(logMeanDifference());
    writeBack("Text10", estTout, 4);
    writeBack("Text7", intTout, 4);
}

// The length that carries the given capacity, with the mean temperatures held.
void Calculation::searchLength()
{
    CaseState& s = m_state;
    U = 10;
    A = checked(q / 10 / dTml * 1000);
    s.L = checked(A / s.pigreco / s.deti);
    PassCounter passes(kCoefficientPasses);
    while (apart(U, Unew, tolU)) {
        passes.next();
        Unew = overallCoefficient();
        A = checked(q / Unew / dTml * 1000);
        s.L = checked(A / s.pigreco / s.deti);
        U = toSingle(0.3 * U + 0.7 * Unew);
    }
    writeBack("Text12", s.L, 3);
}

void Calculation::checkSolution() const
{
    // A duty, surface or flow that is not positive answers no real exchanger (a temperature cross
    // that the iterations carried through); report it instead of showing it as a result.
    if (!(q > 0 && A > 0 && m_state.L > 0 && U > 0 && m_state.intPort > 0 && m_state.estPort > 0))
        throw CalcError("the solution has a duty, surface, length or flow that is not positive");
}

double Calculation::logMeanDifference() const
{
    return intTin > estTin ? DTML(intTin, intTout, estTin, estTout, m_controequi)
                           : DTML(estTin, estTout, intTin, intTout, m_controequi);
}

float Calculation::dutyFromCoefficient() const { return checked(checked(checked(U * A) * dTml) / 1000); }

float Calculation::overallCoefficient()
{
    return toSingle(Coeffscambio(m_state, m_fluids, m_state.diti, m_state.deti, m_state.dhe, m_state.L, tmi, tme));
}

void Calculation::relaxCoefficient() { U = checked((1 - 0.8f) * U + 0.8f * Unew); }

float Calculation::startFlow(double mu, float diameter, float area) const
{
    // The flow of a Reynolds number of 10000 at the current viscosity.
    return toSingle(checked(mu * 10000 / diameter * area));
}

void Calculation::updateDampingWeight()
{
    relax = xxtt(m_state, m_fluids, U, A);
    if (dampingWeight(kMaxNtu) > relax)
        throw CalcError("NTU of the smaller stream above " + numberToText(kMaxNtu), msg::NtuTooHigh);
}

void Calculation::checkCapacity()
{
    const float limit
        = Qmax(m_fluids, estTin, estTout, intTin, intTout, m_state.estPort, m_state.intPort, m_controequi);
    if (q >= limit)
        throw CalcError(
            "the capacity reaches the largest duty of " + numberToText(limit) + " kW", msg::CapacityTooHigh);
}

void Calculation::writeBack(const char* box, float value, int decimals)
{
    m_form.setText(box, numberToText(roundHalfEven(value, decimals)));
}

void Calculation::writeBack(const char* box, double value, int decimals)
{
    m_form.setText(box, numberToText(roundHalfEven(value, decimals)));
}

} // namespace vorlan
