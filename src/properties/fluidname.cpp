#include "properties/fluidname.h"

#include <algorithm>
#include <filesystem>

#include "platform/calcerror.h"
#include "platform/quotedtext.h"

namespace vorlan {

namespace {

// The longest file name of the usual file systems, in bytes.
constexpr std::size_t kMaxFileName = 255;

bool isControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

} // namespace

std::string fluidFilePath(const std::string& dataFolder, const std::string& fluido)
{
    const auto refuse = [&](const char* why) {
        throw CalcError("fluid \"" + excerpt(fluido) + "\": " + why + "; it cannot name a file of the data folder");
    };
    if (fluido.find_first_of("/\\") != std::string::npos)
        refuse("the name holds a path separator");
    if (std::ranges::any_of(fluido, isControl))
        refuse("the name holds a control character");
    if (fluido == "." || fluido == "..")
        refuse("the name is a folder's");
    const std::string file = fluido + ".dat";
    if (file.size() > kMaxFileName)
        refuse("the name is too long");
    // With the rules above the file name is one component of a path: it stays in the folder.
    if (std::filesystem::path(file).filename() != file)
        refuse("the name is not a file name");
    return dataFolder + "/" + file;
}

} // namespace vorlan
