#pragma once

#include <ostream>
#include <string_view>

namespace vorlan {

/**
 * Prints one line with every control character escaped (see escapeControls), so that nothing
 * taken from a file reaches the terminal as an escape sequence. A JSON line stays valid JSON.
 */
void printLine(std::ostream& out, std::string_view text);

} // namespace vorlan
