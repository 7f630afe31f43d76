#include "properties/fluidname.h"

#include <algorithm>
#include <cctype>
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

bool hasFluidFile(const std::string& folder, const std::string& fluido)
{
    std::error_code error;
    return std::filesystem::is_regular_file(fluidFilePath(folder, fluido), error);
}

std::string findFluidFile(const std::string& dataFolder, const std::string& userFolder, const std::string& fluido)
{
    if (userFolder.empty() || hasFluidFile(dataFolder, fluido) || !hasFluidFile(userFolder, fluido))
        return fluidFilePath(dataFolder, fluido);
    return fluidFilePath(userFolder, fluido);
}

std::vector<std::string> userFluidNames(const std::string& dataFolder, const std::string& userFolder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(userFolder, error)) {
        const std::filesystem::path& file = entry.path();
        if (file.extension() != ".dat" || !entry.is_regular_file(error))
            continue;
        const std::string stem = file.stem().string();
        try {
            if (!hasFluidFile(dataFolder, stem))
                names.push_back(stem);
        } catch (const CalcError&) {
            // A file whose name could not be typed as a fluid's is not offered.
        }
    }
    const auto lower = [](std::string text) {
        for (char& c : text)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    std::ranges::sort(names, [&](const std::string& a, const std::string& b) { return lower(a) < lower(b); });
    return names;
}

} // namespace vorlan
