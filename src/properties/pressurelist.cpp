#include "properties/pressurelist.h"

#include "platform/numbertext.h"

namespace vorlan {

std::vector<std::string> pressureList(const FluidTable& table)
{
    std::vector<std::string> entries;
    if (table.P.empty())
        return entries;
    entries.push_back(numberToText(table.P[0]));
    for (std::size_t i = 1; i + 1 < table.P.size(); ++i) {
        if (table.P[i] != table.P[i - 1])
            entries.push_back(numberToText(table.P[i]));
    }
    return entries;
}

} // namespace vorlan
