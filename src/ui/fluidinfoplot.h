#pragma once

#include <QString>
#include <QWidget>
#include <vector>

namespace vorlan {

/** A fluid's properties at one temperature, as the calculation looks them up. */
struct PropertyPoint {
    double t; ///< temperature [degC]
    double rho; ///< density [kg/m^3]
    double cp; ///< specific heat [kJ/(kg K)]
    double k; ///< thermal conductivity [W/(m K)]
    double mu; ///< dynamic viscosity [Pa s]
};

/**
 * Density, specific heat, conductivity and viscosity against temperature, in four panels of
 * their own, under a title; without points it writes the reason instead.
 */
class FluidPropertyPlot : public QWidget {
    Q_OBJECT

public:
    explicit FluidPropertyPlot(QWidget* parent = nullptr);

    /** Plots the points under the title, or shows the reason when there are none. */
    void setPoints(std::vector<PropertyPoint> points, const QString& title, const QString& missing);
    const std::vector<PropertyPoint>& points() const { return m_points; }
    const QString& missing() const { return m_missing; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<PropertyPoint> m_points;
    QString m_title;
    QString m_missing;
};

} // namespace vorlan
