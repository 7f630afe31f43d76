#include "analysis/warnings.h"

#include <algorithm>
#include <cmath>

#include "analysis/numberformat.h"
#include "analysis/warningrules.h"

namespace vorlan {

namespace {

const char* sideName(bool internalSide) { return internalSide ? "Internal pipe" : "Annulus"; }

bool outside(double value, const WarningRule& rule) { return value < rule.low || value > rule.high; }

/** The words that open a warning of a result no real exchanger can have. */
constexpr char kImpossible[] = "Physically impossible: ";

/** A pressure drop that takes the whole absolute pressure of its side, or more. */
void pressureWarning(double pressureDrop, float pressureBar, bool internalSide, std::vector<Warning>& out)
{
    const WarningRule& rule = warningRule(WarningKind::PressureDropBeyondPressure);
    const double absolute = pressureBar * 100.0; // kPa
    if (pressureDrop > 0 && pressureDrop >= absolute * rule.low / 100)
        out.push_back({rule.kind,
            kImpossible + std::string(sideName(internalSide)) + ": pressure drop " + figure(pressureDrop, 3)
                + " kPa is at or above the side's absolute pressure of " + figure(absolute) + " kPa ("
                + figure(pressureBar) + " bar)."});
}

/** The warnings of one side's flow and film coefficient. */
void sideWarnings(const SideDetails& d, bool internalSide, float L, float pressureBar, std::vector<Warning>& out)
{
    const std::string side = sideName(internalSide);
    const auto add = [&out](const WarningRule& rule, std::string text) { out.push_back({rule.kind, text}); };

    const WarningRule& transition = warningRule(WarningKind::Transition);
    if (d.Re >= transition.low && d.Re <= transition.high)
        add(transition,
            side + ": Re = " + figure(d.Re) + " lies in the transition band " + figure(transition.low) + " to "
                + figure(transition.high) + "; the Nusselt number is interpolated.");
    const WarningRule& near = warningRule(WarningKind::NearTransition);
    const double margin = near.low / 100;
    if ((d.Re < transition.low && d.Re >= transition.low * (1 - margin))
        || (d.Re > transition.high && d.Re <= transition.high * (1 + margin)))
        add(near,
            side + ": Re = " + figure(d.Re) + " is within " + figure(near.low) + " % of the transition band "
                + figure(transition.low) + " to " + figure(transition.high)
                + "; a small change of the case can move the solution across it.");
    const WarningRule& graetz = warningRule(WarningKind::GraetzJump);
    if (d.Re < transition.low && d.Gz >= graetz.low && d.Gz <= graetz.high)
        add(graetz,
            side + ": laminar with Gz = " + figure(d.Gz) + ", near the jump at Gz = 2; more flow can give less heat.");

    const bool turbulentRule = d.branch == NusseltBranch::Turbulent || d.branch == NusseltBranch::Transition;
    const WarningRule& prandtl = warningRule(WarningKind::TurbulentPrandtl);
    if (turbulentRule && outside(d.Pr, prandtl))
        add(prandtl,
            side + ": Pr = " + figure(d.Pr, 5) + " is outside " + figure(prandtl.low) + " to " + figure(prandtl.high)
                + " of the Sieder-Tate turbulent rule.");
    const WarningRule& length = warningRule(WarningKind::LengthRatio);
    const double lengthRatio = L / d.diameter;
    if (turbulentRule && lengthRatio < length.low)
        add(length, side + ": L/d = " + figure(lengthRatio) + " is below " + figure(length.low) + ".");
    const WarningRule& viscosity = warningRule(WarningKind::ViscosityRatio);
    if (d.branch != NusseltBranch::FullyDeveloped && outside(d.viscosityRatio, viscosity))
        add(viscosity,
            side + ": mu/mu_w = " + figure(d.viscosityRatio) + " is outside " + figure(viscosity.low) + " to "
                + figure(viscosity.high) + ".");

    const bool gas = isGas(d.rho);
    const WarningRule& speed
        = warningRule(gas ? WarningKind::GasVelocity
                          : (internalSide ? WarningKind::LiquidVelocityTube : WarningKind::LiquidVelocityAnnulus));
    if (outside(d.velocity, speed))
        add(speed,
            side + ": velocity " + figure(d.velocity, 3) + " m/s is outside the usual " + figure(speed.low) + " to "
                + figure(speed.high) + " m/s for " + (gas ? "a gas or vapour." : "a liquid."));

    const WarningRule& sound = warningRule(WarningKind::SpeedOfSound);
    const double soundSpeed = std::sqrt(pressureBar * 1e5 / d.rho); // isothermal, p in Pa
    if (gas && d.velocity >= sound.low * soundSpeed)
        add(sound,
            kImpossible + side + ": velocity " + figure(d.velocity, 3) + " m/s is at or above the gas's isothermal "
                + "speed of sound, " + figure(soundSpeed, 3) + " m/s at " + figure(pressureBar) + " bar.");

    if (gas) {
        const WarningRule& drop = warningRule(WarningKind::GasPressureDrop);
        const double share = d.pressureDrop / (pressureBar * 100.0) * 100;
        if (share > drop.low)
            add(drop,
                side + ": pressure drop " + figure(d.pressureDrop, 3) + " kPa is " + figure(share, 3)
                    + " % of the absolute pressure; its table assumes a constant pressure.");
    } else {
        const WarningRule& drop = warningRule(WarningKind::LiquidPressureDrop);
        if (d.pressureDrop > drop.low)
            add(drop,
                side + ": pressure drop " + figure(d.pressureDrop, 3) + " kPa is above the usual " + figure(drop.low)
                    + " kPa for a liquid.");
    }
}

/** Outlet, mean and wall temperatures that lie outside the side's table block. */
void rangeWarnings(const SideDetails& d, bool internalSide, double outlet, std::vector<Warning>& out)
{
    const WarningRule& rule = warningRule(WarningKind::TableRange);
    const std::pair<const char*, double> checks[] = {{"outlet", outlet}, {"mean", d.tm}, {"wall", d.wallTemperature}};
    for (const auto& [what, t] : checks) {
        if (t < d.tableMin || t >= d.tableMax)
            out.push_back({rule.kind,
                std::string(sideName(internalSide)) + ": " + what + " temperature " + figure(t) + " °C is outside its "
                    + "table, " + figure(d.tableMin) + " to " + figure(d.tableMax) + " °C."});
    }
}

/** Close approach and temperature cross at the two ends. */
void approachWarnings(const SolvedCase& solved, std::vector<Warning>& out)
{
    const ResultRecord& r = solved.record;
    const bool internalHot = solved.internalHot();
    const double hotIn = internalHot ? r.intTin : r.estTin;
    const double hotOut = internalHot ? r.intTout : r.estTout;
    const double coldIn = internalHot ? r.estTin : r.intTin;
    const double coldOut = internalHot ? r.estTout : r.intTout;
    const double end1 = solved.counterCurrent() ? hotIn - coldOut : hotIn - coldIn;
    const double end2 = solved.counterCurrent() ? hotOut - coldIn : hotOut - coldOut;
    const double smallest = std::min(end1, end2);
    const WarningRule& cross = warningRule(WarningKind::TemperatureCross);
    const WarningRule& close = warningRule(WarningKind::CloseApproach);
    if (smallest <= cross.low)
        out.push_back({cross.kind, "Temperature cross: an end temperature difference is " + figure(smallest) + " K."});
    else if (smallest < close.low)
        out.push_back({close.kind,
            "Close approach: the smallest end temperature difference is " + figure(smallest, 3) + " K, below "
                + figure(close.low) + " K."});
}

} // namespace

bool isGas(double density) { return density < warningRule(WarningKind::GasDensity).low; }

Severity severityOf(const Warning& warning) { return warningRule(warning.kind).severity; }

const Warning* mostSevere(const std::vector<Warning>& warnings)
{
    const Warning* found = nullptr;
    for (const Warning& warning : warnings) {
        if (found == nullptr || severityOf(warning) > severityOf(*found))
            found = &warning;
    }
    return found;
}

double annulusFrictionReynolds(double a) { return 64 * std::pow(1 - a, 2) / (1 + a * a + (1 - a * a) / std::log(a)); }

std::vector<Warning> caseWarnings(
    const SolvedCase& solved, const std::optional<FilmDetails>& details, const std::optional<CrossCheck>& check)
{
    const ResultRecord& r = solved.record;
    std::vector<Warning> out;
    pressureWarning(r.intDeltaP, r.intpress, true, out);
    pressureWarning(r.estDeltaP, r.estpress, false, out);
    if (details) {
        sideWarnings(details->internal, true, r.L, r.intpress, out);
        sideWarnings(details->external, false, r.L, r.estpress, out);
    }
    const WarningRule& spread = warningRule(WarningKind::CrossCheck);
    if (check && std::fabs(check->spread) > spread.low)
        out.push_back({spread.kind,
            "Gnielinski's correlations give U = " + figure(check->U) + " W/(m² K), " + figure(check->spread, 3)
                + " % from " + figure(check->uSiederTate) + "."});
    if (details) {
        rangeWarnings(details->internal, true, r.intTout, out);
        rangeWarnings(details->external, false, r.estTout, out);
    }
    approachWarnings(solved, out);
    const WarningRule& friction = warningRule(WarningKind::LaminarAnnulusFriction);
    if (details && details->external.Re < friction.low) {
        const double a = double(solved.state.deti) / solved.state.dite;
        out.push_back({friction.kind,
            "Annulus: laminar friction factor 64/Re; a concentric annulus with d/D = " + figure(a, 3)
                + " has f Re = " + figure(annulusFrictionReynolds(a), 3) + ", so its pressure drop is "
                + figure((annulusFrictionReynolds(a) / 64 - 1) * 100, 2) + " % higher."});
    }
    return out;
}

} // namespace vorlan
