#include "platform/temporaryfiles.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlan {

namespace {

constexpr std::time_t kStaleSeconds = 60;
constexpr char kSuffix[] = ".part";

/** Whether a file name is one of the temporary names that begin with prefix. */
bool isTemporaryName(std::string_view name, std::string_view prefix)
{
    const std::size_t length = prefix.size() + 1 + kTemporaryLetters + (sizeof kSuffix - 1);
    if (name.size() != length || !name.starts_with(prefix) || !name.ends_with(kSuffix) || name[prefix.size()] != '.')
        return false;
    const std::string_view unique = name.substr(prefix.size() + 1, kTemporaryLetters);
    return std::ranges::all_of(unique, [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

} // namespace

std::string temporaryStem(const std::string& target)
{
    const std::filesystem::path file(target);
    // Short enough for a file name even beside a target whose name is at the limit.
    return (file.parent_path() / ("." + file.filename().string().substr(0, 200))).string();
}

void removeStaleTemporaries(const std::string& target)
{
    const std::filesystem::path stem(temporaryStem(target));
    const std::string prefix = stem.filename().string();
    const std::string folder = stem.parent_path().empty() ? "." : stem.parent_path().string();
    const std::unique_ptr<DIR, int (*)(DIR*)> directory(::opendir(folder.c_str()), ::closedir);
    if (!directory)
        return;
    const int fd = ::dirfd(directory.get());
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(directory.get())) {
        if (!isTemporaryName(entry->d_name, prefix))
            continue;
        struct stat status { };
        if (::fstatat(fd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(status.st_mode)
            && status.st_uid == ::geteuid() && now - status.st_mtime > kStaleSeconds)
            ::unlinkat(fd, entry->d_name, 0);
    }
}

} // namespace vorlan
