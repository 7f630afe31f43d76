#include "properties/fluidtables.h"

#include "properties/fluidname.h"

namespace vorlan {

FluidTables::FluidTables(const FormView& form, std::string dataFolder)
    : m_form(form)
    , m_dataFolder(std::move(dataFolder))
{ }

std::string FluidTables::fluidPath(const std::string& fluido) const { return fluidFilePath(m_dataFolder, fluido); }

void FluidTables::dbpropint(const std::string& fluido) { loadFluidTable(intSide.Tab, fluidPath(fluido)); }
void FluidTables::dbpropest(const std::string& fluido) { loadFluidTable(estSide.Tab, fluidPath(fluido)); }

void FluidTables::propint(double tm) { intSide.bulkProperties(tm, intPressure()); }
void FluidTables::propest(double tm) { estSide.bulkProperties(tm, estPressure()); }

double FluidTables::propviscpari(double tp) { return intSide.wallViscosity(tp, intPressure()); }
double FluidTables::propviscpare(double tp) { return estSide.wallViscosity(tp, estPressure()); }

double FluidTables::propHint(double tt) { return intSide.enthalpy(tt, intPressure()); }
double FluidTables::propHest(double tt) { return estSide.enthalpy(tt, estPressure()); }

double FluidTables::trovatint(double hh) { return intSide.temperatureAt(hh, intPressure()); }
double FluidTables::trovatest(double hh) { return estSide.temperatureAt(hh, estPressure()); }

std::string FluidTables::intPressure() const { return m_form.text("Combo4"); }
std::string FluidTables::estPressure() const { return m_form.text("Combo5"); }

} // namespace vorlan
