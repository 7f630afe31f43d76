#include "batchfluids.h"

#include <iostream>
#include <nlohmann/json.hpp>
#include <string_view>

#include "batchreport.h"
#include "platform/calcerror.h"
#include "properties/fluidlibrary.h"
#include "properties/fluidlist.h"
#include "properties/fluidname.h"
#include "properties/fluidtable.h"
#include "terminaltext.h"

namespace vorlan {

nlohmann::ordered_json blocksOf(const FluidTable& table)
{
    nlohmann::ordered_json blocks = nlohmann::json::array();
    std::size_t first = 0;
    for (std::size_t i = 1; i <= table.T.size(); ++i) {
        if (i < table.T.size() && table.P[i] == table.P[first])
            continue;
        blocks.push_back(
            {{"pressure", table.P[first]}, {"first", table.T[first]}, {"last", table.T[i - 1]}, {"rows", i - first}});
        first = i;
    }
    return blocks;
}

namespace {

void printFluid(
    const std::string& dataFolder, const std::string& userFolder, std::string_view fluid, std::string_view group)
{
    nlohmann::ordered_json line = {{"fluid", fluid}, {"group", group}};
    try {
        FluidTable table;
        loadFluidTable(table, findFluidFile(dataFolder, userFolder, std::string(fluid)));
        line["blocks"] = blocksOf(table);
    } catch (const CalcError& error) {
        line["error"] = error.what();
    }
    printLine(std::cout, jsonText(line));
}

} // namespace

int listFluids(const std::string& dataFolder, const std::string& userFolder)
{
    for (const std::string_view fluid : kFluidNames)
        printFluid(dataFolder, userFolder, fluid, "standard");
    for (const FluidGroup& group : fluidLibrary())
        for (const std::string_view fluid : group.fluids)
            printFluid(dataFolder, userFolder, fluid, group.heading);
    for (const std::string& fluid : userFluidNames(dataFolder, userFolder))
        printFluid(dataFolder, userFolder, fluid, "user");
    return 0;
}

} // namespace vorlan
