#include "batchimport.h"

#include <charconv>
#include <cstdlib>
#include <iostream>
#include <nlohmann/json.hpp>

#include "batchfluids.h"
#include "batchreport.h"
#include "platform/calcerror.h"
#include "properties/fluidimport.h"
#include "properties/fluidtable.h"
#include "terminaltext.h"

namespace vorlan {

namespace {

/** The quantity of a word of --columns or --units: its name with '-' for blanks ("specific-heat"). */
int quantityOf(std::string word)
{
    std::ranges::replace(word, '-', ' ');
    for (int q = 0; q < kQuantities; ++q)
        if (quantityName(static_cast<FluidQuantity>(q)) == word)
            return q;
    return -1;
}

/** Reads "quantity=value,..." calling take(quantity, value) for each; false on a word it does not know. */
template <typename Take> bool readPairs(const std::string& text, Take take)
{
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        const std::string pair = text.substr(start, end - start);
        const std::size_t equals = pair.find('=');
        const int q = equals == std::string::npos ? -1 : quantityOf(pair.substr(0, equals));
        if (q < 0 || !take(q, pair.substr(equals + 1)))
            return false;
        start = end + 1;
    }
    return true;
}

bool readMapping(const ImportCommand& command, ImportMapping& mapping)
{
    if (!command.columns.empty())
        mapping.column.fill(-1);
    const bool columns = readPairs(command.columns, [&](int q, const std::string& value) {
        int column = 0;
        const auto result = std::from_chars(value.data(), value.data() + value.size(), column);
        mapping.column[static_cast<std::size_t>(q)] = column - 1;
        return result.ec == std::errc() && result.ptr == value.data() + value.size() && column >= 1;
    });
    return columns && readPairs(command.units, [&](int q, const std::string& value) {
        mapping.unit[static_cast<std::size_t>(q)] = findImportUnit(static_cast<FluidQuantity>(q), value);
        return mapping.unit[static_cast<std::size_t>(q)] >= 0;
    });
}

} // namespace

std::string defaultUserFluidFolder()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    if (dataHome != nullptr && *dataHome == '/')
        return std::string(dataHome) + "/vorlan/fluids";
    return home != nullptr && *home != '\0' ? std::string(home) + "/.local/share/vorlan/fluids" : std::string();
}

int importFluid(const ImportCommand& command, const std::string& dataFolder, const std::string& userFolder)
{
    ImportMapping mapping;
    if (!readMapping(command, mapping)) {
        printLine(std::cerr,
            "vorlan-batch: cannot read --columns \"" + command.columns + "\" or --units \"" + command.units
                + "\" (see --help)");
        return 2;
    }
    nlohmann::ordered_json line = {{"fluid", command.name}, {"file", nullptr}};
    ImportResult result;
    try {
        result = importFluidTable(readImportFile(command.file), mapping);
    } catch (const CalcError& error) {
        line["error"] = error.what();
        printLine(std::cout, jsonText(line));
        return 2;
    }
    const std::string nameProblem = userFolder.empty()
        ? "no folder for your fluids: HOME is not set (give one with --user-fluids)"
        : userFluidNameProblem(dataFolder, userFolder, command.name, command.replace);
    if (!nameProblem.empty())
        result.problems.insert(result.problems.begin(), {0, "the name: " + nameProblem});
    if (result.problems.empty()) {
        try {
            const std::string path = writeUserFluidTable(userFolder, command.name, result.records);
            FluidTable written;
            loadFluidTable(written, path);
            line["file"] = path;
            line["blocks"] = blocksOf(written);
        } catch (const CalcError& error) {
            result.problems.push_back({0, error.what()});
        }
    }
    line["notes"] = result.notes;
    line["problems"] = nlohmann::json::array();
    for (const ImportProblem& problem : result.problems) {
        nlohmann::ordered_json entry;
        entry["row"] = problem.line > 0 ? nlohmann::json(problem.line) : nlohmann::json(nullptr);
        entry["problem"] = problem.text;
        line["problems"].push_back(entry);
    }
    printLine(std::cout, jsonText(line));
    return result.problems.empty() ? 0 : 1;
}

} // namespace vorlan
