#include "ui/resultdisplay.h"

#include "platform/numbertext.h"

namespace vorlan {

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
        {"Text11", roundedText(r.intTin, 3)},
        {"Text12", roundedText(r.estTin, 3)},
        {"Text13", roundedText(r.intTout, 3)},
        {"Text14", roundedText(r.estTout, 3)},
        {"Text15", roundedText(r.intPort, 3)},
        {"Text16", roundedText(r.estPort, 3)},
        {"Text17", roundedText(r.intVel, 3)},
        {"Text18", roundedText(r.estVel, 3)},
        {"Text19", roundedText(r.intDeltaP, 3)},
        {"Text20", roundedText(r.estDeltaP, 3)},
        {"Text21", numberToText(r.intSporc)},
        {"Text22", numberToText(r.estSporc)},
        {"Text28", roundedText(r.Rei, 0)},
        {"Text6", roundedText(r.Ree, 0)},
        {"Text23", roundedText(r.q, 3)},
        {"Text24", roundedText(r.A, 3)},
        {"Text25", roundedText(r.L, 3)},
        {"Text26", roundedText(r.U, 0)},
        {"Text27", r.configuration == Configuration::Countercurrent ? "Contercurrent" : "Equicurrent"},
    };
}

} // namespace vorlan
