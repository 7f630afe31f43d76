#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "calc/casecontents.h"
#include "ui/messagehandler.h"

namespace vorlan {

/**
 * The tables of the user's own fluids that a case carries, so that it can be sent to a colleague:
 * on open, a message for each of the case's fluids that neither folder has and the case does not
 * carry, and an offer to add a carried table that the user's folder lacks or holds otherwise; on
 * save, the tables to carry, after asking once whether to.
 */
class CaseFluidTables {
public:
    CaseFluidTables(std::string dataFolder, std::string userFolder);

    /** After New: nothing carried, nothing asked. */
    void reset();

    /**
     * After a case is opened: keeps its tables for its saves, and says what is missing or offers
     * what it carries with show; added runs after a table has been added to the user's folder.
     */
    void opened(const CaseContents& contents, const MessageHandler& show, const std::function<void()>& added);

    /**
     * The tables a save of contents carries. For the user's fluids of its sides, ask(their names)
     * says whether to include their tables, asked again only for another set of fluids; a table the
     * opened case carried of a fluid no folder has is kept.
     */
    std::map<std::string, std::string> toSave(
        const CaseContents& contents, const std::function<bool(const std::vector<std::string>&)>& ask);

private:
    std::string m_dataFolder;
    std::string m_userFolder;
    std::map<std::string, std::string> m_opened; ///< the tables the opened case carried
    std::vector<std::string> m_asked; ///< the user's fluids the last answer was given for
    std::optional<bool> m_include; ///< the last answer; none before the first question
};

} // namespace vorlan
