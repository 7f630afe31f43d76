// The values written back for the length-given modes and the result record of a solved case.
#include "calc/calculation.h"
#include "calc/recordfields.h"
#include "calc/solvedvalues.h"
#include "correlations/friction.h"
#include "correlations/heattransfer.h"
#include "platform/calcerror.h"
#include "platform/numbertext.h"

namespace vorlan {

void recordHydraulics(const CaseState& s, const FluidSide& in, const FluidSide& es, ResultRecord& r)
{
    r.intVel = Velocita(s.intPort, s.intArea, in.Rho);
    r.estVel = Velocita(s.estPort, s.estArea, es.Rho);
    r.Rei = Reynolds(in.Rho, r.intVel, s.diti, in.Mu);
    r.intDeltaP = toSingle(PerditaCarico(s.wallRough, s.diti, s.L, r.Rei, in.Rho, r.intVel));
    r.Ree = Reynolds(es.Rho, r.estVel, s.dhe, es.Mu);
    r.estDeltaP = toSingle(PerditaCarico(s.wallRough, s.dhe, s.L, r.Ree, es.Rho, r.estVel));
}

void recordInputs(const CaseSnapshot& snapshot, ResultRecord& r)
{
    r.mat = snapshot.text(Box::Combo3);
    r.intfluid = snapshot.text(Box::Combo1);
    r.estfluid = snapshot.text(Box::Combo2);
    r.estpress = textToSingle(snapshot.text(Box::Combo5));
    r.intpress = textToSingle(snapshot.text(Box::Combo4));
    r.spe = textToSingle(snapshot.text(Box::Text5));
    r.dete = textToSingle(snapshot.text(Box::Text4));
    r.spi = textToSingle(snapshot.text(Box::Text2));
    r.deti = textToSingle(snapshot.text(Box::Text1));
}

ResultRecord Calculation::results()
{
    if (m_lengthGiven) {
        m_writeBacks.push_back(solvedDuty(q));
        writeBacks(solvedFlowAndOutlet(m_flow, m_state.intPort, m_state.estPort, intTout, estTout));
    }

    ResultRecord r;
    recordHydraulics(m_state, m_fluids.intSide, m_fluids.estSide, r);
    recordInputs(m_case, r);

    r.q = q;
    r.A = A;
    r.L = m_state.L;
    r.U = U;
    r.controequi = m_controequi;
    r.intTin = intTin;
    r.intTout = intTout;
    r.estTin = estTin;
    r.estTout = estTout;
    r.intPort = m_state.intPort;
    r.estPort = m_state.estPort;
    r.intSporc = m_state.intSporc;
    r.estSporc = m_state.estSporc;
    return r;
}

} // namespace vorlan
