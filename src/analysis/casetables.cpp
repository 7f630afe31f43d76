#include "analysis/casetables.h"

#include "correlations/kernels.h"

namespace vorlan {

CaseTables::CaseTables(const CaseContents& contents, const std::string& dataFolder)
    : m_fluids(dataFolder)
{
    m_fluids.setPressures(contents.text("Combo4"), contents.text("Combo5"));
    const std::string internalFluid = contents.text("Combo1");
    const std::string externalFluid = contents.text("Combo2");
    m_fluids.dbpropint(internalFluid);
    // The same fluid on both sides is read once.
    if (externalFluid == internalFluid)
        m_fluids.estSide.Tab = m_fluids.intSide.Tab;
    else
        m_fluids.dbpropest(externalFluid);
    RiduciVettori(m_fluids);
}

} // namespace vorlan
