#include "platform/quotedtext.h"

#include <gtest/gtest.h>

namespace vorlan {
namespace {

std::string repeat(const std::string& text, int times)
{
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

TEST(QuotedText, ControlCharactersAreEscapedAndTheRestKept)
{
    const struct {
        const char* name;
        std::string text;
        std::string expected;
    } rows[] = {
        {"plain text", "Ethylene Glycol 30%", "Ethylene Glycol 30%"},
        {"terminal colour sequence", "\x1b[31mred", "\\u001B[31mred"},
        {"bell, tab and line breaks", "a\a\tb\r\nc", "a\\u0007\\u0009b\\u000D\\u000Ac"},
        {"NUL", std::string("Water\0", 6), "Water\\u0000"},
        {"DEL", "x\x7f", "x\\u007F"},
        {"C1 control CSI (U+009B) in UTF-8",
            "\xc2\x9b"
            "2J",
            "\\u009B2J"},
        {"characters beyond ASCII stay",
            "K\xc3\xa4ltemittel \xc2\xb0"
            "C \xe2\x80\xa6",
            "K\xc3\xa4ltemittel \xc2\xb0"
            "C \xe2\x80\xa6"},
        {"a lone 8-bit CSI byte",
            "\x9b"
            "2J",
            "\\x9B2J"},
        {"overlong NUL", "\xc0\x80", "\\xC0\\x80"},
        {"UTF-16 surrogate", "\xed\xa0\x80", "\\xED\\xA0\\x80"},
        {"sequence cut at the end", "a\xe2\x80", "a\\xE2\\x80"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(escapeControls(row.text), row.expected) << row.name;
}

TEST(QuotedText, AnExcerptHoldsAtMost80CharactersAndMarksACut)
{
    const std::string html = "<img src=\"file:///etc/passwd\"><b>" + std::string(870 * 1024, 'A') + "</b>";
    const struct {
        const char* name;
        std::string text;
        std::string expected;
    } rows[] = {
        {"short text", "lenght", "lenght"},
        {"exactly 80 characters", std::string(80, 'k'), std::string(80, 'k')},
        {"81 characters", std::string(81, 'k'), std::string(80, 'k') + "\u2026"},
        {"870 KB of HTML", html, html.substr(0, 80) + "\u2026"},
        // Cut after the 80th character, not the 80th byte: an umlaut takes two bytes.
        {"two-byte characters", repeat("x", 50) + repeat("\xc3\xa4", 50),
            repeat("x", 50) + repeat("\xc3\xa4", 30) + "\u2026"},
        {"escapes do not count against the limit", repeat("\x1b", 80), repeat("\\u001B", 80)},
    };
    for (const auto& row : rows)
        EXPECT_EQ(excerpt(row.text), row.expected) << row.name;
}

} // namespace
} // namespace vorlan
