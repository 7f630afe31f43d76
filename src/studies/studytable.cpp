#include "studies/studytable.h"

#include "analysis/caseanalysis.h"
#include "platform/numbertext.h"

namespace vorlan {

const std::vector<StudyColumn>& studyColumns()
{
    static const std::vector<StudyColumn> columns = {
        {"Duty [kW]", [](const ResultRecord& r) { return double(r.q); }},
        {"Internal outlet [°C]", [](const ResultRecord& r) { return r.intTout; }},
        {"External outlet [°C]", [](const ResultRecord& r) { return r.estTout; }},
        {"Internal flow [kg/s]", [](const ResultRecord& r) { return double(r.intPort); }},
        {"External flow [kg/s]", [](const ResultRecord& r) { return double(r.estPort); }},
        {"Internal ΔP [kPa]", [](const ResultRecord& r) { return double(r.intDeltaP); }},
        {"External ΔP [kPa]", [](const ResultRecord& r) { return double(r.estDeltaP); }},
        {"U [W/(m² K)]", [](const ResultRecord& r) { return double(r.U); }},
        {"Length [m]", [](const ResultRecord& r) { return double(r.L); }},
    };
    return columns;
}

PointWarnings pointWarnings(const SweepPoint& point, const Exchanger& solver)
{
    const ResultRecord* record = pointRecord(point);
    if (record == nullptr)
        return {};
    const std::vector<Warning> warnings = analyseCase(*record, solver, 0).warnings;
    const Warning* worst = mostSevere(warnings);
    return {static_cast<int>(warnings.size()), worst != nullptr && severityOf(*worst) == Severity::Impossible};
}

std::string warningsCell(const PointWarnings& warnings)
{
    if (warnings.count < 0)
        return {};
    return std::to_string(warnings.count) + (warnings.impossible ? ", physically impossible" : "");
}

namespace {

// A cell holding ';', a quote or a line break is quoted, its quotes doubled.
std::string cell(const std::string& text)
{
    if (text.find_first_of(";\"\n\r") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

} // namespace

std::string studyCsv(Box swept, const std::vector<StudyRow>& rows)
{
    std::string csv = cell(std::string(labelOf(swept)));
    for (const StudyColumn& column : studyColumns())
        csv += ';' + cell(column.heading);
    csv += ";Warnings;Message\n";
    for (const StudyRow& row : rows) {
        csv += cell(row.point.text);
        const ResultRecord* record = pointRecord(row.point);
        for (const StudyColumn& column : studyColumns())
            csv += ';' + (record ? numberToText(static_cast<float>(column.value(*record))) : std::string());
        csv += ';' + cell(warningsCell(row.warnings));
        csv += ';' + cell(pointMessage(row.point)) + '\n';
    }
    return csv;
}

} // namespace vorlan
