#pragma once

#include <cstdint>
#include <string>

namespace vorlan {

/** Whether a symbolic link that is the last component of a path is followed to its target. */
enum class LastLink { Follow, Refuse };

/**
 * The bytes of a whole file, read and closed in one call. Only a regular file is read: a missing
 * file, a folder, a FIFO, a device, a path that cannot be searched, or a file larger than maxBytes
 * throw CalcError naming the path and what it is. A FIFO or device is never waited on. With
 * LastLink::Refuse the file must lie in its folder itself: a symbolic link at the path is refused
 * without being followed, so nothing of the file it points to is read.
 */
std::string readWholeFile(const std::string& path, std::uintmax_t maxBytes, LastLink link = LastLink::Follow);

/**
 * Replaces the file at path by the given bytes in one step. A symbolic link at path is followed
 * and its target replaced, so the link stays. A temporary file with a unique name is created
 * exclusively in the target's folder (never through a link), written, flushed to disk, given the
 * old file's permissions and renamed over the target; then the folder is flushed. Temporary files
 * of the same target that a save killed midway left behind are removed (see removeStaleTemporaries). Any failure
 * throws CalcError, removes the temporary file and nothing else, and leaves the old file as it was.
 */
void writeFileAtomically(const std::string& path, const std::string& bytes);

} // namespace vorlan
