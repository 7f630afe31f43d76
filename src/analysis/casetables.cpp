#include "analysis/casetables.h"

#include "correlations/kernels.h"

namespace vorlan {

namespace {

std::string textOf(const CaseContents& contents, const char* control)
{
    const auto it = contents.texts.find(control);
    return it == contents.texts.end() ? std::string() : it->second;
}

} // namespace

CaseTables::CaseTables(const CaseContents& contents, const std::string& dataFolder)
    : m_fluids(dataFolder)
{
    m_fluids.setPressures(textOf(contents, "Combo4"), textOf(contents, "Combo5"));
    const std::string internalFluid = textOf(contents, "Combo1");
    const std::string externalFluid = textOf(contents, "Combo2");
    m_fluids.dbpropint(internalFluid);
    // The same fluid on both sides is read once.
    if (externalFluid == internalFluid)
        m_fluids.estSide.Tab = m_fluids.intSide.Tab;
    else
        m_fluids.dbpropest(externalFluid);
    RiduciVettori(m_fluids);
}

} // namespace vorlan
