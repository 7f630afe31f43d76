// Solving the exchanger by the log-mean temperature difference with enthalpy balances and damped
// fixed-point iterations, in the six combinations of flow mode and size mode.
#include <cmath>

#include "calc/calculation.h"
#include "calc/solvedvalues.h"
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

// The fixed numbers of the iterations.
constexpr double kFarTemperature = 10000; // [degC] start of T*: far from any outlet, so a first pass runs
constexpr double kStartReynolds = 10000; // a solved flow starts where its side's flow turns turbulent
constexpr double kHalf = 0.5; // a solved outlet starts halfway between the given outlet and its own inlet
constexpr float kNewCoefficientWeight = 0.8f; // length given: U takes 0.8 of each new coefficient
constexpr float kSearchStartU = 10; // [W/(m^2 K)] the length search's first guess, a low U: a long first length
constexpr double kSearchOldWeight = 0.3; // the length search keeps 0.3 of the previous U ...
constexpr double kSearchNewWeight = 0.7; // ... and takes 0.7 of the new one
constexpr double kStartDifferenceShare = 0.1; // L3 starts each pass from a tenth of the damped difference

} // namespace

void Calculation::solve()
{
    const Stream internal = internalStream();
    const Stream external = externalStream();
    if (m_lengthGiven) {
        A = checked(checked(m_state.pigreco * m_state.L) * m_state.deti);
        switch (m_flow) {
        case FlowMode::InternalOutletGiven:
            solveLengthOneOutletGiven(internal, external);
            // The solved outlet of a heated external fluid must stay in its table.
            if (intTin > estTin)
                checkRange(estTout, false);
            break;
        case FlowMode::ExternalOutletGiven:
            solveLengthOneOutletGiven(external, internal);
            break;
        case FlowMode::BothFlowsGiven:
            solveLengthBothFlowsGiven();
            break;
        }
    } else {
        switch (m_flow) {
        case FlowMode::InternalOutletGiven:
            solveCapacityOneOutletGiven(internal, external);
            break;
        case FlowMode::ExternalOutletGiven:
            solveCapacityOneOutletGiven(external, internal);
            break;
        case FlowMode::BothFlowsGiven:
            solveCapacityBothFlowsGiven();
            break;
        }
        // Written before the length search: a failure there leaves them in the window.
        writeBacks(solvedFlowAndOutlet(m_flow, m_state.intPort, m_state.estPort, intTout, estTout));
        searchLength();
    }
    checkSolution();
    checkConsistency();
}

RobustCase Calculation::robustCase() const
{
    return {m_flow, m_lengthGiven, m_configuration == Configuration::Countercurrent, m_state, intTin, estTin, intTout,
        estTout, q};
}

Calculation::Stream Calculation::internalStream()
{
    return {true, intTin, intTout, intHin, intHout, tmi, m_state.intPort, hotSign()};
}

Calculation::Stream Calculation::externalStream()
{
    return {false, estTin, estTout, estHin, estHout, tme, m_state.estPort, -hotSign()};
}

double Calculation::enthalpyAt(const Stream& stream, double t)
{
    return stream.internalSide ? m_fluids.propHint(t) : m_fluids.propHest(t);
}

double Calculation::temperatureAt(const Stream& stream, double h)
{
    return stream.internalSide ? m_fluids.trovatint(h) : m_fluids.trovatest(h);
}

void Calculation::propertiesAtMean(const Stream& stream)
{
    stream.tm = mean(stream.Tout, stream.Tin);
    if (stream.internalSide)
        m_fluids.propint(stream.tm);
    else
        m_fluids.propest(stream.tm);
}

float Calculation::startFlow(const Stream& stream) const
{
    const CaseState& s = m_state;
    return stream.internalSide ? toSingle(checked(m_fluids.intSide.Mu * kStartReynolds / s.diti * s.intArea))
                               : toSingle(checked(m_fluids.estSide.Mu * kStartReynolds / s.dhe * s.estArea));
}

// L1 and L2: one side's outlet temperature and the other side's flow are given; the given side's
// flow and the other side's outlet temperature are solved.
void Calculation::solveLengthOneOutletGiven(const Stream& given, const Stream& solved)
{
    solved.Tout = kHalf * given.Tout + kHalf * solved.Tin;
    tmi = mean(intTout, intTin);
    tme = mean(estTout, estTin);
    m_fluids.propint(tmi);
    m_fluids.propest(tme);
    given.Hout = enthalpyAt(given, given.Tout);
    given.port = startFlow(given);
    U = overallCoefficient();
    float Unew = 0;
    PassCounter outerPasses("coefficient iteration", kCoefficientPasses);
    while (apart(U, Unew, tolU)) {
        outerPasses.next(std::fabs(U - Unew));
        m_coefficientPasses++;
        const float relax = damping();
        double found = kFarTemperature;
        while (apart(solved.Tout, found, tolT)) {
            m_temperaturePasses.next(std::fabs(solved.Tout - found));
            dTml = toSingle(logMeanDifference());
            const float duty = dutyFromCoefficient();
            found = temperatureAt(solved, solved.Hin - solved.gives * checked(duty / solved.port));
            // The weights in double precision, so that they add up to one: rounding 1 - relax to
            // single moves the update's fixed point away from T* by more than the tolerance once
            // relax is small (high NTU), and the iteration would never end.
            solved.Tout = checked((1.0 - relax) * solved.Tout + relax * found);
        }
        solved.Hout = enthalpyAt(solved, solved.Tout);
        const float duty = toSingle(solved.gives * (solved.Hin - solved.Hout) * solved.port);
        given.port = toSingle(checked(duty / (given.gives * (given.Hin - given.Hout))));
        propertiesAtMean(solved);
        Unew = overallCoefficient();
        relaxCoefficient(Unew);
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
    const Stream internal = internalStream();
    const Stream external = externalStream();
    tmi = intTin;
    tme = estTin;
    m_fluids.propint(tmi);
    m_fluids.propest(tme);
    U = overallCoefficient();
    float Unew = 0;

    // Start from the difference that would carry the largest duty the smaller stream allows.
    const double ci = checked(m_state.intPort * m_fluids.intSide.Cp);
    const double ce = checked(m_state.estPort * m_fluids.estSide.Cp);
    const double cmin = ce > ci ? ci : ce;
    dTml = toSingle(checked(cmin * (internal.gives * (intTin - estTin)) / checked(U * A) * 1000));

    float duty = 0;
    PassCounter outerPasses("coefficient iteration", kCoefficientPasses);
    while (apart(U, Unew, tolU)) {
        outerPasses.next(std::fabs(U - Unew));
        m_coefficientPasses++;
        double previous = 0;
        const float relax = damping();
        // relax * dTml is a product of two singles; the tenth is applied in double, the result stored in single.
        dTml = toSingle(relax * dTml * kStartDifferenceShare);
        // At least one pass, also when the start difference is already within the tolerance.
        do {
            m_temperaturePasses.next(std::fabs(dTml - previous));
            duty = dutyFromCoefficient();
            intHout = intHin - internal.gives * checked(duty / m_state.intPort);
            estHout = estHin - external.gives * checked(duty / m_state.estPort);
            intTout = m_fluids.trovatint(intHout);
            estTout = m_fluids.trovatest(estHout);
            previous = logMeanDifference();
            // As in L1 and L2 the weights are double; only the stored difference is single.
            dTml = toSingle(checked((1.0 - relax) * dTml + relax * previous));
        } while (apart(dTml, previous, tolT));
        propertiesAtMean(internal);
        propertiesAtMean(external);
        Unew = overallCoefficient();
        relaxCoefficient(Unew);
    }
    q = duty;
}

// C1 and C2: one side's outlet temperature and the other side's flow are given.
void Calculation::solveCapacityOneOutletGiven(const Stream& given, const Stream& solved)
{
    propertiesAtMean(given);
    given.Hout = enthalpyAt(given, given.Tout);
    given.port = toSingle(checked(q / (given.gives * (given.Hin - given.Hout))));
    solved.Tout = temperatureAt(solved, solved.Hin - solved.gives * checked(q / solved.port));
    propertiesAtMean(solved);
    checkCapacity();
    dTml = toSingle(logMeanDifference());
}

// C3: both flows are given.
void Calculation::solveCapacityBothFlowsGiven()
{
    const Stream internal = internalStream();
    const Stream external = externalStream();
    intTout = m_fluids.trovatint(intHin - internal.gives * checked(q / m_state.intPort));
    estTout = m_fluids.trovatest(estHin - external.gives * checked(q / m_state.estPort));
    // The properties at the mean temperatures come before the capacity check, whose maximum duty
    // compares the streams' heat-capacity rates.
    propertiesAtMean(internal);
    propertiesAtMean(external);
    checkCapacity();
    dTml = toSingle(logMeanDifference());
}

// The length that carries the given capacity, with the mean temperatures held.
void Calculation::searchLength()
{
    CaseState& s = m_state;
    U = kSearchStartU;
    float Unew = 0;
    A = checked(q / kSearchStartU / dTml * 1000);
    s.L = checked(A / s.pigreco / s.deti);
    PassCounter passes("length search", kCoefficientPasses);
    while (apart(U, Unew, tolU)) {
        passes.next(std::fabs(U - Unew));
        m_coefficientPasses++;
        Unew = overallCoefficient();
        A = checked(q / Unew / dTml * 1000);
        s.L = checked(A / s.pigreco / s.deti);
        U = toSingle(kSearchOldWeight * U + kSearchNewWeight * Unew);
    }
    m_writeBacks.push_back(solvedLength(s.L));
}

void Calculation::checkSolution() const
{
    // A duty, surface or flow that is not positive answers no real exchanger (a temperature cross
    // that the iterations carried through); report it instead of showing it as a result.
    if (!(q > 0 && A > 0 && m_state.L > 0 && U > 0 && m_state.intPort > 0 && m_state.estPort > 0))
        throw CalcError("the solution has a duty, surface, length or flow that is not positive");
}

double Calculation::logMeanDifference() const { return sidesDTML(intTin, intTout, estTin, estTout, m_configuration); }

float Calculation::dutyFromCoefficient() const { return checked(checked(checked(U * A) * dTml) / 1000); }

float Calculation::overallCoefficient()
{
    return toSingle(Coeffscambio(m_state, m_fluids, m_state.diti, m_state.deti, m_state.dhe, m_state.L, tmi, tme));
}

void Calculation::relaxCoefficient(float Unew)
{
    U = checked((1 - kNewCoefficientWeight) * U + kNewCoefficientWeight * Unew);
}

float Calculation::damping()
{
    const float relax = xxtt(m_state, m_fluids, U, A);
    if (vorlan::dampingWeight(kMaxNtu) > relax)
        throw CalcError("NTU of the smaller stream above " + numberToText(kMaxNtu), msg::NtuTooHigh);
    return relax;
}

void Calculation::checkCapacity()
{
    const float limit
        = Qmax(m_fluids, estTin, estTout, intTin, intTout, m_state.estPort, m_state.intPort, m_configuration);
    if (q >= limit)
        throw CalcError(
            "the capacity reaches the largest duty of " + numberToText(limit) + " kW", msg::CapacityTooHigh);
}

void Calculation::writeBacks(const std::vector<WriteBack>& values)
{
    m_writeBacks.insert(m_writeBacks.end(), values.begin(), values.end());
}

} // namespace vorlan
