#pragma once

#include <string>

namespace vorlan {

/**
 * The path of a fluid's table: the data folder, then the fluid name, then ".dat". The name is
 * used as it stands (case, blanks and "%" included) but must name a file of the data folder
 * itself: a name holding '/' or '\', a NUL or another control character, the names "." and "..",
 * and a name too long for a file throw CalcError saying why.
 */
std::string fluidFilePath(const std::string& dataFolder, const std::string& fluido);

} // namespace vorlan
