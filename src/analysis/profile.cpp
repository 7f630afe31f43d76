#include "analysis/profile.h"

#include <algorithm>

#include "platform/calcerror.h"

namespace vorlan {

namespace {

constexpr int kTwoStepSegments = 50;

/** One stream seen from the hot inlet: its side's lookups, its flow and the sign of its enthalpy change. */
struct Marched {
    bool internalSide;
    float flow; // [kg/s]
    double sign; // -1: enthalpy falls along the march
};

double temperatureOf(FluidTables& fluids, const Marched& m, double h)
{
    return m.internalSide ? fluids.trovatint(h) : fluids.trovatest(h);
}

double enthalpyOf(FluidTables& fluids, const Marched& m, double t)
{
    return m.internalSide ? fluids.propHint(t) : fluids.propHest(t);
}

} // namespace

Profile marchProfile(const SolvedCase& solved, const FilmDetails& details, FluidTables& fluids, int segments)
{
    if (segments < 1)
        throw CalcError("a profile needs at least one segment");
    const ResultRecord& r = solved.record;
    const bool internalHot = solved.internalHot();
    const bool counter = solved.counterCurrent();
    const Marched hot {internalHot, internalHot ? r.intPort : r.estPort, -1};
    const Marched cold {!internalHot, internalHot ? r.estPort : r.intPort, counter ? -1.0 : 1.0};
    const double hotIn = internalHot ? r.intTin : r.estTin;
    const double hotOut = internalHot ? r.intTout : r.estTout;
    const double coldIn = internalHot ? r.estTin : r.intTin;
    const double coldOut = internalHot ? r.estTout : r.intTout;
    const double coldStart = counter ? coldOut : coldIn;
    const double coldEnd = counter ? coldIn : coldOut;
    const double hI = details.internal.h;
    const double hE = details.external.h;
    // Heat flux per metre of length per kelvin [kW/(m K)].
    const double perMetre = checked(double(r.U) * r.A / r.L / 1000);
    const double step = double(r.L) / segments;

    // Heat flux [kW/m] at the hot and cold temperatures th, tc, and the enthalpy slopes it gives
    // [kJ/(kg m)].
    const auto slopes = [&](double th, double tc, double& dh, double& dc) {
        const double q = perMetre * (th - tc);
        dh = checked(hot.sign * q / hot.flow);
        dc = checked(cold.sign * q / cold.flow);
    };
    const auto point = [&](double s, double th, double tc, double hh, double hh0) {
        ProfilePoint p;
        p.tHot = th;
        p.tCold = tc;
        const double tInt = internalHot ? th : tc;
        const double tEst = internalHot ? tc : th;
        p.tWall = checked((hI * tInt + hE * tEst) / (hI + hE));
        // x from the internal inlet: only a counter-current hot annulus runs the other way.
        p.x = !internalHot && counter ? r.L - s : s;
        p.duty = checked(hot.flow * (hh0 - hh));
        return p;
    };

    const double hh0 = enthalpyOf(fluids, hot, hotIn);
    double hh = hh0;
    double hc = enthalpyOf(fluids, cold, coldStart);
    double th = temperatureOf(fluids, hot, hh);
    double tc = temperatureOf(fluids, cold, hc);
    Profile profile;
    profile.points.reserve(static_cast<std::size_t>(segments) + 1);
    profile.points.push_back(point(0, th, tc, hh, hh0));
    // Slopes at the last point and at the one before it.
    double kh, kc, previousH = 0, previousC = 0;
    slopes(th, tc, kh, kc);
    // On few segments the two-step rule strays about twice as far as Heun's: Heun's throughout there.
    const bool twoStep = segments >= kTwoStepSegments;
    for (int i = 1; i <= segments; ++i) {
        if (i == 1 || !twoStep) {
            // Heun's step: the slopes at the start and at the predicted end, averaged.
            double endH, endC;
            slopes(temperatureOf(fluids, hot, hh + step * kh), temperatureOf(fluids, cold, hc + step * kc), endH, endC);
            hh = checked(hh + step / 2 * (kh + endH));
            hc = checked(hc + step / 2 * (kc + endC));
        } else {
            // Adams-Bashforth's two-step rule, second order like Heun's with one table lookup per
            // stream and step: 1.5 times the last slope less 0.5 times the one before.
            hh = checked(hh + step * (1.5 * kh - 0.5 * previousH));
            hc = checked(hc + step * (1.5 * kc - 0.5 * previousC));
        }
        previousH = kh;
        previousC = kc;
        th = temperatureOf(fluids, hot, hh);
        tc = temperatureOf(fluids, cold, hc);
        slopes(th, tc, kh, kc);
        profile.points.push_back(point(i == segments ? double(r.L) : i * step, th, tc, hh, hh0));
    }
    const ProfilePoint& last = profile.points.back();
    profile.hotOutletMiss = last.tHot - hotOut;
    profile.coldEndMiss = last.tCold - coldEnd;
    profile.duty = last.duty;
    if (!internalHot && counter)
        std::reverse(profile.points.begin(), profile.points.end()); // marched from x = L
    return profile;
}

} // namespace vorlan
