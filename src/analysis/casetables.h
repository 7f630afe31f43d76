#pragma once

#include <string>

#include "calc/casefile.h"
#include "properties/fluidtables.h"

namespace vorlan {

/**
 * Both fluid tables of a case, loaded afresh from the data folder and cut down to the block of
 * each side's selected pressure. The lookups raise segment ends as they go, so each analysis works
 * on tables of its own and never on the calculation's.
 */
class CaseTables {
public:
    /** Loads the fluids and pressures the case names; a table that cannot be read throws CalcError. */
    CaseTables(const CaseContents& contents, const std::string& dataFolder);
    CaseTables(const CaseTables&) = delete;
    CaseTables& operator=(const CaseTables&) = delete;

    FluidTables& fluids() { return m_fluids; }

private:
    FluidTables m_fluids;
};

} // namespace vorlan
