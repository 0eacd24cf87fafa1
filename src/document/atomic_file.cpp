#include "atomic_file.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const AtomicFileOps kRealOps{
    [](const char* path, int flags, unsigned mode) {
        return ::open(path, flags, static_cast<mode_t>(mode));
    },
    [](int fd, const void* data, std::size_t size) -> long { return ::write(fd, data, size); },
    [](int fd) { return ::fsync(fd); },
    [](const char* from, const char* to) { return ::rename(from, to); },
};
const AtomicFileOps* g_ops = &kRealOps;

constexpr int kMaxNameAttempts = 100;

// A path that is a symbolic link is written through to its target, so the link stays.
std::string resolveLinks(const std::string& path) {
    std::string current = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        std::vector<char> buf(PATH_MAX + 1);
        ssize_t n = ::readlink(current.c_str(), buf.data(), PATH_MAX);
        if (n < 0)
            return current;
        std::string target(buf.data(), static_cast<std::size_t>(n));
        if (!target.empty() && target.front() != '/') {
            std::size_t slash = current.rfind('/');
            target = (slash == std::string::npos ? std::string() : current.substr(0, slash + 1)) +
                     target;
        }
        current = target;
    }
    return current;
}

std::string folderOf(const std::string& file) {
    std::size_t slash = file.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return file.substr(0, slash ? slash : 1);
}

// A name beside the target that no other writer picks by chance.
std::string tempName(const std::string& target) {
    static std::mt19937 random(std::random_device{}() ^ static_cast<unsigned>(::getpid()));
    static constexpr char kChars[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = target + ".tmp";
    for (int i = 0; i < 6; ++i)
        name += kChars[random() % (sizeof kChars - 1)];
    return name;
}

void syncFolder(const std::string& file) {
    int fd = ::open(folderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        g_ops->fsync(fd);
        ::close(fd);
    }
}

// The mode a replaced file had, or the user's default for a new one. Not the private
// mode of a temporary file: the client's programs of every user must read the file.
mode_t modeFor(const struct stat* existing) {
    if (existing)
        return existing->st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

const AtomicFileOps& atomicFileOps() {
    return kRealOps;
}
void setAtomicFileOpsForTesting(const AtomicFileOps* ops) {
    g_ops = ops ? ops : &kRealOps;
}

AtomicFile::AtomicFile(std::string targetPath) : m_requested(std::move(targetPath)) {}

AtomicFile::~AtomicFile() {
    discard();
}

bool AtomicFile::open() {
    m_target = resolveLinks(m_requested);
    // The rename could replace a file that the user may not write; opening it for writing
    // in place would be refused, and so is this.
    if (::access(m_target.c_str(), F_OK) == 0 && ::access(m_target.c_str(), W_OK) != 0) {
        m_errno = errno;
        return false;
    }
    if (!openUnnamed(folderOf(m_target)) && !openNamed())
        return false;
    struct stat st {};
    bool replacing = ::stat(m_target.c_str(), &st) == 0;
    // Keep the owner too when we may (an administrator editing another user's file).
    if (replacing) {
        [[maybe_unused]] int ignored = ::fchown(m_fd, st.st_uid, st.st_gid);
    }
    ::fchmod(m_fd, modeFor(replacing ? &st : nullptr));
    return true;
}

bool AtomicFile::openUnnamed(const std::string& folder) {
#ifdef O_TMPFILE
    // The unnamed file is linked in through /proc once it is complete.
    if (::access("/proc/self/fd", X_OK) != 0)
        return false;
    m_fd = g_ops->open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    return m_fd >= 0;
#else
    (void)folder;
    return false;
#endif
}

bool AtomicFile::openNamed() {
    for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
        std::string name = tempName(m_target);
        m_fd = g_ops->open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (m_fd >= 0) {
            m_temp = name;
            return true;
        }
        if (errno != EEXIST)
            break;
    }
    m_errno = errno;
    return false;
}

bool AtomicFile::nameUnnamed() {
    const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
    for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
        std::string name = tempName(m_target);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            m_temp = name;
            return true;
        }
        if (errno != EEXIST)
            break;
    }
    m_errno = errno;
    return false;
}

bool AtomicFile::write(const char* data, std::size_t size) {
    if (m_fd < 0 || m_failed)
        return false;
    while (size > 0) {
        long n = g_ops->write(m_fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_errno = n < 0 ? errno : ENOSPC;
            m_failed = true;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool AtomicFile::commit() {
    if (m_fd < 0 || m_failed) {
        discard();
        return false;
    }
    bool ok = g_ops->fsync(m_fd) == 0;
    if (!ok)
        m_errno = errno;
    if (ok && m_temp.empty())
        ok = nameUnnamed();
    if (::close(m_fd) != 0 && ok) {
        m_errno = errno;
        ok = false;
    }
    m_fd = -1;
    if (ok && g_ops->rename(m_temp.c_str(), m_target.c_str()) != 0) {
        m_errno = errno;
        ok = false;
    }
    if (!ok) {
        discard();
        return false;
    }
    m_temp.clear();
    syncFolder(m_target);
    return true;
}

void AtomicFile::discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temp.empty()) {
        ::unlink(m_temp.c_str());
        m_temp.clear();
    }
}

int writeFileAtomically(const std::string& path, const std::string& bytes) {
    AtomicFile file(path);
    if (!file.open())
        return 1;
    if (!file.write(bytes.data(), bytes.size()))
        return 2;
    return file.commit() ? 0 : 2;
}
