#pragma once

#include <optional>
#include <string>

#include "calc/caseinput.h"
#include "calc/exchanger.h"
#include "calc/flowmode.h"
#include "calc/resultrecord.h"
#include "calc/robustsolver.h"
#include "platform/passcounter.h"
#include "properties/casestate.h"
#include "properties/fluidtables.h"
#include "properties/materials.h"

namespace vorlan {

/**
 * One press of Calculate: reads and checks the case, solves the exchanger in one of six modes and
 * derives the results. Temperatures in degC, enthalpies in kJ/kg, flows in kg/s, duty in kW,
 * lengths in m, U in W/(m^2 K). Every failure throws CalcError with its message.
 */
class Calculation {
public:
    /** Works on the case input; solved values are appended to writeBacks as they are written. */
    Calculation(const CaseInput& input, FluidTables& fluids, const Materials& materials, CaseState& state,
        std::vector<WriteBack>& writeBacks);

    /** Reads the case and rejects what cannot be solved. */
    void readCase();
    /** Solves the exchanger, writing back what the mode solves for. */
    void solve();
    /** Velocities, Reynolds numbers and pressure drops of the solved case, with the inputs. */
    ResultRecord results();
    /** The case as read, for the robust solver; call after readCase(). */
    RobustCase robustCase() const;
    /**
     * What a value that cannot be computed comes from, when the case read already tells (a zero
     * flow, a material without data, no annulus); empty when it does not.
     */
    const std::string& faultCause() const { return m_faultCause; }
    /** The tables as readCase() left them, cut to the selected pressures, before any lookup of the solution. */
    const FluidTables& readTables() const { return m_readTables.value(); }
    /** The passes the iterations have made so far. */
    IterationPasses passes() const { return {m_coefficientPasses, m_temperaturePasses.passes()}; }

    // Pass limits, far above converging cases (a few dozen coefficient passes; some hundred
    // thousand temperature passes in all at NTU 20), so that a case that never settles ends within
    // seconds: each coefficient pass evaluates the film coefficients six times. The user guide
    // names them.
    static constexpr long kCoefficientPasses = 10'000; ///< each coefficient iteration and length search
    static constexpr long kTemperaturePasses = 2'000'000; ///< all temperature iterations of the calculation

private:
    void readGeometry();
    void checkPressure(const FluidTable& table, Quantity pressureQuantity, const char* message);
    void checkRange(double temperature, bool internalSide);

    /**
     * One stream as the balances see it: the temperatures, enthalpies, mean temperature and flow of
     * its side, and whether it gives heat off (+1, the hot stream) or takes it up (-1).
     */
    struct Stream {
        bool internalSide;
        double& Tin;
        double& Tout;
        double& Hin;
        double& Hout;
        double& tm;
        float& port;
        double gives;
    };
    Stream internalStream();
    Stream externalStream();
    double enthalpyAt(const Stream& stream, double t);
    double temperatureAt(const Stream& stream, double h);
    /** Sets the stream's mean temperature and its side's bulk properties there. */
    void propertiesAtMean(const Stream& stream);
    /** The flow of a Reynolds number of 10000 at the stream's current viscosity [kg/s]. */
    float startFlow(const Stream& stream) const;

    void solveLengthOneOutletGiven(const Stream& given, const Stream& solved); // L1, L2
    void solveLengthBothFlowsGiven(); // L3
    void solveCapacityOneOutletGiven(const Stream& given, const Stream& solved); // C1, C2
    void solveCapacityBothFlowsGiven(); // C3
    void searchLength();
    void checkSolution() const;
    /**
     * Refuses a solution whose streams' enthalpy changes, rate equation U A dTml or coefficient
     * evaluated again at its own temperatures and flows disagree with it by more than the
     * iterations' tolerances allow ("Calculation did not converge"), on the tables as the solution
     * left them and on the tables as they were read.
     */
    void checkConsistency() const;
    void checkConsistency(FluidTables tables) const;

    /** +1 when the internal fluid is the hot one, -1 otherwise (equal inlets: it is the cold one). */
    double hotSign() const { return intTin > estTin ? 1.0 : -1.0; }
    double logMeanDifference() const;
    float dutyFromCoefficient() const;
    float overallCoefficient();
    void relaxCoefficient(float Unew);
    /** The damping weight of the temperature iterations at the current U and A; refuses NTU above the limit. */
    float damping();
    void checkCapacity();
    /** The single-precision pressure [bar] in a side's pressure box, converted again at every read. */
    float pressureOf(bool internalSide) const;
    /** Appends solved values to the write-backs, in order. */
    void writeBacks(const std::vector<WriteBack>& values);

    const CaseInput& m_case;
    FluidTables& m_fluids;
    std::optional<FluidTables> m_readTables;
    std::string m_faultCause;
    const Materials& m_materials;
    CaseState& m_state;
    std::vector<WriteBack>& m_writeBacks;

    FlowMode m_flow = FlowMode::BothFlowsGiven;
    bool m_lengthGiven = true;
    Configuration m_configuration = Configuration::Countercurrent;
    double intTin = 0, estTin = 0, intTout = 0, estTout = 0;
    double intHin = 0, estHin = 0, intHout = 0, estHout = 0;
    double tmi = 0, tme = 0;
    float q = 0, A = 0, U = 0, dTml = 0;

    static constexpr float tolT = 0.001f; // [K] temperature iterations
    static constexpr float tolU = 0.01f; // [W/(m^2 K)] coefficient iterations

    PassCounter m_temperaturePasses {"outlet-temperature iteration", kTemperaturePasses};
    long m_coefficientPasses = 0; // all coefficient passes and length-search passes
};

} // namespace vorlan
