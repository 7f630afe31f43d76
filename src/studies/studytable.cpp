#include "studies/studytable.h"

#include "analysis/caseanalysis.h"
#include "analysis/numberformat.h"
#include "platform/numbertext.h"

namespace vorlan {

const std::vector<StudyColumn>& studyColumns()
{
    static const std::vector<StudyColumn> columns = {
        {"Duty", Measure::Duty, [](const ResultRecord& r) { return double(r.q); }},
        {"Internal outlet", Measure::Temperature, [](const ResultRecord& r) { return r.intTout; }},
        {"External outlet", Measure::Temperature, [](const ResultRecord& r) { return r.estTout; }},
        {"Internal flow", Measure::MassFlow, [](const ResultRecord& r) { return double(r.intPort); }},
        {"External flow", Measure::MassFlow, [](const ResultRecord& r) { return double(r.estPort); }},
        {"Internal pressure drop", Measure::PressureDrop, [](const ResultRecord& r) { return double(r.intDeltaP); }},
        {"External pressure drop", Measure::PressureDrop, [](const ResultRecord& r) { return double(r.estDeltaP); }},
        {"Heat-transfer coefficient", Measure::Coefficient, [](const ResultRecord& r) { return double(r.U); }},
        {"Length", Measure::Length, [](const ResultRecord& r) { return double(r.L); }},
    };
    return columns;
}

std::string StudyColumn::heading() const { return words + " [" + std::string(unitOf(measure)) + "]"; }

PointWarnings pointWarnings(const SweepPoint& point)
{
    const Solution* solution = pointSolution(point);
    if (solution == nullptr)
        return {};
    const std::vector<Warning> warnings = analyseCase(*solution, 0).warnings;
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

constexpr char kUtf8ByteOrderMark[] = "\xEF\xBB\xBF";

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

std::string studyCsv(Quantity swept, const std::vector<StudyRow>& rows)
{
    // The byte-order mark tells a spreadsheet the file is UTF-8, so that "°" and "²" read as such.
    std::string csv = kUtf8ByteOrderMark + cell(std::string(labelOf(swept)));
    for (const StudyColumn& column : studyColumns())
        csv += ';' + cell(column.heading());
    csv += ";Warnings;Message\n";
    for (const StudyRow& row : rows) {
        csv += cell(row.point.text);
        const Solution* solution = pointSolution(row.point);
        for (const StudyColumn& column : studyColumns())
            csv += ';' + (solution ? numberToText(static_cast<float>(column.value(solution->record))) : std::string());
        csv += ';' + cell(warningsCell(row.warnings));
        csv += ';' + cell(pointMessage(row.point)) + '\n';
    }
    return csv;
}

} // namespace vorlan
