#pragma once

#include <string>

#include "platform/formview.h"
#include "properties/fluidside.h"

namespace vorlan {

/**
 * The two fluid tables of the exchanger with their loaders and lookups: "int" is the fluid in
 * the internal pipe, whose pressure is the text of Combo4; "est" the fluid in the annulus, whose
 * pressure is the text of Combo5. Tables are read from the data folder as <fluid name>.dat.
 */
class FluidTables {
public:
    FluidTables(const FormView& form, std::string dataFolder);

    FluidSide intSide;
    FluidSide estSide;

    /** Load the internal or external table from the file of the named fluid (name used verbatim, see fluidFilePath). */
    void dbpropint(const std::string& fluido);
    void dbpropest(const std::string& fluido);

    /** Bulk properties at tm [degC] into intSide or estSide. */
    void propint(double tm);
    void propest(double tm);
    /** Viscosity [Pa s] at the wall temperature tp [degC]. */
    double propviscpari(double tp);
    double propviscpare(double tp);
    /** Specific enthalpy [kJ/kg] at tt [degC]. */
    double propHint(double tt);
    double propHest(double tt);
    /** Temperature [degC] at the specific enthalpy hh [kJ/kg]. */
    double trovatint(double hh);
    double trovatest(double hh);

    /** Path of the named fluid's file in the data folder; a name that cannot name one throws CalcError. */
    std::string fluidPath(const std::string& fluido) const;

    /** The texts of the pressure boxes, Combo4 and Combo5 [bar]. */
    std::string intPressure() const;
    std::string estPressure() const;

private:
    const FormView& m_form;
    std::string m_dataFolder;
};

} // namespace vorlan
