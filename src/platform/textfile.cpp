#include "platform/textfile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/calcerror.h"
#include "platform/temporaryfiles.h"

namespace vorlan {

namespace {

/** A file descriptor closed when it goes out of scope, unless closed and checked before. */
class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    { }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }
    /** Closes the descriptor; false when the close reports an error (a write the disk refused). */
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

/** What a path that is not a regular file is, for a message. */
std::string kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "it is a folder, not a file";
    if (S_ISFIFO(mode))
        return "it is a pipe (FIFO), not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "it is a device, not a file";
    if (S_ISSOCK(mode))
        return "it is a socket, not a file";
    return "it is not a regular file";
}

/** Why a system call on a path failed, for a message. */
std::string reason(int error)
{
    switch (error) {
    case ENOENT:
        return "the file does not exist";
    case EACCES:
    case EPERM:
        return "permission denied (the file or a folder on its path is not accessible)";
    case ENOTDIR:
        return "a part of its path is not a folder";
    case ELOOP:
        return "too many symbolic links";
    case ENAMETOOLONG:
        return "the name is too long";
    default:
        return std::strerror(error);
    }
}

[[noreturn]] void fail(const std::string& path, const std::string& what) { throw CalcError(path + ": " + what); }

/** The file a path names once symbolic links are followed; the path itself when it is no link. */
std::string followLinks(const std::string& path)
{
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat status { };
        if (::lstat(current.c_str(), &status) != 0) {
            if (errno == ENOENT)
                return current; // a new file, or a link to one
            fail(path, reason(errno));
        }
        if (!S_ISLNK(status.st_mode))
            return current;
        std::error_code error;
        const std::filesystem::path target = std::filesystem::read_symlink(current, error);
        if (error)
            fail(path, "the symbolic link cannot be read (" + error.message() + ")");
        current
            = target.is_absolute() ? target.string() : (std::filesystem::path(current).parent_path() / target).string();
    }
    fail(path, reason(ELOOP));
}

/** Creates a new file with a unique name beside target, exclusively and never through a link. */
int createTemporary(const std::string& target, mode_t mode, std::string& temporary)
{
    const std::string stem = temporaryStem(target);
    constexpr char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = stem + ".";
        for (int i = 0; i < kTemporaryLetters; ++i)
            temporary += letters[pick(random)];
        temporary += ".part";
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

/** Writes all bytes; false on the first failed write. */
bool writeAll(int fd, const std::string& bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

std::string readWholeFile(const std::string& path, std::uintmax_t maxBytes, LastLink link)
{
    // Checked before opening, so that opening has no effect on a device, and again on the open
    // file, which may have been replaced in between. O_NONBLOCK keeps a FIFO from blocking;
    // O_NOFOLLOW refuses a link put in place after the check.
    const bool refuseLink = link == LastLink::Refuse;
    constexpr char isLink[] = "it is a symbolic link; only a file lying in the folder itself is read";
    struct stat status { };
    if ((refuseLink ? ::lstat(path.c_str(), &status) : ::stat(path.c_str(), &status)) != 0)
        fail(path, reason(errno));
    if (S_ISLNK(status.st_mode))
        fail(path, isLink);
    if (!S_ISREG(status.st_mode))
        fail(path, kindOf(status.st_mode));
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (refuseLink ? O_NOFOLLOW : 0)));
    if (file.get() < 0)
        fail(path, refuseLink && errno == ELOOP ? isLink : reason(errno));
    if (::fstat(file.get(), &status) != 0)
        fail(path, "the file cannot be read (" + reason(errno) + ")");
    if (!S_ISREG(status.st_mode))
        fail(path, kindOf(status.st_mode));
    if (static_cast<std::uintmax_t>(status.st_size) > maxBytes)
        fail(path, "the file is too large");

    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(path, "the file cannot be read (" + reason(errno) + ")");
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > maxBytes) // the file grew while it was read
            fail(path, "the file is too large");
    }
    return bytes;
}

void writeFileAtomically(const std::string& path, const std::string& bytes)
{
    const std::string target = followLinks(path);
    struct stat old { };
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode))
        fail(path, kindOf(old.st_mode));

    // A new file gets what the user's file-creation mask allows; a replaced one keeps its mode,
    // and its temporary file is private until then.
    std::string temporary;
    Descriptor file(createTemporary(target, replacing ? 0600 : 0666, temporary));
    if (file.get() < 0)
        fail(path, "no temporary file can be created beside it (" + reason(errno) + ")");
    const auto failAndRemove = [&](const std::string& what) {
        const int error = errno;
        ::unlink(temporary.c_str());
        fail(path, what + " (" + reason(error) + ")");
    };
    if (!writeAll(file.get(), bytes))
        failAndRemove("the file cannot be written");
    if (replacing && ::fchmod(file.get(), old.st_mode & 07777) != 0)
        failAndRemove("the permissions of the file cannot be kept");
    if (::fsync(file.get()) != 0)
        failAndRemove("the file cannot be flushed to disk");
    if (!file.close())
        failAndRemove("the file cannot be written");
    if (::rename(temporary.c_str(), target.c_str()) != 0)
        failAndRemove("the file cannot be replaced");
    removeStaleTemporaries(target);

    // The rename itself is on disk only once the folder is flushed. Some file systems cannot
    // flush a folder (EINVAL); the file is then as safe as they allow.
    const std::filesystem::path folder = std::filesystem::path(target).parent_path();
    Descriptor directory(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() < 0 || (::fsync(directory.get()) != 0 && errno != EINVAL))
        fail(path, "the file was replaced, but its folder cannot be flushed to disk (" + reason(errno) + ")");
}

} // namespace vorlan
