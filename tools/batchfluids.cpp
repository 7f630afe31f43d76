#include "batchfluids.h"

#include <iostream>
#include <nlohmann/json.hpp>
#include <string_view>

#include "batchreport.h"
#include "platform/calcerror.h"
#include "properties/fluidblocks.h"
#include "properties/fluidlibrary.h"
#include "properties/fluidlist.h"
#include "properties/fluidname.h"
#include "terminaltext.h"

namespace vorlan {

nlohmann::ordered_json blocksOf(const FluidTable& table)
{
    nlohmann::ordered_json blocks = nlohmann::json::array();
    for (const FluidBlock& block : fluidBlocks(table))
        blocks.push_back(
            {{"pressure", block.pressure}, {"first", block.first}, {"last", block.last}, {"rows", block.rows}});
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
