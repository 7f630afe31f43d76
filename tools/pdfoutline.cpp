#include "pdfoutline.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

namespace vorlan {

namespace {

/** A PDF text string: UTF-16BE with its byte-order mark, in hexadecimal. */
std::string pdfText(const std::string& utf8)
{
    std::u32string points;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const int length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        char32_t point = length == 1 ? c : c & (0x7F >> length);
        for (int k = 1; k < length && i + k < utf8.size(); ++k)
            point = (point << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        points.push_back(point);
        i += length;
    }
    std::string hex = "<FEFF";
    char unit[8]; // four hexadecimal digits of a UTF-16 unit; room for what the compiler cannot rule out
    for (char32_t point : points) {
        if (point > 0xFFFF) { // a surrogate pair
            point -= 0x10000;
            std::snprintf(unit, sizeof unit, "%04X", unsigned(0xD800 + (point >> 10)));
            hex += unit;
            point = 0xDC00 + (point & 0x3FF);
        }
        std::snprintf(unit, sizeof unit, "%04X", unsigned(point));
        hex += unit;
    }
    return hex + ">";
}

/** The first number the pattern captures in the text, or -1. */
long captured(const std::string& text, const std::string& pattern)
{
    std::smatch match;
    return std::regex_search(text, match, std::regex(pattern)) ? std::stol(match[1]) : -1;
}

/** The text of object "number 0 obj" up to its "endobj", or "". */
std::string objectText(const std::string& pdf, long number)
{
    const std::string start = "\n" + std::to_string(number) + " 0 obj";
    const std::size_t from = pdf.rfind(start);
    const std::size_t to = from == std::string::npos ? from : pdf.find("endobj", from);
    return to == std::string::npos ? std::string() : pdf.substr(from + start.size(), to - from - start.size());
}

} // namespace

std::string appendOutline(const std::string& pdfPath, const std::vector<OutlineEntry>& entries)
{
    std::ifstream in(pdfPath, std::ios::binary);
    const std::string pdf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t trailerAt = pdf.rfind("trailer");
    if (trailerAt == std::string::npos)
        return "no trailer";
    const std::string trailer = pdf.substr(trailerAt);
    const long size = captured(trailer, R"(/Size\s+(\d+))");
    const long root = captured(trailer, R"(/Root\s+(\d+)\s+0\s+R)");
    const long info = captured(trailer, R"(/Info\s+(\d+)\s+0\s+R)");
    const long previous = captured(trailer, R"(startxref\s+(\d+))");
    std::string catalog = objectText(pdf, root);
    const long pages = captured(catalog, R"(/Pages\s+(\d+)\s+0\s+R)");
    const std::string pageTree = objectText(pdf, pages);
    std::vector<long> kids;
    const std::size_t open = pageTree.find('['), close = pageTree.find(']');
    if (open != std::string::npos && close != std::string::npos) {
        std::istringstream list(pageTree.substr(open + 1, close - open - 1));
        for (std::string number, generation, reference; list >> number >> generation >> reference;)
            kids.push_back(std::stol(number));
    }
    if (size < 0 || root < 0 || previous < 0 || pages < 0 || kids.empty() || catalog.rfind(">>") == std::string::npos)
        return "not a PDF of one page tree";

    // Object numbers: the outline's root at size, entry i at size + 1 + i.
    const long first = size + 1;
    const auto number = [first](std::size_t i) { return first + static_cast<long>(i); };
    // Each entry's parent among the entries; entries.size() stands for the outline's root.
    const std::size_t top = entries.size();
    std::vector<std::size_t> parent(entries.size(), top);
    std::vector<std::vector<std::size_t>> children(entries.size() + 1);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].page < 0 || entries[i].page >= static_cast<int>(kids.size()))
            return "a heading lies past the last page";
        for (std::size_t k = i; k-- > 0;)
            if (entries[k].level < entries[i].level) {
                parent[i] = k;
                break;
            }
        children[parent[i]].push_back(i);
    }
    const auto object = [&](std::size_t i) { return std::to_string(i == top ? size : number(i)) + " 0 R"; };

    std::string update = "\n";
    std::vector<std::pair<long, std::size_t>> offsets;
    const auto add = [&](long object, const std::string& body) {
        offsets.emplace_back(object, pdf.size() + update.size());
        update += std::to_string(object) + " 0 obj\n" + body + "\nendobj\n";
    };
    const auto ends = [&](const std::vector<std::size_t>& list) {
        return list.empty() ? std::string()
                            : "/First " + object(list.front()) + " /Last " + object(list.back()) + " /Count "
                + std::to_string(list.size()) + "\n";
    };
    catalog.insert(catalog.rfind(">>"), "/Outlines " + std::to_string(size) + " 0 R\n/PageMode /UseOutlines\n");
    add(root, catalog);
    add(size, "<<\n/Type /Outlines\n" + ends(children[top]) + ">>");
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::vector<std::size_t>& siblings = children[parent[i]];
        const auto at = static_cast<std::size_t>(std::find(siblings.begin(), siblings.end(), i) - siblings.begin());
        std::string body = "<<\n/Title " + pdfText(entries[i].title) + "\n/Parent " + object(parent[i]) + "\n/Dest ["
            + std::to_string(kids[static_cast<std::size_t>(entries[i].page)]) + " 0 R /XYZ 0 "
            + std::to_string(static_cast<long>(entries[i].top)) + " 0]\n";
        if (at > 0)
            body += "/Prev " + object(siblings[at - 1]) + "\n";
        if (at + 1 < siblings.size())
            body += "/Next " + object(siblings[at + 1]) + "\n";
        add(number(i), body + ends(children[i]) + ">>");
    }

    const std::size_t xref = pdf.size() + update.size();
    update += "xref\n";
    char line[32];
    for (const auto& [object, offset] : offsets) {
        if (object == root || object == size)
            update += std::to_string(object) + " " + std::to_string(object == size ? 1 + entries.size() : 1) + "\n";
        std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
        update += line;
    }
    update += "trailer\n<<\n/Size " + std::to_string(first + static_cast<long>(entries.size())) + "\n/Root "
        + std::to_string(root) + " 0 R\n" + (info >= 0 ? "/Info " + std::to_string(info) + " 0 R\n" : "") + "/Prev "
        + std::to_string(previous) + "\n>>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    std::ofstream out(pdfPath, std::ios::binary | std::ios::app);
    out << update;
    return out.flush() ? std::string() : "cannot write " + pdfPath;
}

} // namespace vorlan
