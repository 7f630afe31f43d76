#include "ui/resultdisplay.h"

#include "correlations/words.h"
#include "platform/numbertext.h"

namespace vorlan {

namespace {

template <typename T> std::string rounded(T value, int decimals)
{
    return numberToText(roundHalfEven(value, decimals));
}

} // namespace

std::vector<std::pair<std::string, std::string>> resultTexts(const ResultRecord& r)
{
    return {
        {"Text1", numberToText(r.deti)},
        {"Text2", numberToText(r.dete)},
        {"Text3", numberToText(r.spi)},
        {"Text4", numberToText(r.spe)},
        {"Text5", r.mat},
        {"Text7", r.intfluid},
        {"Text8", r.estfluid},
        {"Text9", numberToText(r.intpress)},
        {"Text10", numberToText(r.estpress)},
        {"Text11", rounded(r.intTin, 3)},
        {"Text12", rounded(r.estTin, 3)},
        {"Text13", rounded(r.intTout, 3)},
        {"Text14", rounded(r.estTout, 3)},
        {"Text15", rounded(r.intPort, 3)},
        {"Text16", rounded(r.estPort, 3)},
        {"Text17", rounded(r.intVel, 3)},
        {"Text18", rounded(r.estVel, 3)},
        {"Text19", rounded(r.intDeltaP, 3)},
        {"Text20", rounded(r.estDeltaP, 3)},
        {"Text21", numberToText(r.intSporc)},
        {"Text22", numberToText(r.estSporc)},
        {"Text28", rounded(r.Rei, 0)},
        {"Text6", rounded(r.Ree, 0)},
        {"Text23", rounded(r.q, 3)},
        {"Text24", rounded(r.A, 3)},
        {"Text25", rounded(r.L, 3)},
        {"Text26", rounded(r.U, 0)},
        {"Text27", r.controequi == word::Contro ? "Contercurrent" : "Equicurrent"},
    };
}

} // namespace vorlan
