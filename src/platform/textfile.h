#pragma once

#include <cstdint>
#include <string>

namespace vorlan {

/**
 * The bytes of a whole file, read and closed in one call. A missing, unreadable or folder path, or
 * a file larger than maxBytes, throws CalcError naming the path.
 */
std::string readWholeFile(const std::string& path, std::uintmax_t maxBytes);

/**
 * Replaces the file at path by the given bytes in one step: a temporary file beside it is written,
 * then renamed over it. A failure throws CalcError and leaves any previous file intact.
 */
void writeFileAtomically(const std::string& path, const std::string& bytes);

} // namespace vorlan
