#include "correlations/exchangerlimits.h"

#include <cmath>

#include "platform/calcerror.h"

namespace vorlan {

float Qmax(FluidTables& fluids, double te1, double te2, double ti1, double ti2, float mme, float mmi,
    Configuration configuration)
{
    const bool counterCurrent = configuration == Configuration::Countercurrent;
    const double ci = checked(mmi * fluids.intSide.Cp); // heat-capacity rates [kW/K]
    const double ce = checked(mme * fluids.estSide.Cp);
    double duty = 0;
    if (ce > ci) {
        const double tLimit = counterCurrent ? te1 : te2;
        const float hIn = toSingle(fluids.propHint(ti1));
        const float hLimit = toSingle(fluids.propHint(tLimit));
        duty = ti1 < te1 ? (double(hLimit) - hIn) * mmi : (double(hIn) - hLimit) * mmi;
    } else {
        const double tLimit = counterCurrent ? ti1 : ti2;
        const float hIn = toSingle(fluids.propHest(te1));
        const float hLimit = toSingle(fluids.propHest(tLimit));
        duty = te1 < ti1 ? (double(hLimit) - hIn) * mme : (double(hIn) - hLimit) * mme;
    }
    return toSingle(duty);
}

float dampingWeight(float ntu)
{
    const float denominator = toSingle(checked(std::pow(static_cast<double>(ntu), 3) + 2));
    return toSingle(1.0 / denominator);
}

float xxtt(const CaseState& state, const FluidTables& fluids, float U, float A)
{
    const double ci = checked(state.intPort * fluids.intSide.Cp);
    const double ce = checked(state.estPort * fluids.estSide.Cp);
    // U / 1000 turns W into kW to match the specific heats in kJ/(kg K); the product stays single.
    const float uaKilowatt = checked(U / 1000.0f * A);
    const double ntu = ce > ci ? checked(checked(uaKilowatt / fluids.intSide.Cp) / state.intPort)
                               : checked(checked(uaKilowatt / fluids.estSide.Cp) / state.estPort);
    return dampingWeight(toSingle(ntu));
}

} // namespace vorlan
