#pragma once

#include <map>
#include <memory>
#include <string>

#include "properties/fluidside.h"

namespace vorlan {

/** A fluid file as a study read it once: its table, its columns' order forgotten as a reload would. */
struct HeldFluidFile {
    FluidTable table;
};
/** The fluid files a study holds, by fluid name. */
using HeldFluidFiles = std::map<std::string, HeldFluidFile>;

/**
 * The two fluid tables of the exchanger with their loaders and lookups: "int" is the fluid in
 * the internal pipe, "est" the fluid in the annulus. Tables are read from the data folder as
 * <fluid name>.dat, or from the user's fluid folder when the data folder has no such file, or else from
 * the table the case carries under that name. Every lookup converts its side's pressure text again, as
 * the window's pressure box would be re-read.
 */
class FluidTables {
public:
    /** userFolder is the user's own fluid folder; empty for none. */
    explicit FluidTables(std::string dataFolder, std::string userFolder = {});

    /** The texts of the two pressure boxes [bar] that the lookups select their blocks with. */
    void setPressures(std::string internal, std::string external);

    FluidSide intSide;
    FluidSide estSide;

    /** The tables the case carries by fluid name, each a fluid file's text; read when neither folder has the fluid. */
    void setCarriedTables(std::map<std::string, std::string> tables) { m_carried = std::move(tables); }

    /**
     * Reads each fluid's file once into held and its table from there afterwards, so that a study's
     * many calculations read each file once; none (the default) reads the file at every load.
     */
    void holdFiles(std::shared_ptr<HeldFluidFiles> held) { m_held = std::move(held); }
    const std::shared_ptr<HeldFluidFiles>& heldFiles() const { return m_held; }

    /** Load the internal or external table from the file of the named fluid (name used verbatim, see findFluidFile). */
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

    const std::string& dataFolder() const { return m_dataFolder; }
    /** The user's own fluid folder; empty for none. */
    const std::string& userFolder() const { return m_userFolder; }

    /** The pressure texts [bar] of the internal and external side. */
    const std::string& intPressure() const { return m_intPressure; }
    const std::string& estPressure() const { return m_estPressure; }

private:
    void load(FluidTable& table, const std::string& fluido) const;

    std::string m_dataFolder;
    std::string m_userFolder;
    std::string m_intPressure;
    std::string m_estPressure;
    std::map<std::string, std::string> m_carried;
    std::shared_ptr<HeldFluidFiles> m_held;
};

} // namespace vorlan
