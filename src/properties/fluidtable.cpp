#include "properties/fluidtable.h"

#include <map>
#include <mutex>

#include "platform/calcerror.h"
#include "platform/datafile.h"
#include "platform/numbertext.h"

namespace vorlan {

namespace {

/** The value read, refused unless greater than zero: no fluid has a property of zero or less. */
double positive(double value, const char* property, const std::string& path, int record)
{
    if (!(value > 0))
        throw CalcError(path + ": record " + std::to_string(record) + ": the " + property + " "
            + numberToText(value, '.') + " is not greater than zero");
    return value;
}

/** The columns of a table as parsed from a file's bytes. */
struct ParsedTable {
    std::string bytes;
    FluidTable table;
};

/**
 * The last table parsed from each file. A file read again byte for byte the same gives the same
 * table, so its columns are copied instead of parsed again: parsing is most of a calculation's
 * cost, and every Calculate reads both tables.
 */
class ParsedTables {
public:
    bool copy(const std::string& path, const std::string& bytes, FluidTable& table)
    {
        const std::lock_guard lock(m_mutex);
        const auto it = m_parsed.find(path);
        if (it == m_parsed.end() || it->second.bytes != bytes)
            return false;
        table = it->second.table; // kept with its columns' order forgotten
        return true;
    }

    void keep(const std::string& path, const std::string& bytes, const FluidTable& table)
    {
        const std::lock_guard lock(m_mutex);
        ParsedTable& parsed = m_parsed[path];
        parsed.bytes = bytes;
        parsed.table = table;
        parsed.table.tOrder.reset();
        parsed.table.hOrder.reset();
    }

private:
    std::mutex m_mutex;
    std::map<std::string, ParsedTable> m_parsed;
};

ParsedTables& parsedTables()
{
    static ParsedTables tables;
    return tables;
}

} // namespace

void FluidTable::clear()
{
    T.clear();
    P.clear();
    Rho.clear();
    Cp.clear();
    K.clear();
    Mu.clear();
    H.clear();
    tOrder.reset();
    hOrder.reset();
    source.clear();
    firstRecord = 1;
}

namespace {

/** The records of reader into table (emptied first), or the parsed columns of an earlier read of the same bytes. */
void readRecords(FluidTable& table, const std::string& source, DataFileReader&& reader)
{
    if (parsedTables().copy(source, reader.text(), table))
        return;
    while (!reader.atEnd()) {
        if (table.lastRow() + 1 == kMaxFluidRows)
            throw CalcError(source + ": more than " + std::to_string(kMaxFluidRows) + " records");
        const int record = table.lastRow() + 2;
        const double t = reader.readNumber();
        const float p = toSingle(reader.readNumber());
        const double rho = positive(reader.readNumber(), "density", source, record);
        const double cp = positive(reader.readNumber(), "specific heat", source, record);
        const double k = positive(reader.readNumber(), "conductivity", source, record);
        const double mu = positive(reader.readNumber(), "viscosity", source, record);
        const double h = reader.readNumber();
        table.T.push_back(t);
        table.P.push_back(p);
        table.Rho.push_back(rho);
        table.Cp.push_back(cp);
        table.K.push_back(k);
        table.Mu.push_back(mu);
        table.H.push_back(h);
    }
    if (table.T.empty())
        throw CalcError(source + ": the file holds no record");
    table.source = source;
    parsedTables().keep(source, reader.text(), table);
}

} // namespace

void loadFluidTable(FluidTable& table, const std::string& path)
{
    // The columns keep their storage from the previous load, so a reload allocates nothing.
    table.clear();
    try {
        readRecords(table, path, DataFileReader(path));
    } catch (...) {
        table.clear();
        throw;
    }
}

void readFluidTable(FluidTable& table, const std::string& source, std::string text)
{
    table.clear();
    try {
        readRecords(table, source, DataFileReader::ofText(source, std::move(text)));
    } catch (...) {
        table.clear();
        throw;
    }
}

} // namespace vorlan
