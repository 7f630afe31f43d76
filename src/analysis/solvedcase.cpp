#include "analysis/solvedcase.h"

#include "calc/geometry.h"
#include "platform/calcerror.h"

namespace vorlan {

bool SolvedCase::counterCurrent() const { return record.configuration == Configuration::Countercurrent; }

SolvedCase solvedCase(const ResultRecord& record, const CaseState& calculated)
{
    SolvedCase solved;
    solved.record = record;
    CaseState& s = solved.state;
    pipeGeometry(record.deti, record.spi, record.dete, record.spe, s);
    s.L = record.L;
    s.intPort = record.intPort;
    s.estPort = record.estPort;
    s.intSporc = record.intSporc;
    s.estSporc = record.estSporc;
    s.wallK = calculated.wallK;
    s.wallRough = calculated.wallRough;
    if (!(s.wallK > 0))
        throw CalcError("the pipe material \"" + record.mat + "\" has no thermal conductivity");
    solved.tmi = checked((record.intTin + record.intTout) / 2);
    solved.tme = checked((record.estTin + record.estTout) / 2);
    return solved;
}

} // namespace vorlan
