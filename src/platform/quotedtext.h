#pragma once

#include <string>
#include <string_view>

namespace vorlan {

/** Characters of a file's text that a message quotes at most. */
inline constexpr std::size_t kMaxQuotedCharacters = 80;

/**
 * The text with every control character written as an escape: C0 controls, DEL and the C1
 * controls U+0080 to U+009F as "\u001B", bytes that are not UTF-8 as "\xFF". Everything else,
 * other UTF-8 characters included, stays as it is. Safe to print to a terminal or a message.
 */
std::string escapeControls(std::string_view text);

/**
 * A text taken from a file, ready to be quoted in a message: its first 80 characters with their
 * control characters escaped, followed by "…" when the text is longer.
 */
std::string excerpt(std::string_view text);

} // namespace vorlan
