#include "ui/fluidinfowindow.h"

#include <QHBoxLayout>
#include <QTextBrowser>
#include <algorithm>

#include "platform/calcerror.h"
#include "platform/numbertext.h"
#include "properties/fluidblocks.h"
#include "properties/fluiddescription.h"
#include "properties/fluidlibrary.h"
#include "properties/fluidlist.h"
#include "properties/fluidname.h"
#include "properties/fluidside.h"
#include "properties/userfluid.h"
#include "ui/fluidinfoplot.h"
#include "ui/windowtext.h"

namespace vorlan {

namespace {

/** Points of each curve across a block. */
constexpr int kCurvePoints = 160;

QString html(std::string_view text) { return fromStd(text).toHtmlEscaped(); }
QString number(float value) { return fromStd(numberToText(value)); }
QString number(double value) { return fromStd(numberToText(value)); }

QString list(const std::vector<std::string>& items)
{
    QString text = "<ul>";
    for (const std::string& item : items)
        text += "<li>" + html(item) + "</li>";
    return text + "</ul>";
}

QString blocksTable(const std::vector<FluidBlock>& blocks)
{
    QString text = "<table border='1' cellspacing='0' cellpadding='3'><tr><th>Pressure [bar]</th><th>From [°C]</th>"
                   "<th>Up to [°C]</th><th>Step [K]</th><th>Rows</th></tr>";
    for (const FluidBlock& block : blocks)
        text += QString("<tr><td align='right'>%1</td><td align='right'>%2</td><td align='right'>%3</td>"
                        "<td align='right'>%4</td><td align='right'>%5</td></tr>")
                    .arg(number(block.pressure), number(block.first), number(block.last),
                        block.step > 0 ? number(block.step) : QString("uneven"))
                    .arg(block.rows);
    return text
        + "</table><p>A block's last temperature is not included: the properties are interpolated "
          "between neighbouring rows, from the first temperature up to the last.</p>";
}

QString sourceSection(const FluidDescription& description)
{
    if (description.file.empty())
        return "<p>No description of the data folder names this fluid.</p>";
    if (!description.error.empty())
        return "<p>The description " + html(description.file) + " cannot be read: " + html(description.error) + "</p>";
    QString text = "<h3>Source</h3>";
    if (!description.origin.empty())
        text += "<p>" + html(description.origin) + "</p>";
    const auto row = [](const char* what, const std::string& model) {
        return QString("<tr><td><b>%1:</b></td><td>%2</td></tr>").arg(what, html(model));
    };
    if (description.densityModel.empty())
        text += "<p>The description names no source for this table.</p>";
    else if (description.viscosityModel == description.densityModel
        && description.conductivityModel == description.densityModel)
        text += "<table cellpadding='2'>" + row("All properties", description.densityModel) + "</table>";
    else
        text += "<table cellpadding='2'>" + row("Density, cp, enthalpy", description.densityModel)
            + row("Viscosity", description.viscosityModel) + row("Conductivity", description.conductivityModel)
            + "</table>";
    text += "<p>As described in " + html(description.file) + " in the data folder.</p>";
    if (!description.phaseLimits.empty())
        text += "<h3>Phase limits</h3>" + list(description.phaseLimits);
    text += "<h3>Known uncertainties</h3>";
    text
        += description.uncertainties.empty() ? "<p>None beyond the checks below.</p>" : list(description.uncertainties);
    if (!description.checks.empty())
        text += "<h3>Checks</h3>";
    for (const FluidCheck& check : description.checks)
        text += "<p>" + html(check.what) + ":</p>" + list(check.findings);
    return text;
}

QString userFluidSection(const std::string& path)
{
    QString text = "<h3>Constant properties</h3>";
    try {
        const std::optional<UserFluid> fluid = readUserFluid(path);
        if (!fluid)
            return text + "<p>Not defined yet: define it under \"Options\".</p>";
        return text
            + QString("<table cellpadding='2'><tr><td>Density [kg/m³]</td><td>%1</td></tr>"
                      "<tr><td>Specific heat Cp [kJ/(kg K)]</td><td>%2</td></tr>"
                      "<tr><td>Conductivity [W/(m K)]</td><td>%3</td></tr>"
                      "<tr><td>Viscosity [Pa s]</td><td>%4</td></tr></table>"
                      "<p>Set under \"Options\"; its table holds them from −100 °C up to 300 °C at 1 bar.</p>")
                  .arg(number(fluid->density), number(fluid->specificHeat), number(fluid->conductivity),
                      number(fluid->viscosity));
    } catch (const CalcError& error) {
        return text + "<p>Cannot be read: " + html(error.what()) + "</p>";
    }
}

/** The block the pressure text selects, as the lookups compare it; null when none. */
const FluidBlock* selectedBlock(const std::vector<FluidBlock>& blocks, const QString& pressureText)
{
    try {
        const float pressure = textToSingle(pressureText.toStdString());
        const auto found = std::find_if(
            blocks.begin(), blocks.end(), [pressure](const FluidBlock& block) { return block.pressure == pressure; });
        return found == blocks.end() ? nullptr : &*found;
    } catch (const CalcError&) {
        return nullptr;
    }
}

/** The properties across the block, from its first temperature up to (not including) its last. */
std::vector<PropertyPoint> curve(FluidSide& side, const FluidBlock& block, const std::string& pressureText)
{
    std::vector<PropertyPoint> points;
    for (int i = 0; i < kCurvePoints; ++i) {
        const double t = block.first + (block.last - block.first) * i / kCurvePoints;
        side.bulkProperties(t, pressureText);
        points.push_back({t, side.Rho, side.Cp, side.K, side.Mu});
    }
    return points;
}

} // namespace

FluidInfoWindow::FluidInfoWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_text(new QTextBrowser(this))
    , m_plot(new FluidPropertyPlot(this))
{
    m_text->setObjectName("fluidText");
    m_text->setMinimumWidth(420);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_plot, 1);
    resize(1060, 660);
}

void FluidInfoWindow::showFluid(const std::string& dataFolder, const std::string& fluid, const QString& pressureText)
{
    setWindowTitle("Fluid information - " + fromStd(fluid));
    QString text = "<h2>" + html(fluid) + "</h2>";
    const std::string_view group = libraryGroupOf(fluid);
    const bool listed = std::find(kFluidNames.begin(), kFluidNames.end(), fluid) != kFluidNames.end();
    text += "<p><b>Group:</b> "
        + (listed               ? QString("the fluids of the lists")
                : group.empty() ? QString("none, not a fluid of the lists")
                                : html(group))
        + "</p>";

    FluidSide side;
    std::vector<FluidBlock> blocks;
    QString unreadable;
    try {
        const std::string path = fluidFilePath(dataFolder, fluid);
        text += "<p><b>Table:</b> " + html(fluid) + ".dat in the data folder</p>";
        if (fluid == kUserDefinedFluid)
            text += userFluidSection(path);
        loadFluidTable(side.Tab, path);
        blocks = fluidBlocks(side.Tab);
    } catch (const CalcError& error) {
        unreadable = fromStd(error.what());
    }
    if (unreadable.isEmpty()) {
        text += "<p><b>Phase:</b> " + html(tablePhase(side.Tab)) + ", one phase only";
        if (const std::string other = companionTable(fluid); !other.empty())
            text += "; the other phase is the table \"" + html(other) + "\"";
        text += QString(".</p><h3>Pressure blocks (%1 rows)</h3>").arg(side.Tab.T.size()) + blocksTable(blocks);
    } else {
        text += "<p><b>The table cannot be read:</b> " + unreadable.toHtmlEscaped() + "</p>";
    }
    if (fluid != kUserDefinedFluid)
        text += sourceSection(readFluidDescription(dataFolder, fluid));
    m_text->setHtml(text);

    if (!unreadable.isEmpty()) {
        m_plot->setPoints({}, {}, "No properties to plot: the table cannot be read.");
        return;
    }
    // An empty pressure box shows the first block; another pressure only one the table has.
    const QString pressure = pressureText.trimmed().isEmpty() ? number(blocks.front().pressure) : pressureText;
    const FluidBlock* block = selectedBlock(blocks, pressure);
    if (block == nullptr) {
        QStringList pressures;
        for (const FluidBlock& b : blocks)
            pressures << number(b.pressure);
        m_plot->setPoints({}, {},
            "No properties to plot at \"" + pressureText + "\" bar: the table has the pressures " + pressures.join("; ")
                + " bar.");
        return;
    }
    try {
        m_plot->setPoints(curve(side, *block, pressure.toStdString()),
            fromStd(fluid) + " at " + number(block->pressure) + " bar", {});
    } catch (const CalcError& error) {
        m_plot->setPoints({}, {}, "No properties to plot: " + fromStd(error.what()));
    }
}

} // namespace vorlan
