#include "platform/quotedtext.h"

#include <cstdint>

namespace vorlan {

namespace {

/** Length of the valid UTF-8 sequence at the start of text; 0 when its first byte starts none. */
std::size_t utf8Length(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    std::uint8_t low = 0x80, high = 0xBF; // range of the second byte, narrowed against overlong forms
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F; // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

void appendEscape(std::string& out, const char* prefix, unsigned value)
{
    constexpr char hex[] = "0123456789ABCDEF";
    out += prefix;
    out += hex[(value >> 4) & 0xF];
    out += hex[value & 0xF];
}

/** Appends one character (or one stray byte) of text at pos, escaped if need be; returns its length. */
std::size_t appendCharacter(std::string& out, std::string_view text, std::size_t pos)
{
    const std::string_view rest = text.substr(pos);
    const std::size_t length = utf8Length(rest);
    const auto lead = static_cast<std::uint8_t>(rest[0]);
    if (length == 0) {
        appendEscape(out, "\\x", lead);
        return 1;
    }
    if (length == 1 && (lead < 0x20 || lead == 0x7F)) {
        appendEscape(out, "\\u00", lead);
        return 1;
    }
    if (length == 2 && lead == 0xC2 && static_cast<std::uint8_t>(rest[1]) < 0xA0) {
        appendEscape(out, "\\u00", static_cast<std::uint8_t>(rest[1])); // C1 control
        return 2;
    }
    out.append(rest.substr(0, length));
    return length;
}

} // namespace

std::string escapeControls(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();)
        pos += appendCharacter(out, text, pos);
    return out;
}

std::string excerpt(std::string_view text)
{
    std::string out;
    std::size_t pos = 0;
    for (std::size_t characters = 0; pos < text.size() && characters < kMaxQuotedCharacters; ++characters)
        pos += appendCharacter(out, text, pos);
    if (pos < text.size())
        out += "\u2026";
    return out;
}

} // namespace vorlan
