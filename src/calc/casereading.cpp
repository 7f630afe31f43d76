// Reading and checking a case: geometry, temperatures, fouling, material, fluids, pressures and the
// inputs of the chosen mode, in the order in which their failures are reported.
#include <algorithm>

#include "calc/calculation.h"
#include "calc/geometry.h"
#include "correlations/kernels.h"
#include "platform/calcerror.h"
#include "platform/numbertext.h"
#include "platform/quotedtext.h"
#include "properties/pressurelist.h"

namespace vorlan {

namespace {

/**
 * What a value that cannot be computed later on will come from, when the case read already tells:
 * a material without data, no annulus, a given flow of zero; empty when it does not.
 */
std::string likelyFaultCause(const std::string& material, const Materials& materials, const CaseState& s,
    bool internalFlowGiven, bool externalFlowGiven)
{
    const std::vector<std::string> listed = materials.names();
    if (material.empty())
        return msg::NoMaterial;
    if (std::find(listed.begin(), listed.end(), material) == listed.end())
        return "pipe material '" + excerpt(material) + "'" + msg::MaterialNotListed;
    if (s.dite == s.deti)
        return msg::NoAnnulus;
    if (internalFlowGiven && s.intPort == 0)
        return msg::InternalFlowZero;
    if (externalFlowGiven && s.estPort == 0)
        return msg::ExternalFlowZero;
    return {};
}

/** The pressures of a table's list, "1, 2 and 5". */
std::string listedPressures(const FluidTable& table)
{
    const std::vector<std::string> pressures = pressureList(table);
    std::string text;
    for (std::size_t i = 0; i < pressures.size(); ++i)
        text += (i == 0 ? "" : i + 1 == pressures.size() ? " and " : ", ") + pressures[i];
    return text;
}

} // namespace

Calculation::Calculation(const CaseInput& input, FluidTables& fluids, const Materials& materials, CaseState& state,
    std::vector<WriteBack>& writeBacks)
    : m_case(input)
    , m_fluids(fluids)
    , m_materials(materials)
    , m_state(state)
    , m_writeBacks(writeBacks)
{
    m_fluids.setPressures(input.internal.pressure.text(), input.external.pressure.text());
}

void Calculation::readCase()
{
    readGeometry();
    intTin = m_case.internal.inletTemperature.value();
    estTin = m_case.external.inletTemperature.value();
    m_state.intSporc = m_case.internal.fouling.value();
    m_state.estSporc = m_case.external.fouling.value();
    if (m_state.intSporc < 0 || m_state.estSporc < 0)
        throw CalcError("a fouling factor is negative");
    m_configuration = m_case.configuration;
    m_materials.proptubo(m_case.material, m_state.wallK, m_state.wallRough);

    tmi = intTin;
    tme = estTin;
    m_fluids.setCarriedTables(m_case.fluidTables);
    m_fluids.dbpropint(m_case.internal.fluid);
    m_fluids.dbpropest(m_case.external.fluid);
    intHin = m_fluids.propHint(intTin);
    estHin = m_fluids.propHest(estTin);
    checkPressure(m_fluids.intSide.Tab, Quantity::InternalPressure, msg::InvalidPressureInternal);
    checkPressure(m_fluids.estSide.Tab, Quantity::ExternalPressure, msg::InvalidPressureExternal);
    RiduciVettori(m_fluids);

    m_flow = m_case.flow;
    if (m_flow == FlowMode::InternalOutletGiven) {
        intTout = m_case.internal.outletTemperature.value();
        m_state.estPort = m_case.external.massFlow.value();
        if ((intTin > estTin && intTout > intTin) || (intTin < estTin && intTout < intTin))
            throw CalcError("the internal outlet temperature moves the wrong way", msg::InvalidTemperatures);
        checkRange(intTin, true);
        checkRange(intTout, true);
        checkRange(estTin, false);
    } else if (m_flow == FlowMode::ExternalOutletGiven) {
        m_state.intPort = m_case.internal.massFlow.value();
        estTout = m_case.external.outletTemperature.value();
        if ((intTin > estTin && estTout < estTin) || (intTin < estTin && estTout > estTin))
            throw CalcError("the external outlet temperature moves the wrong way", msg::InvalidTemperatures);
        checkRange(intTin, true);
        checkRange(estTin, false);
        checkRange(estTout, false);
    } else {
        m_state.intPort = m_case.internal.massFlow.value();
        m_state.estPort = m_case.external.massFlow.value();
        checkRange(intTin, true);
        checkRange(estTin, false);
    }
    // A negative flow would be solved into a result without meaning.
    if (m_state.intPort < 0 || m_state.estPort < 0)
        throw CalcError("a mass flow is negative");

    m_lengthGiven = m_case.lengthGiven;
    if (m_lengthGiven)
        m_state.L = m_case.length.value();
    else
        q = m_case.capacity.value();
    if (m_lengthGiven ? !(m_state.L > 0) : !(q > 0))
        throw CalcError(m_lengthGiven ? "the length is not positive" : "the capacity is not positive");
    m_faultCause = likelyFaultCause(m_case.material, m_materials, m_state, m_flow != FlowMode::InternalOutletGiven,
        m_flow != FlowMode::ExternalOutletGiven);
    m_readTables.emplace(m_fluids); // before the solution's lookups raise segment ends
}

void Calculation::readGeometry()
{
    // Dimensions typed in mm, kept in m.
    const float internalOutside = m_case.internalPipe.outsideDiameter.value();
    const float internalWall = m_case.internalPipe.thickness.value();
    const float externalWall = m_case.externalPipe.thickness.value();
    const float externalOutside = m_case.externalPipe.outsideDiameter.value();
    pipeGeometry(internalOutside, internalWall, externalOutside, externalWall, m_state);
    const CaseState& s = m_state;
    // Walls of negative thickness or pipes that do not nest would give areas and diameters without
    // meaning; the calculation refuses them instead of solving them.
    if (!(s.diti > 0 && s.diti <= s.deti && s.dite >= s.deti))
        throw CalcError("the pipe dimensions do not describe two nested pipes");
}

void Calculation::checkPressure(const FluidTable& table, Quantity pressureQuantity, const char* message)
{
    const float pressure
        = m_case.stream(pressureQuantity == Quantity::InternalPressure ? Side::Internal : Side::External)
              .pressure.value();
    bool listed = false;
    for (const float rowPressure : table.P)
        listed = listed || rowPressure == pressure;
    if (!listed)
        throw CalcError(std::string(labelOf(pressureQuantity)) + ": " + numberToText(pressure)
                + " bar is not a pressure of the fluid's table, which lists " + listedPressures(table) + " bar",
            message);
}

void Calculation::checkRange(double temperature, bool internalSide)
{
    if (!controllatemp(
            m_fluids, temperature, pressureOf(internalSide), internalSide ? Side::Internal : Side::External)) {
        const FluidTable& table = (internalSide ? m_fluids.intSide : m_fluids.estSide).Tab;
        const auto celsius = [](double t) { return roundedText(t, 3); };
        throw CalcError(std::string(internalSide ? "Internal fluid: " : "External fluid: ") + celsius(temperature)
                + " °C is outside its table at " + numberToText(pressureOf(internalSide)) + " bar, "
                + celsius(element(table.T, 0)) + " to " + celsius(element(table.T, table.lastRow())) + " °C",
            msg::TemperaturesOutOfRange);
    }
}

float Calculation::pressureOf(bool internalSide) const
{
    return textToSingle(internalSide ? m_fluids.intPressure() : m_fluids.estPressure());
}

} // namespace vorlan
