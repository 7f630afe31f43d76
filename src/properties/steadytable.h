#pragma once

#include <vector>

#include "properties/fluidside.h"

namespace vorlan {

/**
 * One side's table cut to its pressure's block, looked up without changing it: linear
 * interpolation in double precision between the two rows that bracket the argument. Unlike the
 * calculation's lookups it raises no segment end. The caller keeps its temperatures and
 * enthalpies within holdsTemperature() and holdsEnthalpy(); outside, a value follows the end
 * segment.
 */
class SteadyTable {
public:
    /** The rows of one block; throws CalcError unless it has two rows or more and T and H rise strictly. */
    explicit SteadyTable(const FluidTable& block);

    double firstTemperature() const { return m_T.front(); } ///< [degC]
    double lastTemperature() const { return m_T.back(); } ///< [degC]
    bool holdsTemperature(double t) const { return m_T.front() <= t && t <= m_T.back(); }
    bool holdsEnthalpy(double h) const { return m_H.front() <= h && h <= m_H.back(); }

    /** A side with the bulk properties at t [degC] (its table left empty). */
    FluidSide bulk(double t) const;
    /** Viscosity [Pa s] at the wall temperature tp [degC], held to the first and last rows. */
    double wallViscosity(double tp) const;
    /** Specific enthalpy [kJ/kg] at t [degC]. */
    double enthalpy(double t) const;
    /** Temperature [degC] at the specific enthalpy h [kJ/kg]. */
    double temperature(double h) const;

private:
    /** The row k with X[k] <= x <= X[k+1], x within the column. */
    static std::size_t segment(const std::vector<double>& X, double x);
    static double along(const std::vector<double>& X, const std::vector<double>& Y, std::size_t k, double x);

    std::vector<double> m_T, m_H, m_Rho, m_Cp, m_K, m_Mu;
};

} // namespace vorlan
