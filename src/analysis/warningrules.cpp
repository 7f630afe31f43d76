// The thresholds of the warnings, kept as data: change a value here and the warnings, the user
// guide's chapter and the tests follow it.
#include "analysis/warningrules.h"

#include <array>

namespace vorlan {

namespace {

constexpr std::array kRules = {
    WarningRule {WarningKind::Transition, "transition", "low <= Re <= high", 2300, 10000,
        "the Nusselt number is a linear blend of the laminar and the turbulent rule; the turbulent rule is used "
        "below its range",
        "Sieder and Tate, Ind. Eng. Chem. 28 (1936) 1429; VDI Heat Atlas, 2nd ed. (2010), chapter G1",
        Severity::Doubtful},
    WarningRule {WarningKind::NearTransition, "nearTransition",
        "Re outside the transition band but within low % of its ends", 10, 0,
        "the film coefficient changes steeply across the band (water in a 21 mm tube: Nu about 7 at Re 2300, about "
        "60 at 10 000); where a flow or an outlet is solved, a small change of the case can move the solution "
        "across the band, and duty and U change several times",
        "the band's ends of the transition rule", Severity::Doubtful},
    WarningRule {WarningKind::GraetzJump, "graetzJump", "Re < 2300 and low <= Gz <= high", 1, 8,
        "at Gz = 2 the Nusselt number jumps between 3.66 and 1.86 Gz^(1/3) = 2.34: the result can fall when the "
        "flow rises",
        "Sieder and Tate (1936); VDI Heat Atlas G1 eq. 12 has no jump", Severity::Doubtful},
    WarningRule {WarningKind::TurbulentPrandtl, "turbulentPrandtl", "turbulent rule used and Pr outside [low, high]",
        0.7, 16700, "outside the Prandtl range of the data behind the Sieder-Tate turbulent rule",
        "Sieder and Tate (1936); Incropera, Fundamentals of Heat and Mass Transfer, 6th ed., eq. 8.61",
        Severity::Doubtful},
    WarningRule {WarningKind::LengthRatio, "lengthRatio", "turbulent rule used and L/d < low", 10, 0,
        "the Sieder-Tate turbulent rule is for fully developed flow, L/d >= 10",
        "Incropera, Fundamentals of Heat and Mass Transfer, 6th ed., eq. 8.61", Severity::Doubtful},
    WarningRule {WarningKind::ViscosityRatio, "viscosityRatio", "mu/mu_w outside [low, high]", 0.0044, 9.75,
        "outside the range of the viscosity correction (mu/mu_w)^0.14", "Sieder and Tate (1936)", Severity::Doubtful},
    WarningRule {WarningKind::CrossCheck, "crossCheck", "|U_Gnielinski / U - 1| > low %", 20, 0,
        "the two correlations disagree on U by more than the scatter either claims",
        "Gnielinski, Heat Transfer Eng. 30 (2009) 431; VDI Heat Atlas G1, G2", Severity::Doubtful},
    WarningRule {WarningKind::GasDensity, "gasDensity", "density < low kg/m^3: the side is a gas or vapour", 300, 0,
        "separates the shipped vapours (at most 146 kg/m^3) from the liquids (at least 701 kg/m^3)",
        "the shipped fluid tables", Severity::Advice},
    WarningRule {WarningKind::LiquidVelocityTube, "liquidVelocityTube", "liquid in the tube, v outside [low, high] m/s",
        0.5, 3, "slow liquids foul and transfer little heat, fast ones erode the pipe and cost pressure",
        "Sinnott, Coulson and Richardson's Chemical Engineering vol. 6, 4th ed. (2005), chapter 12", Severity::Advice},
    WarningRule {WarningKind::LiquidVelocityAnnulus, "liquidVelocityAnnulus",
        "liquid in the annulus, v outside [low, high] m/s", 0.3, 2,
        "slow liquids foul and transfer little heat, fast ones erode the pipe and cost pressure",
        "Sinnott, Coulson and Richardson's Chemical Engineering vol. 6, 4th ed. (2005), chapter 12", Severity::Advice},
    WarningRule {WarningKind::GasVelocity, "gasVelocity", "gas or vapour, v outside [low, high] m/s", 5, 30,
        "slow gases transfer little heat, fast ones cost pressure and make noise",
        "Sinnott, Coulson and Richardson's Chemical Engineering vol. 6, 4th ed. (2005), chapter 12", Severity::Advice},
    WarningRule {WarningKind::GasPressureDrop, "gasPressureDrop",
        "gas or vapour, pressure drop > low % of the absolute pressure", 10, 0,
        "the side's table is taken at one pressure; a larger drop changes density and velocity along the pipe",
        "Darby, Chemical Engineering Fluid Mechanics, 2nd ed. (2001), ch. 9 (compressible flow)", Severity::Doubtful},
    WarningRule {WarningKind::LiquidPressureDrop, "liquidPressureDrop", "liquid, pressure drop > low kPa", 50, 0,
        "above the usual allowance for a liquid side of about 0.5 bar",
        "Sinnott, Coulson and Richardson's Chemical Engineering vol. 6, 4th ed. (2005), chapter 12", Severity::Advice},
    WarningRule {WarningKind::TableRange, "tableRange",
        "an outlet, mean or wall temperature outside the side's table block", 0, 0,
        "the lookups extrapolate along the table's first segment there, or hold the wall viscosity at an end",
        "the fluid's table", Severity::Doubtful},
    WarningRule {WarningKind::CloseApproach, "closeApproach", "smallest end temperature difference < low K", 3, 0,
        "a small approach needs a large surface and reacts strongly to any error in U",
        "Sinnott, Coulson and Richardson's Chemical Engineering vol. 6, 4th ed. (2005), chapter 12", Severity::Advice},
    WarningRule {WarningKind::TemperatureCross, "temperatureCross", "an end temperature difference <= low K", 0, 0,
        "the cold stream would be as hot as the hot stream somewhere: the solution is not physical", "energy balance",
        Severity::Impossible},
    WarningRule {WarningKind::LaminarAnnulusFriction, "laminarAnnulusFriction", "annulus Re < 2300: f = 64/Re", 2300, 0,
        "a concentric annulus has f Re = 64 (1 - a)^2 / (1 + a^2 + (1 - a^2) / ln a), 64 to 96: its pressure drop "
        "is underestimated",
        "Shah and London, Laminar Flow Forced Convection in Ducts (1978); White, Viscous Fluid Flow, 3rd ed. (2006), "
        "section 3-3",
        Severity::Doubtful},
    WarningRule {WarningKind::PressureDropBeyondPressure, "pressureDropBeyondPressure",
        "pressure drop >= low % of the side's absolute pressure", 100, 0,
        "a side cannot lose more pressure than it has: the flow the case asks for cannot pass the pipe",
        "momentum balance; 1 bar = 100 kPa", Severity::Impossible},
    WarningRule {WarningKind::SpeedOfSound, "speedOfSound",
        "gas or vapour, v >= low x the isothermal speed of sound sqrt(p/rho)", 1, 0,
        "a gas flowing steadily in a pipe of constant section chokes before it reaches this velocity, so the "
        "result cannot happen",
        "Shapiro, The Dynamics and Thermodynamics of Compressible Fluid Flow (1953), ch. 6; Darby, Chemical "
        "Engineering Fluid Mechanics, 2nd ed. (2001), ch. 9",
        Severity::Impossible},
};

constexpr bool inKindOrder()
{
    for (std::size_t i = 0; i < kRules.size(); ++i) {
        if (static_cast<std::size_t>(kRules[i].kind) != i)
            return false;
    }
    return kRules.size() == kWarningKindCount;
}
static_assert(inKindOrder(), "the rules are listed in the order of WarningKind");

} // namespace

std::span<const WarningRule> warningRules() { return kRules; }

std::string_view severityName(Severity severity)
{
    switch (severity) {
    case Severity::Advice:
        return "advice";
    case Severity::Doubtful:
        return "doubtful";
    case Severity::Impossible:
        break;
    }
    return "impossible";
}

const WarningRule& warningRule(WarningKind kind) { return kRules[static_cast<std::size_t>(kind)]; }

} // namespace vorlan
