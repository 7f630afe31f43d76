#include "ui/casefluidtables.h"

#include <algorithm>

#include "calc/casefile.h"
#include "platform/calcerror.h"
#include "platform/datafile.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "properties/carriedtable.h"
#include "properties/fluidimport.h"
#include "properties/fluidlist.h"
#include "properties/fluidname.h"
#include "properties/fluidtable.h"
#include "ui/windowmessages.h"
#include "ui/windowtext.h"

namespace vorlan {

namespace {

/** One fluid of a case with the sides it flows in, as the user reads them. */
struct CaseFluid {
    std::string name;
    QString sides;
};

/** Whether a name can name a fluid's table at all; the fluid box's own message says why not. */
bool namesATable(const std::string& fluid)
{
    try {
        fluidFilePath(".", fluid);
        return true;
    } catch (const CalcError&) {
        return false;
    }
}

/**
 * The fluids of the case's sides, each once, without "User defined" (kept with the case by its own
 * section) and names that cannot name a table.
 */
std::vector<CaseFluid> caseFluids(const CaseContents& contents)
{
    const std::string& internal = contents.text(Quantity::InternalFluid);
    const std::string& external = contents.text(Quantity::ExternalFluid);
    std::vector<CaseFluid> fluids;
    if (internal == external)
        fluids.push_back({internal, "internal pipe and annulus"});
    else
        fluids = {{internal, "internal pipe"}, {external, "annulus"}};
    std::erase_if(fluids, [](const CaseFluid& fluid) {
        return fluid.name.empty() || fluid.name == kUserDefinedFluid || !namesATable(fluid.name);
    });
    return fluids;
}

/** Whether the folder (none when empty) holds the fluid's table. */
bool holds(const std::string& folder, const std::string& fluid)
{
    return !folder.empty() && hasFluidFile(folder, fluid);
}

QString named(const CaseFluid& fluid) { return "\"" + fromStd(fluid.name) + "\" (" + fluid.sides + ")"; }

} // namespace

CaseFluidTables::CaseFluidTables(std::string dataFolder, std::string userFolder)
    : m_dataFolder(std::move(dataFolder))
    , m_userFolder(std::move(userFolder))
{ }

void CaseFluidTables::reset()
{
    m_opened.clear();
    m_asked.clear();
    m_include.reset();
}

void CaseFluidTables::opened(
    const CaseContents& contents, const MessageHandler& show, const std::function<void()>& added)
{
    reset();
    m_opened = contents.fluidTables;
    for (const auto& table : m_opened)
        m_asked.push_back(table.first);
    if (!m_opened.empty())
        m_include = true; // the case already carries them: its saves keep doing so without asking

    for (const CaseFluid& fluid : caseFluids(contents)) {
        const auto carried = m_opened.find(fluid.name);
        if (carried == m_opened.end()) {
            if (!holds(m_dataFolder, fluid.name) && !holds(m_userFolder, fluid.name))
                show(
                    QMessageBox::Warning, msg::Title, msg::FluidTableMissing + named(fluid), msg::FluidTableMissingWhy);
            continue;
        }
        const CarriedTableState state = carriedTableState(m_dataFolder, m_userFolder, fluid.name, carried->second);
        if (state != CarriedTableState::Missing && state != CarriedTableState::Differs)
            continue;
        const QString text = state == CarriedTableState::Missing
            ? msg::CarriedTableMissing + named(fluid)
            : msg::CarriedTableDiffers + fromStd(fluidFilePath(m_userFolder, fluid.name)) + " (" + fluid.sides + ")";
        show(Message {QMessageBox::Warning, msg::Title, text, {}, nullptr, msg::WriteCarriedTable,
            [this, name = fluid.name, table = carried->second, show, added] {
                try {
                    writeUserFluidTable(m_userFolder, name, table);
                } catch (const CalcError& error) {
                    show(QMessageBox::Warning, msg::Title, msg::CarriedTableNotWritten + fromStd(name),
                        fromStd(error.what()));
                    return;
                }
                if (added)
                    added();
            }});
    }
}

std::map<std::string, std::string> CaseFluidTables::toSave(
    const CaseContents& contents, const std::function<bool(const std::vector<std::string>&)>& ask)
{
    std::map<std::string, std::string> tables;
    std::vector<std::string> own;
    for (const CaseFluid& fluid : caseFluids(contents)) {
        if (holds(m_dataFolder, fluid.name))
            continue;
        if (holds(m_userFolder, fluid.name))
            own.push_back(fluid.name);
        else if (const auto carried = m_opened.find(fluid.name); carried != m_opened.end())
            tables.insert(*carried); // still missing here: kept as the case came
    }
    if (own.empty())
        return tables;
    const bool asked = std::ranges::all_of(
        own, [this](const std::string& name) { return std::ranges::find(m_asked, name) != m_asked.end(); });
    if (!m_include || !asked) {
        m_include = ask(own);
        m_asked = own;
    }
    if (!*m_include)
        return tables;
    for (const std::string& name : own) {
        try {
            // Only a table that loads is carried: the case file would be refused on opening otherwise.
            std::string text = readWholeFile(fluidFilePath(m_userFolder, name), kMaxCarriedTable, LastLink::Refuse);
            FluidTable check;
            readFluidTable(check, name, text);
            tables.emplace(name, std::move(text));
        } catch (const CalcError&) {
            // An unreadable table is not carried; calculating the case says why.
        }
    }
    return tables;
}

} // namespace vorlan
