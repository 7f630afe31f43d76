#include "analysis/analysistext.h"

#include "analysis/numberformat.h"

namespace vorlan {

namespace {

DetailSection sidesSection(const CaseAnalysis& a)
{
    DetailSection s {"Film coefficients and flow", true, {}, a.detailsMissing};
    if (!a.details)
        return s;
    const SideDetails& i = a.details->internal;
    const SideDetails& e = a.details->external;
    const auto row = [&s](std::string caption, std::string unit, std::string in, std::string es) {
        s.rows.push_back({std::move(caption), std::move(unit), std::move(in), std::move(es)});
    };
    row("Bulk temperature", "°C", figure(i.tm, 6), figure(e.tm, 6));
    row("Reynolds number", "", figure(i.Re, 5), figure(e.Re, 5));
    row("Prandtl number", "", figure(i.Pr), figure(e.Pr));
    row("Graetz number", "", figure(i.Gz), figure(e.Gz));
    row("Flow regime", "", regimeName(i.regime), regimeName(e.regime));
    row("Nusselt rule", "", branchName(i.branch), branchName(e.branch));
    row("Nusselt number", "", figure(i.Nu), figure(e.Nu));
    row("Film coefficient", "W/(m² K)", figure(i.h), figure(e.h));
    row("Film coefficient, outside surface", "W/(m² K)", figure(i.hOutside), figure(e.hOutside));
    row("Wall temperature", "°C", figure(i.wallTemperature, 6), figure(e.wallTemperature, 6));
    row("Viscosity ratio mu/mu_w", "", figure(i.viscosityRatio), figure(e.viscosityRatio));
    row("Velocity", "m/s", figure(i.velocity), figure(e.velocity));
    row("Friction factor (Darcy)", "", figure(i.frictionFactor), figure(e.frictionFactor));
    row("Pressure drop", "kPa", figure(i.pressureDrop), figure(e.pressureDrop));
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
        s.rows.push_back({caption, "%", figure(value / total * 100, 3), figure(value, 3) + " (m² K)/W"});
    };
    share("Inside film", r.internalFilm);
    share("Wall", r.wall);
    share("Outside film", r.externalFilm);
    share("Inside fouling", r.internalFouling);
    share("Outside fouling", r.externalFouling);
    s.rows.push_back({"Clean U (no fouling)", "W/(m² K)", figure(r.cleanU), ""});
    s.rows.push_back({"U from the resistances", "W/(m² K)", figure(r.U), ""});
    if (a.solved)
        s.rows.push_back({"U of the solution", "W/(m² K)", figure(a.solved->record.U), ""});
    return s;
}

DetailSection effectivenessSection(const CaseAnalysis& a)
{
    DetailSection s {"Effectiveness-NTU", false, {}, a.effectivenessMissing};
    if (!a.effectiveness)
        return s;
    const EffectivenessCheck& e = *a.effectiveness;
    const auto row = [&s](const char* caption, const char* unit, std::string value) {
        s.rows.push_back({caption, unit, std::move(value), ""});
    };
    row("LMTD", "K", figure(e.lmtd));
    row("Heat-capacity rate, internal", "kW/K", figure(e.cInt));
    row("Heat-capacity rate, external", "kW/K", figure(e.cEst));
    row("Cmin/Cmax", "", figure(e.cr));
    row("NTU", "", figure(e.ntu));
    row("Effectiveness", "", figure(e.effectiveness));
    row("Duty by effectiveness-NTU", "kW", figure(e.dutyNtu, 6));
    row("Duty of the solution", "kW", figure(e.dutySolved, 6));
    return s;
}

DetailSection crossCheckSection(const CaseAnalysis& a)
{
    DetailSection s {"Cross-check: Gnielinski (VDI Heat Atlas G1, G2)", true, {}, a.crossCheckMissing};
    if (!a.crossCheck)
        return s;
    const CrossCheck& c = *a.crossCheck;
    s.rows.push_back({"Nusselt number", "", figure(c.nuInt), figure(c.nuEst)});
    s.rows.push_back({"Film coefficient", "W/(m² K)", figure(c.hInt), figure(c.hEst)});
    s.rows.push_back({"U, Gnielinski", "W/(m² K)", figure(c.U), ""});
    s.rows.push_back({"U, Sieder-Tate", "W/(m² K)", figure(c.uSiederTate), ""});
    s.rows.push_back({"Spread", "%", figure(c.spread, 3), ""});
    return s;
}

DetailSection profileSection(const CaseAnalysis& a)
{
    DetailSection s {"Temperature profile", false, {}, a.profileMissing};
    if (!a.profile)
        return s;
    const Profile& p = *a.profile;
    s.rows.push_back({"Segments", "", std::to_string(p.points.size() - 1), ""});
    s.rows.push_back({"Marched hot outlet minus solved", "K", figure(p.hotOutletMiss, 3), ""});
    s.rows.push_back({"Marched cold end minus solved", "K", figure(p.coldEndMiss, 3), ""});
    s.rows.push_back({"Marched duty", "kW", figure(p.duty, 6), ""});
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
        {"Leg length", "m", figure(h.legLength), ""},
        {"Hairpins", "", std::to_string(h.hairpins), ""},
        {"Installed length", "m", figure(h.installedLength), ""},
        {"Installed surface", "m²", figure(h.installedSurface), ""},
        {"Excess over the required surface", "%", figure(h.excess, 3), ""},
        {"Fouling the excess allows (Kern)", "(m² K)/W", figure(h.allowedFouling, 3), ""},
    };
}

std::vector<DetailRow> returnBendRows(const HairpinLayout& h)
{
    return {
        {"Return bends", "", std::to_string(h.internal.count), std::to_string(h.external.count)},
        {"K of a bend (Darby 3-K)", "", figure(h.internal.K), figure(h.external.K)},
        {"Pressure drop of the bends", "kPa", figure(h.internal.pressureDrop), figure(h.external.pressureDrop)},
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
