#include "ui/designstreams.h"

#include "ui/windowtext.h"

namespace vorlan {

const NetworkSide& sideOf(const HairpinNetwork& network, const DesignCandidate& candidate, int stream)
{
    return static_cast<int>(streamOn(Side::Internal, candidate)) == stream ? network.internal : network.external;
}

QString streamName(const DesignTarget& target, int stream)
{
    const QString fluid = fromStd(target.fluid[stream]);
    if (target.fluid[0] != target.fluid[1])
        return fluid;
    return fluid + (stream == 0 ? " (inner pipe in the case)" : " (annulus in the case)");
}

} // namespace vorlan
