#include "ui/analysishtml.h"

#include <algorithm>

#include "analysis/analysistext.h"
#include "ui/windowtext.h"

namespace vorlan {

QString sectionHtml(const DetailSection& section, bool titled)
{
    QString html = titled ? "<h4>" + escaped(section.title) + "</h4>" : QString();
    if (section.rows.empty())
        return html + "<p>" + escaped(notAvailable(section.missing)) + "</p>";
    html += "<table cellspacing='0' cellpadding='2' border='1'>";
    if (section.perSide)
        html += "<tr><th></th><th></th><th>INTERNAL PIPE</th><th>EXTERNAL PIPE</th></tr>";
    const bool secondColumn = std::any_of(
        section.rows.begin(), section.rows.end(), [](const DetailRow& row) { return !row.external.empty(); });
    for (const DetailRow& row : section.rows) {
        html += "<tr><td>" + escaped(row.caption) + "</td><td>" + escaped(row.unit) + "</td><td align='right'>"
            + escaped(row.internal) + "</td>";
        if (secondColumn)
            html += "<td align='right'>" + escaped(row.external) + "</td>";
        html += "</tr>";
    }
    return html + "</table>";
}

QString warningsHtml(const CaseAnalysis& analysis)
{
    QString html = "<h4>Warnings</h4><ul>";
    for (const std::string& line : warningLines(analysis))
        html += "<li>" + escaped(line) + "</li>";
    return html + "</ul>";
}

QString analysisHtml(const CaseAnalysis* analysis, const PipeNames& pipes)
{
    if (analysis == nullptr)
        return "<p>No case has been calculated yet: press Calculate in the main window.</p>";
    QString html;
    if (!pipes.empty())
        html += sectionHtml({"Standard pipes", true,
            {{"Standard pipe", "", standardPipeOrNone(pipes.internal), standardPipeOrNone(pipes.external)}}, ""});
    for (const DetailSection& section : detailSections(*analysis))
        html += sectionHtml(section);
    return html + warningsHtml(*analysis);
}

} // namespace vorlan
