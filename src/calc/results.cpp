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

void recordInputs(const CaseInput& input, ResultRecord& r)
{
    r.mat = input.material;
    r.intfluid = input.internal.fluid;
    r.estfluid = input.external.fluid;
    r.estpress = input.external.pressure.value();
    r.intpress = input.internal.pressure.value();
    r.spe = input.externalPipe.thickness.value();
    r.dete = input.externalPipe.outsideDiameter.value();
    r.spi = input.internalPipe.thickness.value();
    r.deti = input.internalPipe.outsideDiameter.value();
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
    r.configuration = m_configuration;
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
