#include "file_access.h"

#include "unique_fd.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

FileError failure(FileFault fault, const std::string& path, int errnum = 0) {
    FileError e;
    e.fault = fault;
    e.path = path;
    e.errnum = errnum;
    return e;
}

// The kernel's protected_symlinks rule: in a sticky folder that anyone may write, a link
// is followed only by its owner, or when the folder's owner owns it too.
bool followAllowed(const std::string& link, const struct stat& linkInfo) {
    struct stat folder {};
    if (::stat(folderOf(link).c_str(), &folder) != 0)
        return true;
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return !shared || linkInfo.st_uid == ::geteuid() || linkInfo.st_uid == folder.st_uid;
}

// The folders on the way to a file may be links too; each is held to the same rule.
bool foldersAllowed(const std::string& path, FileError& error) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        const std::string prefix = path.substr(0, slash);
        struct stat st {};
        if (::lstat(prefix.c_str(), &st) != 0) {
            if (errno == ELOOP) {
                error = failure(FileFault::LinkLoop, path, ELOOP);
                return false;
            }
            return true; // what is missing is reported by the open
        }
        if (S_ISLNK(st.st_mode) && !followAllowed(prefix, st)) {
            error = failure(FileFault::LinkRefused, prefix);
            return false;
        }
    }
    return true;
}

bool readLink(const std::string& link, std::string& target) {
    std::vector<char> buffer(PATH_MAX + 1);
    const ssize_t n = ::readlink(link.c_str(), buffer.data(), PATH_MAX);
    if (n < 0)
        return false;
    target.assign(buffer.data(), static_cast<std::size_t>(n));
    // A relative link is relative to the folder that holds it.
    if (!target.empty() && target.front() != '/' && link.find('/') != std::string::npos)
        target = link.substr(0, link.rfind('/') + 1) + target;
    return true;
}

bool refuseIrregular(const std::string& path, const struct stat& st, FileError& error) {
    if (S_ISREG(st.st_mode))
        return false;
    error = failure(FileFault::NotRegular, path);
    error.kind = st.st_mode & S_IFMT;
    return true;
}

} // namespace

std::string folderOf(const std::string& file) {
    const std::size_t slash = file.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return file.substr(0, slash ? slash : 1);
}

bool resolveLinks(const std::string& path, std::string& target, FileError& error) {
    std::string current = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        if (!foldersAllowed(current, error))
            return false;
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            target = current;
            return true;
        }
        if (!followAllowed(current, st)) {
            error = failure(FileFault::LinkRefused, current);
            return false;
        }
        std::string next;
        if (!readLink(current, next)) {
            error = failure(FileFault::System, current, errno);
            return false;
        }
        current = std::move(next);
    }
    error = failure(FileFault::LinkLoop, path, ELOOP);
    return false;
}

bool readRegularFile(const std::string& path, std::string& bytes, FileError& error,
                     struct stat* info) {
    std::string target;
    if (!resolveLinks(path, target, error))
        return false;
    // Looked at before it is opened: opening a device can have effects of its own.
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && refuseIrregular(path, st, error))
        return false;
    int fd;
    do {
        // No follow: the target was resolved above, and must not become a link since.
        fd = ::open(target.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        error = failure(errno == ELOOP ? FileFault::LinkLoop : FileFault::System, path, errno);
        return false;
    }
    UniqueFd file(fd);
    if (::fstat(fd, &st) != 0) {
        error = failure(FileFault::System, path, errno);
        return false;
    }
    if (refuseIrregular(path, st, error))
        return false;
    if (static_cast<std::uint64_t>(st.st_size) > kMaxConfigFileSize) {
        error = failure(FileFault::TooLarge, path);
        return false;
    }
    bytes.clear();
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    // A file may grow while it is read, or tell no size at all: read to the limit, no more.
    // Left uninitialised: zeroing it would touch every page of it at each start, for a file
    // that is mostly a few kilobytes.
    constexpr std::size_t kChunk = 256 * 1024;
    const auto chunk = std::make_unique_for_overwrite<char[]>(kChunk);
    for (;;) {
        const ssize_t n = ::read(fd, chunk.get(), kChunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = failure(FileFault::System, path, errno);
            return false;
        }
        if (n == 0)
            break;
        if (bytes.size() + static_cast<std::size_t>(n) > kMaxConfigFileSize) {
            error = failure(FileFault::TooLarge, path);
            return false;
        }
        bytes.append(chunk.get(), static_cast<std::size_t>(n));
    }
    if (info)
        *info = st;
    return true;
}
