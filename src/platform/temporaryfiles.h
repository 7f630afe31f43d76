#pragma once

#include <string>

namespace vorlan {

/**
 * The temporary files of a save: the file beside the target, hidden, named after it
 * (".NAME.XXXXXXXX.part", NAME cut to 200 bytes), that is renamed over the target once written.
 */

/** Where the temporary names of a target begin: its folder, then "." and its name cut to 200 bytes. */
std::string temporaryStem(const std::string& target);

/** Letters of the unique part of a temporary name. */
inline constexpr int kTemporaryLetters = 8;

/**
 * Removes what a save of the same target killed before its end left behind: the regular files
 * named as its temporary files, owned by this user and untouched for over a minute (a save still
 * running elsewhere is younger). Anything else, and any failure, is left alone.
 */
void removeStaleTemporaries(const std::string& target);

} // namespace vorlan
