#include "properties/fluidimport.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <filesystem>
#include <numeric>
#include <set>

#include "platform/calcerror.h"
#include "platform/datafile.h"
#include "platform/numbertext.h"
#include "platform/quotedtext.h"
#include "platform/textfile.h"
#include "properties/fluidname.h"
#include "properties/fluidtable.h"

namespace vorlan {

namespace {

constexpr auto kT = static_cast<std::size_t>(FluidQuantity::Temperature);
constexpr auto kP = static_cast<std::size_t>(FluidQuantity::Pressure);
constexpr auto kCp = static_cast<std::size_t>(FluidQuantity::SpecificHeat);
constexpr auto kH = static_cast<std::size_t>(FluidQuantity::Enthalpy);

/** A row of the source whose mapped cells are all numbers, in the program's units. */
struct Row {
    const ImportSource::Row* source;
    std::array<double, kQuantities> value {};
};

/** Rows [first, last) of the converted rows that share one pressure. */
struct Block {
    std::size_t first, last;
    std::size_t size() const { return last - first; }
};

std::string rowText(int line) { return "row " + std::to_string(line); }

/** value rounded to the given number of significant digits. */
double roundSignificant(double value, int digits)
{
    const double scale = std::pow(10.0, digits - 1 - static_cast<int>(std::floor(std::log10(std::fabs(value)))));
    return std::round(value * scale) / scale;
}

class TableImport {
public:
    TableImport(const ImportSource& source, const ImportMapping& mapping)
        : m_source(source)
        , m_mapping(mapping)
    { }

    ImportResult run()
    {
        checkMapping();
        if (!m_result.problems.empty())
            return std::move(m_result);
        if (m_source.rows.empty())
            problem(0, "the file holds no row of numbers");
        for (const ImportSource::Row& row : m_source.rows)
            convert(row);
        formBlocks();
        if (!m_result.problems.empty())
            return std::move(m_result);
        if (m_mapping.column[kH] < 0)
            integrateEnthalpy();
        if (m_rows.size() > static_cast<std::size_t>(kMaxFluidRows))
            resample();
        if (m_result.problems.empty())
            writeRecords();
        return std::move(m_result);
    }

private:
    void problem(int line, std::string text) { m_result.problems.push_back({line, std::move(text)}); }

    std::string name(std::size_t q) const { return std::string(quantityName(static_cast<FluidQuantity>(q))); }

    /** The source's text of a quantity of a row with its unit, as "122 °F". */
    std::string quoted(const Row& row, std::size_t q) const
    {
        const ImportUnit& unit
            = importUnits(static_cast<FluidQuantity>(q)).at(static_cast<std::size_t>(m_mapping.unit[q]));
        return row.source->cells[static_cast<std::size_t>(m_mapping.column[q])] + " " + std::string(unit.label);
    }

    void checkMapping()
    {
        for (std::size_t q = 0; q < kQuantities; ++q) {
            const int column = m_mapping.column[q];
            const auto units = static_cast<int>(importUnits(static_cast<FluidQuantity>(q)).size());
            if (m_mapping.unit[q] < 0 || m_mapping.unit[q] >= units)
                problem(0, "no unit is chosen for the " + name(q));
            if (column < 0) {
                if (q != kH)
                    problem(0, "no column is chosen for the " + name(q));
                continue;
            }
            if (column >= m_source.columns)
                problem(0,
                    "the " + name(q) + " is given column " + std::to_string(column + 1) + ", but the file has "
                        + std::to_string(m_source.columns));
            for (std::size_t before = 0; before < q; ++before)
                if (m_mapping.column[before] == column)
                    problem(0,
                        "column " + std::to_string(column + 1) + " is given to both the " + name(before) + " and the "
                            + name(q));
        }
    }

    void convert(const ImportSource::Row& source)
    {
        Row row {&source};
        bool numbers = true;
        for (std::size_t q = 0; q < kQuantities; ++q) {
            const int column = m_mapping.column[q];
            if (column < 0)
                continue;
            const auto cell = static_cast<std::size_t>(column);
            double value = 0;
            if (cell >= source.cells.size() || source.cells[cell].empty()) {
                problem(source.line, "no " + name(q) + " in column " + std::to_string(column + 1));
                numbers = false;
                continue;
            }
            if (!parseTypedNumber(source.cells[cell], value)) {
                problem(source.line, "the " + name(q) + " \"" + excerpt(source.cells[cell]) + "\" is not a number");
                numbers = false;
                continue;
            }
            value = toProgramUnit(static_cast<FluidQuantity>(q), m_mapping.unit[q], value);
            row.value[q] = value;
            const bool positive = q != kT && q != kH;
            if (positive && !(value > 0)) {
                problem(source.line, "the " + name(q) + " " + quoted(row, q) + " is not greater than zero");
                numbers = false;
            } else if (q == kP && m_mapping.unit[q] != 0) {
                row.value[q] = roundSignificant(value, 5);
            }
            if (q == kP && !(row.value[q] < FLT_MAX)) {
                problem(source.line, "the pressure " + quoted(row, q) + " is too large");
                numbers = false;
            }
        }
        if (numbers)
            m_rows.push_back(row);
    }

    /** One block a pressure, in rising pressure; temperature (and a given enthalpy) rising within a block. */
    void formBlocks()
    {
        std::set<float> seen;
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            const Row& row = m_rows[i];
            const auto pressure = static_cast<float>(row.value[kP]);
            if (i > 0 && pressure == static_cast<float>(m_rows[i - 1].value[kP])) {
                m_blocks.back().last = i + 1;
                rising(m_rows[i - 1], row, kT);
                if (m_mapping.column[kH] >= 0)
                    rising(m_rows[i - 1], row, kH);
                continue;
            }
            if (seen.contains(pressure))
                problem(row.source->line,
                    "the pressure " + quoted(row, kP)
                        + " comes back after other pressures; the rows of one pressure must follow one another");
            else if (!seen.empty() && pressure < *seen.rbegin())
                problem(row.source->line,
                    "the pressure " + quoted(row, kP) + " is lower than the block before it ("
                        + quoted(m_rows[i - 1], kP) + "); the blocks must go up in pressure");
            seen.insert(pressure);
            m_blocks.push_back({i, i + 1});
        }
        for (const Block& block : m_blocks)
            if (block.size() < 2)
                problem(m_rows[block.first].source->line,
                    "the pressure " + quoted(m_rows[block.first], kP)
                        + " has this one row; a pressure needs at least two rows");
    }

    void rising(const Row& before, const Row& row, std::size_t q)
    {
        if (!(row.value[q] > before.value[q]))
            problem(row.source->line,
                "the " + name(q) + " " + quoted(row, q) + " is not above the " + quoted(before, q) + " of "
                    + rowText(before.source->line) + "; it must rise within a pressure's rows");
    }

    /** h [kJ/kg] = integral of cp [kJ/(kg K)] dT [K] by the trapezoid rule, zero at each block's first row. */
    void integrateEnthalpy()
    {
        for (const Block& block : m_blocks) {
            m_rows[block.first].value[kH] = 0;
            for (std::size_t i = block.first + 1; i < block.last; ++i) {
                const Row& a = m_rows[i - 1];
                Row& b = m_rows[i];
                b.value[kH] = a.value[kH] + 0.5 * (a.value[kCp] + b.value[kCp]) * (b.value[kT] - a.value[kT]);
            }
        }
        m_result.notes.emplace_back("the enthalpy is integrated from the specific heat (trapezoid rule), zero at the "
                                    "first row of each pressure");
    }

    /** Keeps kMaxFluidRows rows: each block its share, at least two, evenly spread from its first row to its last. */
    void resample()
    {
        const std::size_t limit = kMaxFluidRows, total = m_rows.size();
        if (2 * m_blocks.size() > limit) {
            problem(0,
                std::to_string(m_blocks.size()) + " pressures of at least two rows are more than the "
                    + std::to_string(limit) + " rows a fluid table holds");
            return;
        }
        std::vector<std::size_t> kept;
        for (const Block& block : m_blocks)
            kept.push_back(std::max<std::size_t>(2, block.size() * limit / total));
        const auto sum = [&] { return std::accumulate(kept.begin(), kept.end(), std::size_t {0}); };
        while (sum() > limit)
            --*std::ranges::max_element(kept);
        // Rows left over go one by one to the block that keeps the smallest share of its rows.
        const auto share = [&](std::size_t b) { return static_cast<double>(kept[b]) / m_blocks[b].size(); };
        while (sum() < limit) {
            std::size_t least = 0;
            for (std::size_t b = 1; b < kept.size(); ++b)
                if (share(b) < share(least))
                    least = b;
            ++kept[least];
        }
        std::vector<Row> rows;
        for (std::size_t b = 0; b < m_blocks.size(); ++b) {
            const Block& block = m_blocks[b];
            for (std::size_t j = 0; j < kept[b]; ++j) {
                const double at = static_cast<double>(j * (block.size() - 1)) / static_cast<double>(kept[b] - 1);
                rows.push_back(m_rows[block.first + static_cast<std::size_t>(std::lround(at))]);
            }
        }
        m_result.notes.push_back("the file's " + std::to_string(total) + " rows are more than the "
            + std::to_string(limit) + " a fluid table holds: " + std::to_string(rows.size())
            + " of them are kept, evenly spread over each pressure's rows with its first and last");
        m_rows = std::move(rows);
    }

    void writeRecords()
    {
        for (const Row& row : m_rows) {
            std::vector<std::string> record;
            for (std::size_t q = 0; q < kQuantities; ++q)
                record.push_back(
                    q == kP ? numberToText(static_cast<float>(row.value[q]), '.') : numberToText(row.value[q], '.'));
            m_result.records.push_back(std::move(record));
        }
    }

    const ImportSource& m_source;
    const ImportMapping& m_mapping;
    ImportResult m_result;
    std::vector<Row> m_rows;
    std::vector<Block> m_blocks;
};

} // namespace

std::string problemText(const ImportProblem& problem)
{
    return problem.line > 0 ? rowText(problem.line) + ": " + problem.text : problem.text;
}

ImportResult importFluidTable(const ImportSource& source, const ImportMapping& mapping)
{
    ImportResult result = TableImport(source, mapping).run();
    std::ranges::stable_sort(result.problems, {}, &ImportProblem::line);
    return result;
}

std::string userFluidNameProblem(
    const std::string& dataFolder, const std::string& userFolder, const std::string& name, bool replace)
{
    if (name.empty())
        return "the fluid has no name";
    try {
        if (hasFluidFile(dataFolder, name))
            return "the program has a fluid \"" + excerpt(name) + "\" already; give yours another name";
        if (!replace && hasFluidFile(userFolder, name))
            return "your fluids hold a \"" + excerpt(name) + "\" already";
    } catch (const CalcError& error) {
        return error.what();
    }
    return {};
}

std::string writeUserFluidTable(
    const std::string& userFolder, const std::string& name, const std::vector<std::vector<std::string>>& records)
{
    return writeUserFluidTable(userFolder, name, dataFileText(records));
}

std::string writeUserFluidTable(const std::string& userFolder, const std::string& name, const std::string& text)
{
    std::error_code error;
    std::filesystem::create_directories(userFolder, error);
    if (error)
        throw CalcError("cannot create the folder " + userFolder + ": " + error.message());
    const std::string path = fluidFilePath(userFolder, name);
    writeFileAtomically(path, text);
    return path;
}

} // namespace vorlan
