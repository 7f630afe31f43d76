// Reading and checking a case: geometry, temperatures, fouling, material, fluids, pressures and the
// inputs of the chosen mode, in the order in which their failures are reported.
#include "calc/calculation.h"
#include "calc/geometry.h"
#include "correlations/kernels.h"
#include "correlations/words.h"
#include "platform/calcerror.h"
#include "platform/numbertext.h"

namespace vorlan {

Calculation::Calculation(FormView& form, FluidTables& fluids, const Materials& materials, CaseState& state)
    : m_form(form)
    , m_fluids(fluids)
    , m_materials(materials)
    , m_state(state)
{ }

void Calculation::readCase()
{
    readGeometry();
    intTin = textToDouble(m_form.text("Text6"));
    estTin = textToDouble(m_form.text("Text9"));
    m_state.intSporc = textToDouble(m_form.text("Form2.Text1"));
    m_state.estSporc = textToDouble(m_form.text("Form2.Text2"));
    if (m_state.intSporc < 0 || m_state.estSporc < 0)
        throw CalcError("a fouling factor is negative");
    m_controequi = m_form.isSelected("Option1") ? word::Contro : word::Equi;
    m_materials.proptubo(m_form.text("Combo3"), m_state.wallK, m_state.wallRough);

    tmi = intTin;
    tme = estTin;
    m_fluids.dbpropint(m_form.text("Combo1"));
    m_fluids.dbpropest(m_form.text("Combo2"));
    intHin = m_fluids.propHint(intTin);
    estHin = m_fluids.propHest(estTin);
    checkPressure(m_fluids.intSide.Tab, "Combo4", msg::InvalidPressureInternal);
    checkPressure(m_fluids.estSide.Tab, "Combo5", msg::InvalidPressureExternal);
    RiduciVettori(m_fluids);

    if (m_form.isSelected("Option3")) {
        m_flow = FlowMode::InternalOutletGiven;
        intTout = textToDouble(m_form.text("Text7"));
        m_state.estPort = textToSingle(m_form.text("Text11"));
        if ((intTin > estTin && intTout > intTin) || (intTin < estTin && intTout < intTin))
            throw CalcError("the internal outlet temperature moves the wrong way", msg::InvalidTemperatures);
        checkRange(intTin, true);
        checkRange(intTout, true);
        checkRange(estTin, false);
    } else if (m_form.isSelected("Option7")) {
        m_flow = FlowMode::ExternalOutletGiven;
        m_state.intPort = textToSingle(m_form.text("Text8"));
        estTout = textToDouble(m_form.text("Text10"));
        if ((intTin > estTin && estTout < estTin) || (intTin < estTin && estTout > estTin))
            throw CalcError("the external outlet temperature moves the wrong way", msg::InvalidTemperatures);
        checkRange(intTin, true);
        checkRange(estTin, false);
        checkRange(estTout, false);
    } else {
        m_flow = FlowMode::BothFlowsGiven;
        m_state.intPort = textToSingle(m_form.text("Text8"));
        m_state.estPort = textToSingle(m_form.text("Text11"));
        checkRange(intTin, true);
        checkRange(estTin, false);
    }
    // A negative flow would be solved into a result without meaning.
    if (m_state.intPort < 0 || m_state.estPort < 0)
        throw CalcError("a mass flow is negative");

    tolT = 0.001f;
    tolU = 0.01f;
    m_lengthGiven = m_form.isSelected("Option5");
    if (m_lengthGiven)
        m_state.L = textToSingle(m_form.text("Text12"));
    else
        q = textToSingle(m_form.text("Text3"));
    if (m_lengthGiven ? !(m_state.L > 0) : !(q > 0))
        throw CalcError(m_lengthGiven ? "the length is not positive" : "the capacity is not positive");
}

void Calculation::readGeometry()
{
    // Dimensions typed in mm, kept in m.
    const float internalOutside = textToSingle(m_form.text("Text1"));
    const float internalWall = textToSingle(m_form.text("Text2"));
    const float externalWall = textToSingle(m_form.text("Text5"));
    const float externalOutside = textToSingle(m_form.text("Text4"));
    pipeGeometry(internalOutside, internalWall, externalOutside, externalWall, m_state);
    const CaseState& s = m_state;
    // Walls of negative thickness or pipes that do not nest would give areas and diameters without
    // meaning; the calculation refuses them instead of solving them.
    if (!(s.diti > 0 && s.diti <= s.deti && s.dite >= s.deti))
        throw CalcError("the pipe dimensions do not describe two nested pipes");
}

void Calculation::checkPressure(const FluidTable& table, const std::string& pressureBox, const char* message)
{
    const float pressure = textToSingle(m_form.text(pressureBox));
    bool listed = false;
    for (const float rowPressure : table.P)
        listed = listed || rowPressure == pressure;
    if (!listed)
        throw CalcError(pressureBox + " holds a pressure that is not in the fluid's table", message);
}

void Calculation::checkRange(double temperature, bool internalSide)
{
    const float pressure = textToSingle(m_form.text(internalSide ? "Combo4" : "Combo5"));
    if (controllatemp(m_fluids, temperature, pressure, internalSide ? word::Int : word::Est) == word::No)
        throw CalcError(numberToText(temperature) + " degC is outside the fluid's table", msg::TemperaturesOutOfRange);
}

} // namespace vorlan
