// Atomic file writes: temporary file in the same folder, fsync, rename.
#include "atomicfile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace trellon {
namespace {

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

Error systemError(ErrorKind kind, const std::string& what, const std::string& path, int error)
{
    return Error{kind, what + " " + path + ": " + std::strerror(error), std::nullopt};
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// Creates a new temporary file beside path with the permissions the target has, or that the umask
// gives a new file.
int createTemporaryBeside(const std::string& path, std::string& temporary)
{
    struct stat existing {};
    const bool replacing = ::stat(path.c_str(), &existing) == 0;
    const mode_t mode = replacing ? (existing.st_mode & 0777) : 0666;
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%08x~", entropy());
        temporary = path + suffix;
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 && replacing)
            ::fchmod(fd, mode); // the umask must not narrow the permissions of a file being replaced
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

Status writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                           const std::string& cannotOpenDetail)
{
    std::string temporary;
    const int fd = createTemporaryBeside(path, temporary);
    if (fd < 0)
        return Error{ErrorKind::cannotOpen, cannotOpenDetail + " (" + path + ": " + std::strerror(errno) + ")",
                     std::nullopt};

    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        return systemError(ErrorKind::cannotWrite, "cannot write", path, error);
    }
    if (::close(fd) != 0 || ::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return systemError(ErrorKind::cannotWrite, "cannot write", path, error);
    }
    const int folder = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return success();
}

Result<std::vector<std::uint8_t>> readWholeFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return systemError(ErrorKind::cannotOpen, "cannot open", path, errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return Error{ErrorKind::cannotOpen, "cannot open " + path + ": not a regular file", std::nullopt};
    }
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    std::uint8_t buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            return systemError(ErrorKind::cannotOpen, "cannot read", path, error);
        }
        if (got == 0)
            break;
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    ::close(fd);
    return bytes;
}

} // namespace trellon
