#include "analysis/analysistext.h"

#include "analysis/numberformat.h"

namespace vorlan {

namespace {

/** A row of one figure, the exchanger's, with the unit of what it measures. */
DetailRow valueRow(std::string caption, double value, Measure q)
{
    return {std::move(caption), std::string(unitOf(q)), figure(value, q), ""};
}

/** A row of the internal and the external side's figures of one measure. */
DetailRow sidesRow(std::string caption, double internal, double external, Measure q)
{
    return {std::move(caption), std::string(unitOf(q)), figure(internal, q), figure(external, q)};
}

DetailSection sidesSection(const CaseAnalysis& a)
{
    DetailSection s {"Film coefficients and flow", true, {}, a.detailsMissing};
    if (!a.details)
        return s;
    const SideDetails& i = a.details->internal;
    const SideDetails& e = a.details->external;
    const auto row = [&s](std::string caption, Measure q, double in, double es) {
        s.rows.push_back(sidesRow(std::move(caption), in, es, q));
    };
    const auto words = [&s](std::string caption, std::string in, std::string es) {
        s.rows.push_back({std::move(caption), "", std::move(in), std::move(es)});
    };
    row("Bulk temperature", Measure::Temperature, i.tm, e.tm);
    row("Reynolds number", Measure::Number, i.Re, e.Re);
    row("Prandtl number", Measure::Number, i.Pr, e.Pr);
    row("Graetz number", Measure::Number, i.Gz, e.Gz);
    words("Flow regime", regimeName(i.regime), regimeName(e.regime));
    words("Nusselt rule", branchName(i.branch), branchName(e.branch));
    row("Nusselt number", Measure::Number, i.Nu, e.Nu);
    row("Film coefficient", Measure::Coefficient, i.h, e.h);
    row("Film coefficient, outside surface", Measure::Coefficient, i.hOutside, e.hOutside);
    row("Wall temperature", Measure::Temperature, i.wallTemperature, e.wallTemperature);
    row("Viscosity ratio mu/mu_w", Measure::Number, i.viscosityRatio, e.viscosityRatio);
    row("Velocity", Measure::Velocity, i.velocity, e.velocity);
    row("Friction factor (Darcy)", Measure::Number, i.frictionFactor, e.frictionFactor);
    row("Pressure drop", Measure::PressureDrop, i.pressureDrop, e.pressureDrop);
    return s;
}

DetailSection resistanceSection(const CaseAnalysis& a)
{
    DetailSection s {"Thermal resistances (outside surface)", false, {}, a.detailsMissing};
    if (!a.details)
        return s;
    const Resistances& r = a.details->resistances;
    const double total = r.total();
    const auto share = [&s, total](const char* caption, double value) {
        s.rows.push_back(
            {caption, "%", figure(value / total * 100, Measure::Percent), withUnit(value, Measure::Fouling)});
    };
    share("Inside film", r.internalFilm);
    share("Wall", r.wall);
    share("Outside film", r.externalFilm);
    share("Inside fouling", r.internalFouling);
    share("Outside fouling", r.externalFouling);
    s.rows.push_back(valueRow("Clean U (no fouling)", r.cleanU, Measure::Coefficient));
    s.rows.push_back(valueRow("U from the resistances", r.U, Measure::Coefficient));
    if (a.solved)
        s.rows.push_back(valueRow("U of the solution", a.solved->record.U, Measure::Coefficient));
    return s;
}

DetailSection effectivenessSection(const CaseAnalysis& a)
{
    DetailSection s {"Effectiveness-NTU", false, {}, a.effectivenessMissing};
    if (!a.effectiveness)
        return s;
    const EffectivenessCheck& e = *a.effectiveness;
    s.rows = {
        valueRow("LMTD", e.lmtd, Measure::TemperatureDifference),
        valueRow("Heat-capacity rate, internal", e.cInt, Measure::HeatCapacityRate),
        valueRow("Heat-capacity rate, external", e.cEst, Measure::HeatCapacityRate),
        valueRow("Cmin/Cmax", e.cr, Measure::Number),
        valueRow("NTU", e.ntu, Measure::Number),
        valueRow("Effectiveness", e.effectiveness, Measure::Number),
        valueRow("Duty by effectiveness-NTU", e.dutyNtu, Measure::Duty),
        valueRow("Duty of the solution", e.dutySolved, Measure::Duty),
    };
    return s;
}

DetailSection crossCheckSection(const CaseAnalysis& a)
{
    DetailSection s {"Cross-check: Gnielinski (VDI Heat Atlas G1, G2)", true, {}, a.crossCheckMissing};
    if (!a.crossCheck)
        return s;
    const CrossCheck& c = *a.crossCheck;
    s.rows = {
        sidesRow("Nusselt number", c.nuInt, c.nuEst, Measure::Number),
        sidesRow("Film coefficient", c.hInt, c.hEst, Measure::Coefficient),
        valueRow("U, Gnielinski", c.U, Measure::Coefficient),
        valueRow("U, Sieder-Tate", c.uSiederTate, Measure::Coefficient),
        valueRow("Spread", c.spread, Measure::Percent),
    };
    return s;
}

DetailSection profileSection(const CaseAnalysis& a)
{
    DetailSection s {"Temperature profile", false, {}, a.profileMissing};
    if (!a.profile)
        return s;
    const Profile& p = *a.profile;
    s.rows.push_back({"Segments", "", std::to_string(p.points.size() - 1), ""});
    s.rows.push_back(valueRow("Marched hot outlet minus solved", p.hotOutletMiss, Measure::TemperatureDifference));
    s.rows.push_back(valueRow("Marched cold end minus solved", p.coldEndMiss, Measure::TemperatureDifference));
    s.rows.push_back(valueRow("Marched duty", p.duty, Measure::Duty));
    return s;
}

DetailSection hairpinSection(const CaseAnalysis& a)
{
    DetailSection s {"Hairpins", false, {}, a.hairpinsMissing};
    if (a.hairpins)
        s.rows = hairpinRows(*a.hairpins);
    return s;
}

DetailSection returnBendSection(const CaseAnalysis& a)
{
    DetailSection s {"Return bends", true, {}, a.hairpinsMissing};
    if (a.hairpins)
        s.rows = returnBendRows(*a.hairpins);
    return s;
}

} // namespace

std::vector<DetailRow> hairpinRows(const HairpinLayout& h)
{
    return {
        valueRow("Leg length", h.legLength, Measure::Length),
        {"Hairpins", "", std::to_string(h.hairpins), ""},
        valueRow("Installed length", h.installedLength, Measure::Length),
        valueRow("Installed surface", h.installedSurface, Measure::Surface),
        valueRow("Excess over the required surface", h.excess, Measure::Percent),
        valueRow("Fouling the excess allows (Kern)", h.allowedFouling, Measure::Fouling),
    };
}

std::vector<DetailRow> returnBendRows(const HairpinLayout& h)
{
    return {
        {"Return bends", "", std::to_string(h.internal.count), std::to_string(h.external.count)},
        sidesRow("K of a bend (Darby 3-K)", h.internal.K, h.external.K, Measure::Number),
        sidesRow("Pressure drop of the bends", h.internal.pressureDrop, h.external.pressureDrop, Measure::PressureDrop),
    };
}

std::string regimeName(FlowRegime regime)
{
    switch (regime) {
    case FlowRegime::Laminar:
        return "laminar";
    case FlowRegime::Transition:
        return "transition";
    case FlowRegime::Turbulent:
        return "turbulent";
    }
    return {};
}

std::string branchName(NusseltBranch branch)
{
    switch (branch) {
    case NusseltBranch::FullyDeveloped:
        return "laminar fully developed, 3.66";
    case NusseltBranch::LaminarEntry:
        return "laminar entry, 1.86 Gz^(1/3)";
    case NusseltBranch::Transition:
        return "transition blend";
    case NusseltBranch::Turbulent:
        return "turbulent, 0.027 Re^0.8 Pr^(1/3)";
    }
    return {};
}

std::vector<DetailSection> detailSections(const CaseAnalysis& analysis)
{
    return {sidesSection(analysis), resistanceSection(analysis), effectivenessSection(analysis),
        crossCheckSection(analysis), profileSection(analysis), hairpinSection(analysis), returnBendSection(analysis)};
}

namespace {

constexpr char kNoWarnings[] = "No warnings: every check of the solved case passed.";

} // namespace

std::string warningsSummary(const std::vector<Warning>& warnings)
{
    const Warning* first = mostSevere(warnings);
    if (first == nullptr)
        return kNoWarnings;
    if (warnings.size() == 1)
        return "1 warning: " + first->text;
    return std::to_string(warnings.size()) + " warnings, the most severe: " + first->text;
}

std::vector<std::string> warningLines(const CaseAnalysis& analysis)
{
    std::vector<std::string> lines;
    for (const Warning& warning : analysis.warnings)
        lines.push_back(warning.text);
    if (lines.empty())
        lines.push_back(kNoWarnings);
    return lines;
}

std::string notAvailable(const std::string& reason) { return "not available: " + reason; }

} // namespace vorlan
