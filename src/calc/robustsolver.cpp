// The exchanger solved by bracketed root finding: the same balances, coefficient and log-mean
// difference as Calculate, on tables that do not drift, with every consistent state listed.
#include "calc/robustsolver.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>

#include "calc/bracket.h"
#include "correlations/heattransfer.h"
#include "platform/calcerror.h"
#include "platform/numbertext.h"

namespace vorlan {

namespace {

// f(Q) is sampled for sign changes at equal steps of the duty and, below the first step, at halvings
// down to 2^-40 of the limit: where a solved flow follows the duty (a given outlet), small duties
// mean small flows, and the laminar, transitional and turbulent roots of one case can all lie within
// the first step.
constexpr int kScanSteps = 48;
constexpr int kScanHalvings = 40;
constexpr int kBisections = 200; // far more than the 64 halvings that take a double bracket to one unit
constexpr double kJumpShare = 1e-4; // a bracket both of whose ends miss by more than this share of the duty
                                    // spans a jump of the coefficient, not a root
constexpr double kPinchDifference = 1e-6; // [K] an end difference below this is a pinch: the duty is its limit

/** The two streams at one duty Q [kW]: outlets, flows and the temperature differences at the two ends. */
struct Balance {
    double q = 0;
    double intTout = 0, estTout = 0; ///< [degC]
    double intPort = 0, estPort = 0; ///< [kg/s]
    double d1 = 0, d2 = 0; ///< end differences [K]: hot inlet's end, hot outlet's end
    bool crossed() const { return !(d1 > 0 && d2 > 0); }
    double smallerDifference() const { return std::min(d1, d2); }
};

double logMean(double d1, double d2)
{
    if (d1 == d2)
        return d1;
    return (d1 - d2) / std::log(d1 / d2);
}

class Solver {
public:
    Solver(const RobustCase& c, const SteadyTable& internal, const SteadyTable& external)
        : m_c(c)
        , m_in(internal)
        , m_es(external)
        , m_internalHot(c.intTin > c.estTin)
        , m_intHin(internal.enthalpy(c.intTin))
        , m_estHin(external.enthalpy(c.estTin))
    {
        if (c.flow == FlowMode::InternalOutletGiven)
            m_intHout = internal.enthalpy(c.intTout);
        if (c.flow == FlowMode::ExternalOutletGiven)
            m_estHout = external.enthalpy(c.estTout);
    }

    RobustSolution solve()
    {
        if (m_c.intTin == m_c.estTin)
            return none("both inlet temperatures are equal: no heat is exchanged");
        if (!(givenFlow(true) > 0) || !(givenFlow(false) > 0))
            return none(std::string("the ") + (givenFlow(true) > 0 ? "external" : "internal")
                + " mass flow is zero: no heat can be carried");
        if ((m_c.flow == FlowMode::InternalOutletGiven && m_c.intTout == m_c.intTin)
            || (m_c.flow == FlowMode::ExternalOutletGiven && m_c.estTout == m_c.estTin))
            return none("the given outlet temperature equals its inlet: that stream exchanges no heat");
        if (balance(0).crossed())
            return none("the given outlet temperature needs a temperature cross: the hot stream would leave colder "
                        "than the cold stream is at that end");
        findLimit();
        if (!(m_limit > 0))
            return none(tableEndReason(0));
        return m_c.lengthGiven ? solveForDuty() : solveForLength();
    }

private:
    static RobustSolution none(std::string reason)
    {
        RobustSolution s;
        s.reason = std::move(reason);
        return s;
    }

    /** +1 when the side gives heat off (the hot one), -1 when it takes it up. */
    double gives(bool internalSide) const { return internalSide == m_internalHot ? 1.0 : -1.0; }

    /** The flow [kg/s] of a side whose flow is given; 1 for a side whose flow is solved. */
    double givenFlow(bool internalSide) const
    {
        if (internalSide)
            return m_c.flow == FlowMode::InternalOutletGiven ? 1.0 : m_c.state.intPort;
        return m_c.flow == FlowMode::ExternalOutletGiven ? 1.0 : m_c.state.estPort;
    }

    bool outletSolved(bool internalSide) const
    {
        return internalSide ? m_c.flow != FlowMode::InternalOutletGiven : m_c.flow != FlowMode::ExternalOutletGiven;
    }

    /** The duty [kW] that takes a solved outlet to its table's end (infinite for a given outlet). */
    double tableDuty(bool internalSide) const
    {
        if (!outletSolved(internalSide))
            return std::numeric_limits<double>::infinity();
        const SteadyTable& t = internalSide ? m_in : m_es;
        const double end = gives(internalSide) > 0 ? t.firstTemperature() : t.lastTemperature();
        const double hIn = internalSide ? m_intHin : m_estHin;
        return givenFlow(internalSide) * gives(internalSide) * (hIn - t.enthalpy(end));
    }

    /** A side's flow [kg/s] and outlet [degC] at duty q: the flow given and the outlet from the balance, or the
     * reverse. */
    void stream(bool internalSide, double q, double& port, double& outlet) const
    {
        const SteadyTable& t = internalSide ? m_in : m_es;
        const double hIn = internalSide ? m_intHin : m_estHin;
        if (outletSolved(internalSide)) {
            port = internalSide ? m_c.state.intPort : m_c.state.estPort;
            const double hOut = hIn - gives(internalSide) * q / port;
            outlet = t.temperature(std::clamp(hOut, t.enthalpy(t.firstTemperature()), t.enthalpy(t.lastTemperature())));
        } else {
            port = q / (gives(internalSide) * (hIn - (internalSide ? m_intHout : m_estHout)));
            outlet = internalSide ? m_c.intTout : m_c.estTout;
        }
    }

    /** The streams at duty q; outlets of the solved sides within their tables (q up to m_tableDuty). */
    Balance balance(double q) const
    {
        Balance b;
        b.q = q;
        stream(true, q, b.intPort, b.intTout);
        stream(false, q, b.estPort, b.estTout);
        const double hotIn = m_internalHot ? m_c.intTin : m_c.estTin;
        const double hotOut = m_internalHot ? b.intTout : b.estTout;
        const double coldIn = m_internalHot ? m_c.estTin : m_c.intTin;
        const double coldOut = m_internalHot ? b.estTout : b.intTout;
        b.d1 = m_c.counterCurrent ? hotIn - coldOut : hotIn - coldIn;
        b.d2 = m_c.counterCurrent ? hotOut - coldIn : hotOut - coldOut;
        return b;
    }

    /** The largest duty with both outlets in their tables and no temperature cross. */
    void findLimit()
    {
        m_tableDuty = std::min(tableDuty(true), tableDuty(false));
        m_limitAtTable = !balance(m_tableDuty).crossed();
        if (m_limitAtTable) {
            m_limit = m_tableDuty;
            return;
        }
        double lo = 0;
        double hi = m_tableDuty;
        for (int i = 0; i < kBisections && std::nextafter(lo, hi) < hi; ++i) {
            const double mid = lo + (hi - lo) / 2;
            (balance(mid).crossed() ? hi : lo) = mid;
        }
        m_limit = lo;
    }

    /** The overall coefficient [W/(m^2 K)] of the streams of b in an exchanger of length L; sets the root's fields. */
    double coefficient(const Balance& b, float L, RobustRoot* root = nullptr) const
    {
        CaseState s = m_c.state;
        s.intPort = toSingle(b.intPort);
        s.estPort = toSingle(b.estPort);
        s.L = L;
        const double tmi = (b.intTout + m_c.intTin) / 2;
        const double tme = (b.estTout + m_c.estTin) / 2;
        const FluidSide in = m_in.bulk(tmi);
        const FluidSide es = m_es.bulk(tme);
        const auto wallMu = [this](bool internalSide, double tp) {
            return internalSide ? m_in.wallViscosity(tp) : m_es.wallViscosity(tp);
        };
        const FilmGroups g = filmGroups(s, in, es, s.diti, s.dhe, L);
        const double U = overallCoefficient(
            s, filmCoefficients(in, es, wallMu, g, s.diti, s.deti, s.dhe, tmi, tme), s.diti, s.deti);
        if (root != nullptr) {
            root->q = b.q;
            root->L = L;
            root->A = surface(L);
            root->U = U;
            root->intTout = b.intTout;
            root->estTout = b.estTout;
            root->intPort = b.intPort;
            root->estPort = b.estPort;
            root->tmi = tmi;
            root->tme = tme;
            root->reInt = g.reInt;
            root->reEst = g.reEst;
            root->gzInt = g.gzInt;
            root->gzEst = g.gzEst;
            root->atPinch = b.smallerDifference() < kPinchDifference;
        }
        return U;
    }

    float surface(float L) const { return m_c.state.pigreco * L * m_c.state.deti; }

    /** Q - U A dTml / 1000 [kW] at duty q, the length given. */
    double dutyMiss(double q, RobustRoot* root = nullptr) const
    {
        const Balance b = balance(q);
        const double dTml = b.crossed() ? 0.0 : logMean(b.d1, b.d2);
        return q - coefficient(b, m_c.state.L, root) * surface(m_c.state.L) * dTml / 1000;
    }

    RobustSolution solveForDuty()
    {
        RobustSolution s;
        std::vector<double> q {0};
        for (int k = kScanHalvings; k > 0; --k)
            if (std::ldexp(1.0, -k) < 1.0 / kScanSteps)
                q.push_back(std::ldexp(m_limit, -k));
        for (int j = 1; j <= kScanSteps; ++j)
            q.push_back(m_limit * j / kScanSteps);
        addRuleBoundaries(q);
        std::vector<double> f;
        for (const double duty : q)
            f.push_back(dutyMiss(duty));
        const std::size_t last = q.size() - 1;
        std::string jump;
        for (std::size_t j = 0; j < last; ++j) {
            if ((f[j] < 0) == (f[j + 1] < 0))
                continue;
            double lo = q[j], hi = q[j + 1], fLo = f[j], fHi = f[j + 1];
            narrow(lo, hi, fLo, fHi, [this](double duty) { return dutyMiss(duty); });
            const bool nearer = std::fabs(fLo) <= std::fabs(fHi);
            RobustRoot root;
            dutyMiss(nearer ? lo : hi, &root);
            if (root.atPinch || std::min(std::fabs(fLo), std::fabs(fHi)) <= kJumpShare * hi)
                s.roots.push_back(root);
            else if (jump.empty())
                jump = "the coefficient jumps (the laminar Nusselt rule at Gz = 2) at a duty of " + roundedText(hi, 3)
                    + " kW: the exchanger would carry " + roundedText(lo - fLo, 3) + " kW just below it and "
                    + roundedText(hi - fHi, 3) + " kW just above it, so no duty is consistent";
        }
        if (!m_limitAtTable && f[last] < 0) {
            // The exchanger still carries more than the limit at the cross: its root lies closer to
            // the pinch than a double resolves (NTU far above 30). The limit duty is the answer.
            RobustRoot root;
            dutyMiss(m_limit, &root);
            root.atPinch = true;
            s.roots.push_back(root);
        }
        std::sort(s.roots.begin(), s.roots.end(), [](const RobustRoot& a, const RobustRoot& b) { return a.q > b.q; });
        if (s.roots.empty())
            s.reason = !jump.empty() ? jump : tableEndReason(0);
        return s;
    }

    /**
     * Adds to the sampled duties, on both sides of each, those where the side whose flow follows the
     * duty (a given outlet: its mean temperature, so its properties, stay fixed and its Reynolds
     * number and Gz grow in proportion to the duty) changes its Nusselt rule: Re = 2300 and 10000,
     * Gz = 2. The roots of one case lie between such boundaries; sampling only by steps can put a
     * transitional and a turbulent root in one interval and miss both.
     */
    void addRuleBoundaries(std::vector<double>& q) const
    {
        if (m_c.flow == FlowMode::BothFlowsGiven)
            return;
        RobustRoot atLimit;
        dutyMiss(m_limit, &atLimit);
        const bool internalSide = m_c.flow == FlowMode::InternalOutletGiven;
        const double Re = internalSide ? atLimit.reInt : atLimit.reEst;
        const double Gz = internalSide ? atLimit.gzInt : atLimit.gzEst;
        for (const double boundary : {2300 / Re, 10000 / Re, 2 / Gz})
            for (const double side : {1 - 1e-9, 1 + 1e-9})
                if (boundary * side > 0 && boundary * side < 1)
                    q.push_back(m_limit * boundary * side);
        std::sort(q.begin(), q.end());
    }

    /** U(L) A(L) dTml / 1000 - Q [kW] for the balance b and its dTml. */
    double lengthMiss(const Balance& b, double dTml, float L, RobustRoot* root = nullptr) const
    {
        return coefficient(b, L, root) * surface(L) * dTml / 1000 - b.q;
    }

    RobustSolution solveForLength()
    {
        const double q = m_c.q;
        if (q >= m_limit)
            return none(m_limitAtTable ? tableEndReason(q)
                                       : "the capacity needs a temperature cross: the largest duty without one is "
                        + roundedText(m_limit, 3) + " kW");
        const Balance b = balance(q);
        const double dTml = logMean(b.d1, b.d2);
        // A bracket around the length that would carry q with the coefficient of a 1 m exchanger,
        // widened by halving and doubling; U(L) A(L) rises with L.
        const double perMetre = coefficient(b, 1) * surface(1) * dTml / 1000;
        float lo = toSingle(q / perMetre);
        float hi = lo;
        for (int i = 0; i < kBisections && lengthMiss(b, dTml, lo) > 0; ++i)
            lo /= 2;
        for (int i = 0; i < kBisections && lengthMiss(b, dTml, hi) < 0; ++i)
            hi *= 2;
        double fLo = lengthMiss(b, dTml, lo);
        double fHi = lengthMiss(b, dTml, hi);
        if (!(fLo <= 0 && fHi >= 0))
            return none(
                "no length carries the capacity: the exchanger's duty does not reach " + roundedText(q, 3) + " kW");
        narrow(lo, hi, fLo, fHi, [&](float L) { return lengthMiss(b, dTml, L); });
        if (std::min(std::fabs(fLo), std::fabs(fHi)) > kJumpShare * q)
            return none("the coefficient jumps (the laminar Nusselt rule at Gz = 2) at a length of "
                + roundedText(hi, 3) + " m: the exchanger carries " + roundedText(q + fLo, 3) + " kW just below it and "
                + roundedText(q + fHi, 3) + " kW just above it, so no length carries " + roundedText(q, 3) + " kW");
        RobustSolution s;
        s.roots.emplace_back();
        lengthMiss(b, dTml, std::fabs(fLo) <= std::fabs(fHi) ? lo : hi, &s.roots.back());
        return s;
    }

    /** Why the duty cannot reach q: a solved outlet would leave its table first. */
    std::string tableEndReason(double q) const
    {
        const bool internalSide = tableDuty(true) <= tableDuty(false);
        const SteadyTable& t = internalSide ? m_in : m_es;
        const bool hot = gives(internalSide) > 0;
        return std::string("the ") + (internalSide ? "internal" : "external")
            + " outlet would leave its fluid's table (" + (hot ? "which begins at " : "which ends at ")
            + roundedText(hot ? t.firstTemperature() : t.lastTemperature(), 3)
            + " °C) before the exchanger's duty is reached: the table allows at most " + roundedText(m_tableDuty, 3)
            + " kW" + (q > 0 ? ", the case asks " + roundedText(q, 3) + " kW" : "");
    }

    const RobustCase& m_c;
    const SteadyTable& m_in;
    const SteadyTable& m_es;
    bool m_internalHot;
    double m_intHin, m_estHin;
    double m_intHout = 0, m_estHout = 0; ///< of a given outlet
    double m_tableDuty = 0; ///< [kW] at which a solved outlet reaches its table's end
    double m_limit = 0; ///< [kW] the largest duty without a cross within the tables
    bool m_limitAtTable = false;
};

} // namespace

RobustSolution solveRobustly(const RobustCase& c, const SteadyTable& internal, const SteadyTable& external)
{
    try {
        return Solver(c, internal, external).solve();
    } catch (const std::exception& error) {
        RobustSolution s;
        s.reason = std::string("the robust solution could not be computed either: ") + error.what();
        return s;
    }
}

const char* flowRegimeName(double Re)
{
    if (Re < 2300)
        return "laminar";
    return Re > 10000 ? "turbulent" : "transition";
}

} // namespace vorlan
