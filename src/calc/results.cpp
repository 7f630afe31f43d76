// The values written back for the length-given modes and the result record of a solved case.
#include "calc/calculation.h"
#include "correlations/friction.h"
#include "correlations/heattransfer.h"
#include "platform/calcerror.h"
#include "platform/numbertext.h"

namespace vorlan {

ResultRecord Calculation::results()
{
    if (m_lengthGiven) {
        writeBack(Box::Text3, q, 3);
        switch (m_flow) {
        case FlowMode::InternalOutletGiven:
            writeBack(Box::Text8, m_state.intPort, 4);
            writeBack(Box::Text10, estTout, 4);
            break;
        case FlowMode::ExternalOutletGiven:
            writeBack(Box::Text11, m_state.estPort, 4);
            writeBack(Box::Text7, intTout, 4);
            break;
        case FlowMode::BothFlowsGiven:
            writeBack(Box::Text10, estTout, 4);
            writeBack(Box::Text7, intTout, 4);
            break;
        }
    }

    const CaseState& s = m_state;
    const FluidSide& in = m_fluids.intSide;
    const FluidSide& es = m_fluids.estSide;
    ResultRecord r;
    r.intVel = Velocita(s.intPort, s.intArea, in.Rho);
    r.estVel = Velocita(s.estPort, s.estArea, es.Rho);
    r.Rei = Reynolds(in.Rho, r.intVel, s.diti, in.Mu);
    r.intDeltaP = toSingle(PerditaCarico(s.wallRough, s.diti, s.L, r.Rei, in.Rho, r.intVel));
    r.Ree = Reynolds(es.Rho, r.estVel, s.dhe, es.Mu);
    r.estDeltaP = toSingle(PerditaCarico(s.wallRough, s.dhe, s.L, r.Ree, es.Rho, r.estVel));

    r.mat = m_case.text(Box::Combo3);
    r.intfluid = m_case.text(Box::Combo1);
    r.estfluid = m_case.text(Box::Combo2);
    r.estpress = textToSingle(m_case.text(Box::Combo5));
    r.intpress = textToSingle(m_case.text(Box::Combo4));
    r.spe = textToSingle(m_case.text(Box::Text5));
    r.dete = textToSingle(m_case.text(Box::Text4));
    r.spi = textToSingle(m_case.text(Box::Text2));
    r.deti = textToSingle(m_case.text(Box::Text1));

    r.q = q;
    r.A = A;
    r.L = s.L;
    r.U = U;
    r.controequi = m_controequi;
    r.intTin = intTin;
    r.intTout = intTout;
    r.estTin = estTin;
    r.estTout = estTout;
    r.intPort = s.intPort;
    r.estPort = s.estPort;
    r.intSporc = s.intSporc;
    r.estSporc = s.estSporc;
    return r;
}

} // namespace vorlan
