#include "platform/appdir.h"

#include <filesystem>
#include <system_error>

namespace vorlan {

std::string QuestaDirectory()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::filesystem::current_path(error).string();
    return program.parent_path().string();
}

} // namespace vorlan
