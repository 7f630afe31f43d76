#include "properties/fluiddescription.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "platform/calcerror.h"
#include "platform/textfile.h"
#include "platform/trimmed.h"
#include "properties/fluidlibrary.h"
#include "properties/fluidlist.h"

namespace vorlan {

namespace {

/** A description is a page or two of text; anything larger is not one. */
constexpr std::uintmax_t kMaxDescriptionBytes = 1 << 20;

constexpr std::array<std::string_view, 2> kPhaseEnds = {" liquid", " s.h. vapor"};

/**
 * Names the description writes for fluids the lists name otherwise. A name ending in '%' stands
 * for that fluid at every concentration.
 */
const std::array<std::pair<std::string_view, std::array<std::string_view, 2>>, 5> kAliases = {{
    {"Glycols", {"Ethylene Glycol %", "Propylene Glycol %"}}, {"CaCl2", {"Calcium Chloride %", ""}},
    {"NaCl", {"Sodium Chloride %", ""}}, {"K formate", {"Potassium Formate %", ""}},
    {"Water", {"Steam", ""}}, // the saturation line of water bounds the steam table
}};

/** A piece of the Markdown text. */
struct Piece {
    enum class Kind { Heading, Paragraph, Bullet, Table };
    Kind kind;
    std::string text; ///< lines joined by blanks; empty for a table
    std::string caption; ///< bullet: the paragraph before its list; table: the paragraph or bullet before it
    std::vector<std::vector<std::string>> rows; ///< a table's cells, header first, without its rule
};

std::string lower(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), [](unsigned char c) { return std::tolower(c); });
    return result;
}

/** The text without Markdown's code and emphasis marks. */
std::string plain(std::string_view text)
{
    std::string result;
    for (const char c : text)
        if (c != '`' && c != '*')
            result += c;
    return result;
}

/** The text without its remarks in parentheses that follow a blank ("R134a (both files)"), kept in "R1234ze(E)". */
std::string withoutRemarks(std::string_view text)
{
    std::string result;
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(' && (depth > 0 || (i > 0 && text[i - 1] == ' '))) {
            ++depth;
            continue;
        }
        if (depth > 0) {
            depth -= text[i] == ')' ? 1 : 0;
            continue;
        }
        if ((text[i] == ',' || text[i] == ';' || text[i] == '.') && result.ends_with(' '))
            result.pop_back(); // the blank before a dropped remark
        result += text[i];
    }
    return std::string(trimmed(result));
}

std::vector<std::string> split(std::string_view text, std::string_view separator)
{
    std::vector<std::string> parts;
    for (std::size_t at = text.find(separator); at != std::string_view::npos; at = text.find(separator)) {
        parts.emplace_back(trimmed(text.substr(0, at)));
        text.remove_prefix(at + separator.size());
    }
    parts.emplace_back(trimmed(text));
    return parts;
}

/** The text's lines, as they stand (their leading blanks tell a bullet's continuation). */
std::vector<std::string_view> linesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n')) {
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    lines.push_back(text);
    return lines;
}

std::vector<std::string> cellsOf(std::string_view line)
{
    line = trimmed(line);
    line.remove_prefix(1);
    if (line.ends_with('|'))
        line.remove_suffix(1);
    return split(line, "|");
}

bool isRule(const std::vector<std::string>& cells)
{
    return std::all_of(cells.begin(), cells.end(),
        [](const std::string& cell) { return !cell.empty() && cell.find_first_not_of("-: ") == std::string::npos; });
}

std::vector<Piece> piecesOf(std::string_view markdown)
{
    std::vector<Piece> pieces;
    std::string lastParagraph; // introduces the bullets that follow it
    std::string lastText; // introduces the table that follows it
    bool open = false; // the last piece still takes lines
    bool inTable = false;
    const auto close = [&] {
        if (open && pieces.back().kind == Piece::Kind::Paragraph)
            lastParagraph = pieces.back().text;
        if (open)
            lastText = pieces.back().text;
        open = false;
    };
    for (const std::string_view line : linesOf(markdown)) {
        const std::string_view text = trimmed(line);
        const bool tableLine = text.starts_with('|');
        if (!tableLine)
            inTable = false;
        if (text.empty()) {
            close();
        } else if (line.starts_with('#')) {
            close();
            pieces.push_back(
                {Piece::Kind::Heading, std::string(trimmed(text.substr(text.find_first_not_of('#')))), {}, {}});
            lastParagraph.clear();
            lastText.clear();
        } else if (tableLine) {
            close();
            if (!inTable)
                pieces.push_back({Piece::Kind::Table, {}, lastText, {}});
            inTable = true;
            if (std::vector<std::string> cells = cellsOf(text); !isRule(cells))
                pieces.back().rows.push_back(std::move(cells));
        } else if (line.starts_with("- ")) {
            close();
            pieces.push_back({Piece::Kind::Bullet, std::string(trimmed(text.substr(2))), lastParagraph, {}});
            open = true;
        } else if (open && (line.starts_with(' ') || pieces.back().kind == Piece::Kind::Paragraph)) {
            pieces.back().text += ' ';
            pieces.back().text += text;
        } else {
            close();
            pieces.push_back({Piece::Kind::Paragraph, std::string(text), {}, {}});
            open = true;
        }
    }
    return pieces;
}

/**
 * How closely the names the description gives ("R404A, R410A (pseudo-pure)", "Therminol 66,
 * VP-1, D12", "`Water.dat`") name the fluid: 2 by its very name, 1 as a fluid of two tables
 * ("R134a" for "R134a liquid") or by an alias, 0 not at all.
 */
int nameScore(std::string_view names, std::string_view fluid)
{
    std::string cleaned = withoutRemarks(plain(names));
    if (cleaned.ends_with(".dat"))
        cleaned.resize(cleaned.size() - 4);
    const std::vector<std::string> items = split(cleaned, ", ");
    const std::string stem = items.front().substr(0, items.front().find(' '));
    int score = 0;
    const auto check = [&](std::string_view name) {
        if (fluid == name)
            score = 2;
        for (const std::string_view end : kPhaseEnds)
            if (fluid.size() == name.size() + end.size() && fluid.starts_with(name) && fluid.ends_with(end))
                score = std::max(score, 1);
    };
    // An alias ending in '%' names the fluid at any concentration ("Ethylene Glycol 40%").
    const auto aliasNames = [fluid](std::string_view name) {
        if (!name.ends_with('%'))
            return !name.empty() && fluid == name;
        name.remove_suffix(1);
        return fluid.size() > name.size() && fluid.starts_with(name) && fluid.ends_with('%');
    };
    for (std::size_t i = 0; i < items.size(); ++i) {
        check(items[i]);
        if (i > 0) // "VP-1" after "Therminol 66"
            check(stem + " " + items[i]);
        for (const auto& [alias, meant] : kAliases)
            if (items[i] == alias && std::any_of(meant.begin(), meant.end(), aliasNames))
                score = std::max(score, 1);
    }
    return score;
}

/** Whether a paragraph's title ("Cyclohexane thermal conductivity", "Aqueous solutions") is about the fluid. */
bool titleNames(std::string_view title, std::string_view fluid, std::string_view group)
{
    std::string_view base = fluid;
    for (const std::string_view end : kPhaseEnds)
        if (base.ends_with(end))
            base.remove_suffix(end.size());
    const std::string heading = lower(title);
    const auto startsWith = [&heading](std::string_view start) {
        const std::string word = lower(start);
        return !word.empty() && heading.starts_with(word)
            && (heading.size() == word.size() || heading[word.size()] == ' ' || heading[word.size()] == '.');
    };
    return startsWith(base) || startsWith(group);
}

/** The text up to the end of its first sentence (". " before a capital letter), without an aside between dashes. */
std::string firstSentence(std::string_view text)
{
    constexpr std::string_view dash = " — ";
    if (const std::size_t open = text.find(dash); open != std::string_view::npos)
        if (const std::size_t close = text.find(dash, open + 1); close != std::string_view::npos)
            return firstSentence(std::string(text.substr(0, open)) + std::string(text.substr(close + dash.size() - 1)));
    for (std::size_t at = text.find(". "); at != std::string_view::npos; at = text.find(". ", at + 1))
        if (at + 2 < text.size() && std::isupper(static_cast<unsigned char>(text[at + 2])))
            return std::string(text.substr(0, at + 1));
    return std::string(text);
}

/** A check's caption as a heading: its remarks in parentheses and the closing colon dropped. */
std::string checkCaption(std::string_view caption)
{
    std::string text = withoutRemarks(plain(caption));
    while (!text.empty() && (text.back() == ':' || text.back() == ' '))
        text.pop_back();
    return text;
}

void readTable(const Piece& table, std::string_view fluid, FluidDescription& description)
{
    const std::vector<std::string>& header = table.rows.front();
    const auto has
        = [&header](std::string_view name) { return std::find(header.begin(), header.end(), name) != header.end(); };
    if (header.size() < 2 || (header[0] != "File" && header[0] != "Files") || has("Blocks"))
        return;
    if (has("Viscosity") && has("Thermal conductivity") && header.size() >= 4) {
        int best = 0;
        for (std::size_t r = 1; r < table.rows.size(); ++r) {
            const std::vector<std::string>& row = table.rows[r];
            const int score = row.size() >= 4 ? nameScore(row[0], fluid) : 0;
            if (score <= best)
                continue;
            best = score;
            const auto model = [&row](std::size_t column) { return plain(row[row[column] == "same" ? 1 : column]); };
            description.densityModel = model(1);
            description.viscosityModel = model(2);
            description.conductivityModel = model(3);
        }
        return;
    }
    FluidCheck check {checkCaption(table.caption), {}};
    for (std::size_t r = 1; r < table.rows.size(); ++r) {
        const std::vector<std::string>& row = table.rows[r];
        if (nameScore(row[0], fluid) == 0)
            continue;
        std::string finding;
        for (std::size_t c = 1; c < std::min(row.size(), header.size()); ++c)
            finding += (c > 1 ? "; " : "") + plain(header[c]) + ": " + plain(row[c]);
        check.findings.push_back(finding);
    }
    if (!check.findings.empty())
        description.checks.push_back(std::move(check));
}

} // namespace

std::string descriptionFileOf(std::string_view fluid)
{
    if (fluid != kUserDefinedFluid && std::find(kFluidNames.begin(), kFluidNames.end(), fluid) != kFluidNames.end())
        return "README.md";
    return libraryGroupOf(fluid).empty() ? std::string() : "fluid-library.md";
}

FluidDescription describeFluid(std::string_view markdown, std::string_view fluid, std::string_view group)
{
    FluidDescription description;
    std::string section;
    for (const Piece& piece : piecesOf(markdown)) {
        switch (piece.kind) {
        case Piece::Kind::Heading:
            section = piece.text;
            break;
        case Piece::Kind::Paragraph:
            if ((section == "Source" || section == "Sources") && description.origin.empty())
                description.origin = plain(firstSentence(piece.text));
            if (piece.text.starts_with("**")) {
                const std::size_t end = piece.text.find("**", 2);
                if (end != std::string::npos && titleNames(piece.text.substr(2, end - 2), fluid, group))
                    description.uncertainties.push_back(plain(piece.text));
            }
            break;
        case Piece::Kind::Bullet: {
            const std::size_t colon = piece.text.find(':');
            if (colon == std::string::npos || nameScore(piece.text.substr(0, colon), fluid) == 0)
                break;
            const std::string caption = lower(piece.caption);
            if (caption.starts_with("phase limits"))
                description.phaseLimits.push_back(plain(piece.text));
            else if (caption.find("uncertain") != std::string::npos)
                description.uncertainties.push_back(plain(piece.text));
            break;
        }
        case Piece::Kind::Table:
            readTable(piece, fluid, description);
            break;
        }
    }
    return description;
}

FluidDescription readFluidDescription(const std::string& dataFolder, std::string_view fluid)
{
    FluidDescription description;
    const std::string file = descriptionFileOf(fluid);
    if (file.empty())
        return description;
    try {
        description
            = describeFluid(readWholeFile(dataFolder + "/" + file, kMaxDescriptionBytes), fluid, libraryGroupOf(fluid));
    } catch (const CalcError& error) {
        description.error = error.what();
    }
    description.file = file;
    return description;
}

} // namespace vorlan
