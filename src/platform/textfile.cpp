#include "platform/textfile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/calcerror.h"

namespace vorlan {

std::string readWholeFile(const std::string& path, std::uintmax_t maxBytes)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        throw CalcError(path + ": the file does not exist");
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        throw CalcError(path + ": the file cannot be read");
    if (size > maxBytes)
        throw CalcError(path + ": the file is too large");
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw CalcError(path + ": the file cannot be opened");
    std::string bytes {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad())
        throw CalcError(path + ": the file cannot be read");
    return bytes;
}

void writeFileAtomically(const std::string& path, const std::string& bytes)
{
    const std::string temporary = path + ".part";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << bytes;
        file.flush();
        if (!file) {
            std::remove(temporary.c_str());
            throw CalcError(path + ": the file cannot be written");
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::remove(temporary.c_str());
        throw CalcError(path + ": the file cannot be replaced (" + error.message() + ")");
    }
}

} // namespace vorlan
