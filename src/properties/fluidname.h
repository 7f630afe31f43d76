#pragma once

#include <string>
#include <vector>

namespace vorlan {

/**
 * The path of a fluid's table: the data folder, then the fluid name, then ".dat". The name is
 * used as it stands (case, blanks and "%" included) but must name a file of the data folder
 * itself: a name holding '/' or '\', a NUL or another control character, the names "." and "..",
 * and a name too long for a file throw CalcError saying why.
 */
std::string fluidFilePath(const std::string& dataFolder, const std::string& fluido);

/** Whether folder holds the named fluid's file (the name follows the rule of fluidFilePath). */
bool hasFluidFile(const std::string& folder, const std::string& fluido);

/**
 * The file a fluid's table is read from: the program's data folder's when it has one, else the
 * user's fluid folder's when userFolder is given and has one, else the data folder's path (whose
 * load then reports the missing file). The name follows the rule of fluidFilePath.
 */
std::string findFluidFile(const std::string& dataFolder, const std::string& userFolder, const std::string& fluido);

/**
 * The fluids of the user's folder: the stems of its .dat files that follow the rule of
 * fluidFilePath and that the data folder does not shadow, in alphabetical order regardless of case.
 * None when the folder does not exist.
 */
std::vector<std::string> userFluidNames(const std::string& dataFolder, const std::string& userFolder);

} // namespace vorlan
