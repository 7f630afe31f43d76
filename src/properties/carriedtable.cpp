#include "properties/carriedtable.h"

#include "platform/calcerror.h"
#include "platform/textfile.h"
#include "properties/fluidname.h"

namespace vorlan {

CarriedTableState carriedTableState(
    const std::string& dataFolder, const std::string& userFolder, const std::string& fluid, const std::string& text)
{
    if (hasFluidFile(dataFolder, fluid))
        return CarriedTableState::Shadowed;
    if (userFolder.empty() || !hasFluidFile(userFolder, fluid))
        return CarriedTableState::Missing;
    try {
        // One byte more than the case's table is enough to tell a longer file.
        const std::string held = readWholeFile(fluidFilePath(userFolder, fluid), text.size() + 1, LastLink::Refuse);
        return held == text ? CarriedTableState::Same : CarriedTableState::Differs;
    } catch (const CalcError&) {
        return CarriedTableState::Differs;
    }
}

} // namespace vorlan
