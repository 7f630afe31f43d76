#include "properties/fluidtables.h"

#include "properties/fluidname.h"

namespace vorlan {

FluidTables::FluidTables(std::string dataFolder, std::string userFolder)
    : m_dataFolder(std::move(dataFolder))
    , m_userFolder(std::move(userFolder))
{ }

void FluidTables::setPressures(std::string internal, std::string external)
{
    m_intPressure = std::move(internal);
    m_estPressure = std::move(external);
}

std::string FluidTables::fluidPath(const std::string& fluido) const { return fluidFilePath(m_dataFolder, fluido); }

void FluidTables::load(FluidTable& table, const std::string& fluido) const
{
    const auto carried = m_carried.find(fluido);
    if (carried != m_carried.end() && !hasFluidFile(m_dataFolder, fluido)
        && (m_userFolder.empty() || !hasFluidFile(m_userFolder, fluido)))
        readFluidTable(table, "the table of \"" + fluido + "\" carried in the case", carried->second);
    else if (!m_held)
        loadFluidTable(table, findFluidFile(m_dataFolder, m_userFolder, fluido));
    else {
        auto held = m_held->find(fluido);
        if (held == m_held->end()) {
            loadFluidTable(table, findFluidFile(m_dataFolder, m_userFolder, fluido));
            held = m_held->emplace(fluido, HeldFluidFile {table}).first;
            held->second.table.tOrder.reset();
            held->second.table.hOrder.reset();
        }
        table = held->second.table;
    }
}

void FluidTables::dbpropint(const std::string& fluido) { load(intSide.Tab, fluido); }
void FluidTables::dbpropest(const std::string& fluido) { load(estSide.Tab, fluido); }

void FluidTables::propint(double tm) { intSide.bulkProperties(tm, intPressure()); }
void FluidTables::propest(double tm) { estSide.bulkProperties(tm, estPressure()); }

double FluidTables::propviscpari(double tp) { return intSide.wallViscosity(tp, intPressure()); }
double FluidTables::propviscpare(double tp) { return estSide.wallViscosity(tp, estPressure()); }

double FluidTables::propHint(double tt) { return intSide.enthalpy(tt, intPressure()); }
double FluidTables::propHest(double tt) { return estSide.enthalpy(tt, estPressure()); }

double FluidTables::trovatint(double hh) { return intSide.temperatureAt(hh, intPressure()); }
double FluidTables::trovatest(double hh) { return estSide.temperatureAt(hh, estPressure()); }

} // namespace vorlan
