#include "fuzzfile.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

std::string fuzzFolder()
{
    static const std::string folder = [] {
        const auto path = std::filesystem::temp_directory_path() / ("vorlan-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        return path.string();
    }();
    return folder;
}

std::string fuzzFile(const std::uint8_t* data, std::size_t size, const std::string& name)
{
    const std::string path = fuzzFolder() + "/" + name;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
    return path;
}
