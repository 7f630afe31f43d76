#include "ui/casereport.h"

#include <QPagedPaintDevice>
#include <QPdfDocument>
#include <QPdfWriter>
#include <QString>
#include <QTemporaryFile>
#include <QTextDocument>
#include <iterator>

#include "analysis/analysistext.h"
#include "ui/analysisreport.h"
#include "ui/resultdisplay.h"
#include "ui/windowtext.h"

namespace vorlan {

namespace {

QString row(const QString& caption, const QString& unit, const QString& internal, const QString& external = {})
{
    return "<tr><td>" + caption + "</td><td>" + unit + "</td><td>" + internal + "</td><td>" + external + "</td></tr>";
}

QString caseReportHtml(const CaseContents& contents, const PipeNames& pipes, const std::optional<ResultRecord>& results,
    const CaseAnalysis* analysis, const QString& banner)
{
    const auto typed = [&contents](Quantity quantity) { return escaped(contents.text(quantity)); };
    // A derived value is calculated only beside the results of this very case; without them it
    // was calculated for an earlier state of the case, as the main window's stale marks say.
    bool stalePrinted = false;
    const auto marked = [&](Quantity quantity, bool isGiven) {
        const QString text = typed(quantity);
        if (isGiven)
            return text + " (given)";
        if (results)
            return text + " (calculated)";
        if (text.isEmpty())
            return text;
        stalePrinted = true;
        return text + " (stale)";
    };

    QString html = "<h2>Vorlan - double-pipe heat exchanger</h2><h3>Case</h3>"
                   "<table cellspacing='0' cellpadding='3' border='1'>"
                   "<tr><th></th><th></th><th>INTERNAL PIPE</th><th>EXTERNAL PIPE</th></tr>";
    html += row(
        "Outside diameter", "mm", typed(Quantity::InternalOutsideDiameter), typed(Quantity::ExternalOutsideDiameter));
    html += row("Thickness", "mm", typed(Quantity::InternalThickness), typed(Quantity::ExternalThickness));
    if (!pipes.empty())
        html += row("Standard pipe", "", escaped(standardPipeOrNone(pipes.internal)),
            escaped(standardPipeOrNone(pipes.external)));
    html += row("Material", "", typed(Quantity::Material));
    html += row("Fluid", "", typed(Quantity::InternalFluid), typed(Quantity::ExternalFluid));
    html += row("Pressure", "bar", typed(Quantity::InternalPressure), typed(Quantity::ExternalPressure));
    html += row(
        "Inlet temp.", "°C", typed(Quantity::InternalInletTemperature), typed(Quantity::ExternalInletTemperature));
    html += row("Outlet temp.", "°C", marked(Quantity::InternalOutletTemperature, contents.internalOutletGiven),
        marked(Quantity::ExternalOutletTemperature, contents.externalOutletGiven));
    html += row("Mass flow", "kg/s", marked(Quantity::InternalMassFlow, !contents.internalOutletGiven),
        marked(Quantity::ExternalMassFlow, !contents.externalOutletGiven));
    html += row("Fouling factor", "(m^2 K)/W", typed(Quantity::InternalFouling), typed(Quantity::ExternalFouling));
    html += row("Lenght", "m", marked(Quantity::Length, contents.lengthGiven));
    html += row("Capacity", "kW", marked(Quantity::Capacity, !contents.lengthGiven));
    html += row("Configuration", "", contents.counterCurrent ? "Countercurrent" : "Equicurrent");
    html += "</table>";

    if (!results) {
        html += "<p>No results: the case has not been calculated.</p>";
        if (stalePrinted)
            html += "<p>Values marked (stale) were calculated for an earlier state of the case.</p>";
        return html;
    }
    std::map<std::string, QString> shown;
    for (const auto& [box, text] : resultTexts(*results))
        shown[box] = escaped(text);
    html += "<h3>Results</h3><table cellspacing='0' cellpadding='3' border='1'>"
            "<tr><th></th><th></th><th>INTERNAL PIPE</th><th>EXTERNAL PIPE</th></tr>";
    html += row("Outside diameter", "mm", shown["Text1"], shown["Text2"]);
    html += row("Thickness", "mm", shown["Text3"], shown["Text4"]);
    html += row("Material", "", shown["Text5"]);
    html += row("Fluid", "", shown["Text7"], shown["Text8"]);
    html += row("Pressure", "bar", shown["Text9"], shown["Text10"]);
    html += row("Temp in", "°C", shown["Text11"], shown["Text12"]);
    html += row("Temp out", "°C", shown["Text13"], shown["Text14"]);
    html += row("Mass flow", "kg/s", shown["Text15"], shown["Text16"]);
    html += row("Velocity", "m/s", shown["Text17"], shown["Text18"]);
    html += row("Pressure drop", "kPa", shown["Text19"], shown["Text20"]);
    html += row("Fouling factor", "(m^2 K)/W", shown["Text21"], shown["Text22"]);
    html += row("Reynolds number", "", shown["Text28"], shown["Text6"]);
    html += row("<b>Capacity</b>", "kW", "<b>" + shown["Text23"] + "</b>");
    html += row("Surface", "m^2", shown["Text24"]);
    html += row("Lenght", "m", shown["Text25"]);
    html += row("Heat transfer coefficient", "W/(m^2 K)", shown["Text26"]);
    html += row("Configuration", "", shown["Text27"]);
    html += "</table>";
    if (!banner.isEmpty())
        html += "<p><b>" + banner.toHtmlEscaped() + "</b></p>";
    if (analysis != nullptr)
        html += "<p>" + escaped(warningsSummary(analysis->warnings)) + "</p>";
    return html;
}

/** The pages the document takes when printed on the device: printed on a scratch PDF of its layout. */
int pagesOnDevice(const QTextDocument& document, const QPagedPaintDevice& device)
{
    QTemporaryFile scratch;
    if (!scratch.open())
        return 1; // no scratch file: print as it is
    scratch.close();
    {
        QPdfWriter writer(scratch.fileName());
        writer.setPageLayout(device.pageLayout());
        writer.setResolution(device.logicalDpiY());
        document.print(&writer);
    }
    QPdfDocument pdf;
    return pdf.load(scratch.fileName()) == QPdfDocument::Error::None ? pdf.pageCount() : 1;
}

} // namespace

int printCaseReport(QPagedPaintDevice* device, const CaseContents& contents, const PipeNames& pipes,
    const std::optional<ResultRecord>& results, const CaseAnalysis* analysis, const QString& banner)
{
    const auto report = [&](QTextDocument& document, int pictureHeight) {
        document.setDefaultFont(QFont("Liberation Sans", 9));
        document.setHtml(caseReportHtml(contents, pipes, results, analysis, banner));
        appendAnalysisReport(document, results ? analysis : nullptr, pictureHeight);
    };
    // The case with its results on one page and their analysis on the second: a long list of
    // warnings makes the profile picture smaller until both pages hold everything.
    for (const int height : kProfilePictureHeights) {
        QTextDocument document;
        report(document, height);
        if (height == std::end(kProfilePictureHeights)[-1] || pagesOnDevice(document, *device) <= 2) {
            document.print(device);
            return height;
        }
    }
    return 0; // not reached: the last height is always printed
}

} // namespace vorlan
