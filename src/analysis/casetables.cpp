#include "analysis/casetables.h"

#include <filesystem>
#include <map>
#include <mutex>

#include "correlations/kernels.h"

namespace vorlan {

namespace {

/** A fluid file's table as last read, with the size and modification time the file had then. */
struct ReadTable {
    std::filesystem::file_time_type modified;
    std::uintmax_t size = 0;
    FluidTable table;
};

/**
 * Reads a fluid file, or copies the table read from it before when its size and modification
 * time are unchanged. Parsing the files is most of an analysis' cost, and a study analyses the
 * same two files at every point; the copy is the same table a fresh read gives.
 */
void readFluidFile(FluidTable& table, const std::string& path)
{
    static std::mutex mutex;
    static std::map<std::string, ReadTable> read;
    std::error_code timeError, sizeError;
    const auto modified = std::filesystem::last_write_time(path, timeError);
    const auto size = std::filesystem::file_size(path, sizeError);
    const bool known = !timeError && !sizeError;
    const std::lock_guard lock(mutex);
    if (const auto it = read.find(path);
        known && it != read.end() && it->second.modified == modified && it->second.size == size) {
        table = it->second.table;
        return;
    }
    loadFluidTable(table, path);
    if (known)
        read[path] = {modified, size, table};
}

} // namespace

CaseTables::CaseTables(const CaseContents& contents, const std::string& dataFolder)
    : m_fluids(dataFolder)
{
    m_fluids.setPressures(contents.text("Combo4"), contents.text("Combo5"));
    const std::string internalFluid = contents.text("Combo1");
    const std::string externalFluid = contents.text("Combo2");
    readFluidFile(m_fluids.intSide.Tab, m_fluids.fluidPath(internalFluid));
    // The same fluid on both sides is read once.
    if (externalFluid == internalFluid)
        m_fluids.estSide.Tab = m_fluids.intSide.Tab;
    else
        readFluidFile(m_fluids.estSide.Tab, m_fluids.fluidPath(externalFluid));
    RiduciVettori(m_fluids);
}

} // namespace vorlan
