#include "properties/importsource.h"

#include <algorithm>

#include "platform/numbertext.h"
#include "platform/textfile.h"
#include "platform/trimmed.h"

namespace vorlan {

namespace {

// A table to import is text of at most a few hundred thousand rows.
constexpr std::uintmax_t kMaxImportBytes = 64u << 20;

std::string cellText(std::string_view cell)
{
    cell = trimmed(cell);
    if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"')
        cell = trimmed(cell.substr(1, cell.size() - 2));
    return std::string(cell);
}

/** The cells of a line: split at every separator, or at runs of blanks when the separator is ' '. */
std::vector<std::string> cellsOf(std::string_view line, char separator)
{
    std::vector<std::string> cells;
    std::size_t start = 0;
    while (start <= line.size()) {
        if (separator == ' ') {
            start = line.find_first_not_of(" \t", start);
            if (start == std::string_view::npos)
                break;
        }
        const std::size_t end = separator == ' ' ? line.find_first_of(" \t", start) : line.find(separator, start);
        cells.push_back(cellText(line.substr(start, end == std::string_view::npos ? end : end - start)));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return cells;
}

bool allNumbers(const std::vector<std::string>& cells)
{
    double value = 0;
    return std::ranges::all_of(cells, [&](const std::string& cell) { return parseTypedNumber(cell, value); });
}

} // namespace

ImportSource readImportSource(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF")) // a spreadsheet's UTF-8 byte-order mark
        text.remove_prefix(3);
    // A tab-separated table (a spreadsheet's copy) may hold decimal commas: it splits at blanks.
    const auto holds = [&](char c) { return text.find(c) != std::string_view::npos; };
    const char separator = holds(';') ? ';' : !holds('\t') && holds(',') ? ',' : ' ';
    ImportSource source;
    int line = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view content = trimmed(text.substr(start, end - start));
        start = end + 1;
        ++line;
        if (content.empty() || content.front() == '#')
            continue;
        std::vector<std::string> cells = cellsOf(content, separator);
        source.columns = std::max(source.columns, static_cast<int>(cells.size()));
        if (source.rows.empty() && !allNumbers(cells))
            source.header = std::move(cells);
        else
            source.rows.push_back({line, std::move(cells)});
    }
    return source;
}

ImportSource readImportFile(const std::string& path) { return readImportSource(readWholeFile(path, kMaxImportBytes)); }

} // namespace vorlan
