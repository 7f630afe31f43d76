#include "analysis/crosscheck.h"

#include "analysis/gnielinski.h"
#include "platform/calcerror.h"

namespace vorlan {

CrossCheck crossCheck(const SolvedCase& solved, const FilmDetails& details)
{
    const CaseState& s = solved.state;
    const SideDetails& in = details.internal;
    const SideDetails& es = details.external;
    const double ratio = double(s.deti) / s.dite;
    CrossCheck c;
    c.nuInt = gnielinskiTube(in.Re, in.Pr, double(s.diti) / s.L);
    c.nuEst = gnielinskiAnnulus(es.Re, es.Pr, double(s.dhe) / s.L, ratio);
    c.hInt = checked(c.nuInt * in.k / s.diti);
    c.hEst = checked(c.nuEst * es.k / s.dhe);
    const Resistances& r = details.resistances;
    const double internalFilm = checked(double(s.deti) / (s.diti * c.hInt));
    c.U = checked(1 / (internalFilm + r.wall + 1 / c.hEst + r.internalFouling + r.externalFouling));
    c.uSiederTate = r.U;
    c.spread = checked((c.U / r.U - 1) * 100);
    return c;
}

} // namespace vorlan
