#include "batchanalysis.h"

#include <exception>
#include <nlohmann/json.hpp>
#include <optional>

#include "analysis/analysistext.h"
#include "analysis/caseanalysis.h"
#include "batchreport.h"

namespace vorlan {

namespace {

using nlohmann::json;

json missing(const std::string& reason) { return {{"available", false}, {"reason", reason}}; }

json sideJson(const SideDetails& d)
{
    return {{"bulkTemperature", d.tm}, {"density", d.rho}, {"specificHeat", d.cp}, {"conductivity", d.k},
        {"viscosity", d.mu}, {"reynolds", d.Re}, {"prandtl", d.Pr}, {"graetz", d.Gz}, {"regime", regimeName(d.regime)},
        {"nusseltRule", branchName(d.branch)}, {"nusselt", d.Nu}, {"filmCoefficient", d.h},
        {"filmCoefficientOutsideSurface", d.hOutside}, {"wallTemperature", d.wallTemperature},
        {"viscosityRatio", d.viscosityRatio}, {"velocity", d.velocity}, {"frictionFactor", d.frictionFactor},
        {"pressureDrop", d.pressureDrop}};
}

json detailsJson(const CaseAnalysis& a)
{
    json details;
    if (a.details) {
        const Resistances& r = a.details->resistances;
        const double total = r.total();
        details["internal"] = sideJson(a.details->internal);
        details["external"] = sideJson(a.details->external);
        details["resistances"] = {{"internalFilm", r.internalFilm}, {"wall", r.wall}, {"externalFilm", r.externalFilm},
            {"internalFouling", r.internalFouling}, {"externalFouling", r.externalFouling}, {"cleanU", r.cleanU},
            {"U", r.U}};
        details["shares"] = {{"internalFilm", r.internalFilm / total * 100}, {"wall", r.wall / total * 100},
            {"externalFilm", r.externalFilm / total * 100}, {"internalFouling", r.internalFouling / total * 100},
            {"externalFouling", r.externalFouling / total * 100}};
    } else {
        details["internal"] = details["external"] = details["resistances"] = missing(a.detailsMissing);
    }
    if (a.effectiveness) {
        const EffectivenessCheck& e = *a.effectiveness;
        details["effectiveness"] = {{"logMeanTemperatureDifference", e.lmtd}, {"internalCapacityRate", e.cInt},
            {"externalCapacityRate", e.cEst}, {"smallerCapacityRate", e.cMin}, {"largerCapacityRate", e.cMax},
            {"capacityRatio", e.cr}, {"numberOfTransferUnits", e.ntu}, {"effectiveness", e.effectiveness},
            {"effectivenessDuty", e.dutyNtu}, {"solvedDuty", e.dutySolved}};
    } else {
        details["effectiveness"] = missing(a.effectivenessMissing);
    }
    if (a.profile)
        details["profileEnds"] = {{"hotOutletMiss", a.profile->hotOutletMiss}, {"coldEndMiss", a.profile->coldEndMiss},
            {"duty", a.profile->duty}};
    return details;
}

json crossCheckJson(const CaseAnalysis& a)
{
    if (!a.crossCheck)
        return missing(a.crossCheckMissing);
    const CrossCheck& c = *a.crossCheck;
    return {{"internalNusselt", c.nuInt}, {"externalNusselt", c.nuEst}, {"internalFilmCoefficient", c.hInt},
        {"externalFilmCoefficient", c.hEst}, {"U", c.U}, {"siederTateU", c.uSiederTate}, {"spread", c.spread}};
}

json bendsJson(const ReturnBends& b)
{
    return {{"count", b.count}, {"lossCoefficient", b.K}, {"pressureDrop", b.pressureDrop}};
}

json hairpinsJson(const CaseAnalysis& a, double legLength)
{
    std::optional<HairpinLayout> layout = a.hairpins;
    std::string reason = a.hairpinsMissing;
    if (a.details && legLength != kDefaultLegLength) {
        try {
            layout = hairpinLayout(a.solved->record, *a.details, legLength);
        } catch (const std::exception& error) {
            layout.reset();
            reason = error.what();
        }
    }
    if (!layout)
        return missing(reason);
    const HairpinLayout& h = *layout;
    return {{"legLength", h.legLength}, {"hairpins", h.hairpins}, {"installedLength", h.installedLength},
        {"installedSurface", h.installedSurface}, {"excess", h.excess}, {"designU", h.designU},
        {"allowedFouling", h.allowedFouling}, {"internalBends", bendsJson(h.internal)},
        {"externalBends", bendsJson(h.external)}};
}

} // namespace

std::vector<std::pair<std::string, std::string>> analysisKeys(
    const CalcOutcome& outcome, int profileSegments, double legLength)
{
    if (!outcome.solution)
        return {};
    const CaseAnalysis a = analyseCase(*outcome.solution, profileSegments);
    json warnings = json::array();
    for (const Warning& warning : a.warnings)
        warnings.push_back({{"rule", warningRule(warning.kind).name}, {"severity", severityName(severityOf(warning))},
            {"text", warning.text}});
    std::vector<std::pair<std::string, std::string>> keys {{"details", jsonText(detailsJson(a))},
        {"crossCheck", jsonText(crossCheckJson(a))}, {"warnings", jsonText(warnings)},
        {"hairpins", jsonText(hairpinsJson(a, legLength))}};
    if (profileSegments > 0) {
        json profile = json::array();
        if (a.profile) {
            for (const ProfilePoint& p : a.profile->points)
                profile.push_back({{"position", p.x}, {"hotTemperature", p.tHot}, {"coldTemperature", p.tCold},
                    {"wallTemperature", p.tWall}});
            keys.emplace_back("profile", jsonText(profile));
        } else {
            keys.emplace_back("profile", jsonText(missing(a.profileMissing)));
        }
    }
    return keys;
}

} // namespace vorlan
