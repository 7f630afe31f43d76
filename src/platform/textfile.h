#pragma once

#include <cstdint>
#include <string>

namespace vorlan {

/**
 * The bytes of a whole file, read and closed in one call. Only a regular file is read: a missing
 * file, a folder, a FIFO, a device, a path that cannot be searched, or a file larger than maxBytes
 * throw CalcError naming the path and what it is. A FIFO or device is never waited on.
 */
std::string readWholeFile(const std::string& path, std::uintmax_t maxBytes);

/**
 * Replaces the file at path by the given bytes in one step. A symbolic link at path is followed
 * and its target replaced, so the link stays. A temporary file with a unique name is created
 * exclusively in the target's folder (never through a link), written, flushed to disk, given the
 * old file's permissions and renamed over the target; then the folder is flushed. Any failure
 * throws CalcError, removes the temporary file and nothing else, and leaves the old file as it was.
 */
void writeFileAtomically(const std::string& path, const std::string& bytes);

} // namespace vorlan
