// Reading and checking a case: geometry, temperatures, fouling, material, fluids, pressures and the
// inputs of the chosen mode, in the order in which their failures are reported.
#include <algorithm>

#include "calc/calculation.h"
#include "calc/geometry.h"
#include "correlations/kernels.h"
#include "correlations/words.h"
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

Calculation::Calculation(const CaseSnapshot& snapshot, FluidTables& fluids, const Materials& materials,
    CaseState& state, std::vector<WriteBack>& writeBacks)
    : m_case(snapshot)
    , m_fluids(fluids)
    , m_materials(materials)
    , m_state(state)
    , m_writeBacks(writeBacks)
{
    m_fluids.setPressures(snapshot.text(Box::Combo4), snapshot.text(Box::Combo5));
}

void Calculation::readCase()
{
    readGeometry();
    intTin = doubleIn(Box::Text6);
    estTin = doubleIn(Box::Text9);
    m_state.intSporc = doubleIn(Box::Form2Text1);
    m_state.estSporc = doubleIn(Box::Form2Text2);
    if (m_state.intSporc < 0 || m_state.estSporc < 0)
        throw CalcError("a fouling factor is negative");
    m_controequi = m_case.isSelected(Option::Option1) ? word::Contro : word::Equi;
    m_materials.proptubo(m_case.text(Box::Combo3), m_state.wallK, m_state.wallRough);

    tmi = intTin;
    tme = estTin;
    m_fluids.dbpropint(m_case.text(Box::Combo1));
    m_fluids.dbpropest(m_case.text(Box::Combo2));
    intHin = m_fluids.propHint(intTin);
    estHin = m_fluids.propHest(estTin);
    checkPressure(m_fluids.intSide.Tab, Box::Combo4, msg::InvalidPressureInternal);
    checkPressure(m_fluids.estSide.Tab, Box::Combo5, msg::InvalidPressureExternal);
    RiduciVettori(m_fluids);

    if (m_case.isSelected(Option::Option3)) {
        m_flow = FlowMode::InternalOutletGiven;
        intTout = doubleIn(Box::Text7);
        m_state.estPort = singleIn(Box::Text11);
        if ((intTin > estTin && intTout > intTin) || (intTin < estTin && intTout < intTin))
            throw CalcError("the internal outlet temperature moves the wrong way", msg::InvalidTemperatures);
        checkRange(intTin, true);
        checkRange(intTout, true);
        checkRange(estTin, false);
    } else if (m_case.isSelected(Option::Option7)) {
        m_flow = FlowMode::ExternalOutletGiven;
        m_state.intPort = singleIn(Box::Text8);
        estTout = doubleIn(Box::Text10);
        if ((intTin > estTin && estTout < estTin) || (intTin < estTin && estTout > estTin))
            throw CalcError("the external outlet temperature moves the wrong way", msg::InvalidTemperatures);
        checkRange(intTin, true);
        checkRange(estTin, false);
        checkRange(estTout, false);
    } else {
        m_flow = FlowMode::BothFlowsGiven;
        m_state.intPort = singleIn(Box::Text8);
        m_state.estPort = singleIn(Box::Text11);
        checkRange(intTin, true);
        checkRange(estTin, false);
    }
    // A negative flow would be solved into a result without meaning.
    if (m_state.intPort < 0 || m_state.estPort < 0)
        throw CalcError("a mass flow is negative");

    m_lengthGiven = m_case.isSelected(Option::Option5);
    if (m_lengthGiven)
        m_state.L = singleIn(Box::Text12);
    else
        q = singleIn(Box::Text3);
    if (m_lengthGiven ? !(m_state.L > 0) : !(q > 0))
        throw CalcError(m_lengthGiven ? "the length is not positive" : "the capacity is not positive");
    m_faultCause = likelyFaultCause(m_case.text(Box::Combo3), m_materials, m_state,
        m_flow != FlowMode::InternalOutletGiven, m_flow != FlowMode::ExternalOutletGiven);
    m_readTables.emplace(m_fluids); // before the solution's lookups raise segment ends
}

void Calculation::readGeometry()
{
    // Dimensions typed in mm, kept in m.
    const float internalOutside = singleIn(Box::Text1);
    const float internalWall = singleIn(Box::Text2);
    const float externalWall = singleIn(Box::Text5);
    const float externalOutside = singleIn(Box::Text4);
    pipeGeometry(internalOutside, internalWall, externalOutside, externalWall, m_state);
    const CaseState& s = m_state;
    // Walls of negative thickness or pipes that do not nest would give areas and diameters without
    // meaning; the calculation refuses them instead of solving them.
    if (!(s.diti > 0 && s.diti <= s.deti && s.dite >= s.deti))
        throw CalcError("the pipe dimensions do not describe two nested pipes");
}

void Calculation::checkPressure(const FluidTable& table, Box pressureBox, const char* message)
{
    const float pressure = singleIn(pressureBox);
    bool listed = false;
    for (const float rowPressure : table.P)
        listed = listed || rowPressure == pressure;
    if (!listed)
        throw CalcError(std::string(labelOf(pressureBox)) + ": " + numberToText(pressure)
                + " bar is not a pressure of the fluid's table, which lists " + listedPressures(table) + " bar",
            message);
}

void Calculation::checkRange(double temperature, bool internalSide)
{
    if (controllatemp(m_fluids, temperature, pressureOf(internalSide), internalSide ? word::Int : word::Est)
        == word::No) {
        const FluidTable& table = (internalSide ? m_fluids.intSide : m_fluids.estSide).Tab;
        const auto celsius = [](double t) { return roundedText(t, 3); };
        throw CalcError(std::string(internalSide ? "Internal fluid: " : "External fluid: ") + celsius(temperature)
                + " °C is outside its table at " + numberToText(pressureOf(internalSide)) + " bar, "
                + celsius(element(table.T, 0)) + " to " + celsius(element(table.T, table.lastRow())) + " °C",
            msg::TemperaturesOutOfRange);
    }
}

namespace {

template <typename T> T numberIn(const CaseSnapshot& snapshot, Box box, T (*convert)(std::string_view))
{
    try {
        return convert(snapshot.text(box));
    } catch (const CalcError& error) {
        throw CalcError(std::string(labelOf(box)) + ": " + error.what(), error.message());
    }
}

} // namespace

double Calculation::doubleIn(Box box) const { return numberIn(m_case, box, textToDouble); }
float Calculation::singleIn(Box box) const { return numberIn(m_case, box, textToSingle); }

float Calculation::pressureOf(bool internalSide) const
{
    return textToSingle(internalSide ? m_fluids.intPressure() : m_fluids.estPressure());
}

} // namespace vorlan
