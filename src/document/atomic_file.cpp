#include "atomic_file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const AtomicFileOps kRealOps{
    [](int fd, const void* data, std::size_t size) -> long { return ::write(fd, data, size); },
    [](int fd) { return ::fsync(fd); },
    [](const char* from, const char* to) { return ::rename(from, to); },
};
const AtomicFileOps* g_ops = &kRealOps;

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

void syncFolder(const std::string& file) {
    std::size_t slash = file.rfind('/');
    std::string dir = slash == std::string::npos ? "." : file.substr(0, slash ? slash : 1);
    int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        g_ops->fsync(fd);
        ::close(fd);
    }
}

} // namespace

const AtomicFileOps& atomicFileOps() {
    return *g_ops;
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
    m_temp = m_target + ".XXXXXX";
    std::vector<char> name(m_temp.begin(), m_temp.end());
    name.push_back('\0');
    m_fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (m_fd < 0) {
        m_errno = errno;
        m_temp.clear();
        return false;
    }
    m_temp.assign(name.data());
    // The replaced file's mode is kept; a new file gets the user's default (umask), not
    // the private mode mkstemp gives: every user's client programs must read it.
    struct stat st {};
    mode_t mode;
    if (::stat(m_target.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
        // Keep the owner too when we may (an administrator editing another user's file).
        if (::fchown(m_fd, st.st_uid, st.st_gid) != 0) {
        }
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(m_fd, mode);
    return true;
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
