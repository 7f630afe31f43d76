#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

/** A table to import as read from its text: rows of cells, each with its line number in the file. */
struct ImportSource {
    struct Row {
        int line; ///< 1 for the file's first line, as an editor or a spreadsheet numbers it
        std::vector<std::string> cells;
    };
    std::vector<std::string> header; ///< the column names: the cells of the last line above the numbers
    std::vector<Row> rows;
    int columns = 0; ///< the most cells of a row or of the header
};

/**
 * Splits a table's text into rows of cells: ';' separates the cells when the text holds one, else
 * blanks and tabs when it holds a tab, else ',' when it holds one, else blanks; a decimal comma is
 * taken where ',' does not separate. Blank lines
 * and lines starting with '#' are skipped; the lines above the first one whose cells are all
 * numbers are the header. Cells lose their surrounding blanks and double quotes.
 */
ImportSource readImportSource(std::string_view text);

/** readImportSource of the file at path; a file that cannot be read throws CalcError. */
ImportSource readImportFile(const std::string& path);

} // namespace vorlan
