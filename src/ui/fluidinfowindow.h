#pragma once

#include <QWidget>
#include <string>

class QTextBrowser;

namespace vorlan {

class FluidPropertyPlot;

/**
 * "Fluid information": what the program knows of one fluid. Its table's file, group and phase,
 * the sources, phase limits, known uncertainties and checks that the data folder's description
 * gives for it, the pressure blocks with their temperature ranges and rows, and its density,
 * specific heat, conductivity and viscosity against temperature at one pressure, looked up as
 * the calculation looks them up. "User defined" shows its four constants. A table that cannot
 * be read shows why.
 */
class FluidInfoWindow : public QWidget {
    Q_OBJECT

public:
    explicit FluidInfoWindow(QWidget* parent = nullptr);

    /** Shows the fluid of the data folder, plotted at the pressure [bar] as its pressure box writes it. */
    void showFluid(const std::string& dataFolder, const std::string& fluid, const QString& pressureText);

    QTextBrowser* text() const { return m_text; }
    FluidPropertyPlot* plot() const { return m_plot; }

private:
    QTextBrowser* m_text;
    FluidPropertyPlot* m_plot;
};

} // namespace vorlan
