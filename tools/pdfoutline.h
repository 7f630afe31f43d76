#pragma once

#include <string>
#include <vector>

namespace vorlan {

/** A heading of the guide as a bookmark: its level (1 the top), title and place in the PDF. */
struct OutlineEntry {
    int level = 1;
    std::string title; ///< UTF-8
    int page = 0; ///< from 0
    double top = 0; ///< of the heading, in points from the page's bottom edge
};

/**
 * Adds the entries as the document's bookmarks (its outline) to a PDF file, as an incremental
 * update at its end, and opens the bookmarks beside the pages. An entry lies under the last one
 * before it of a lower level. Returns "" or why the file could not be extended.
 */
std::string appendOutline(const std::string& pdfPath, const std::vector<OutlineEntry>& entries);

} // namespace vorlan
