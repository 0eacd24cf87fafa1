#include "atomic_file.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const AtomicFileOps kRealOps{
    [](const char* path, int flags, unsigned mode) {
        return ::open(path, flags, static_cast<mode_t>(mode));
    },
    [](int fd, const void* data, std::size_t size) -> long { return ::write(fd, data, size); },
    [](int fd) { return ::fsync(fd); },
    [](const char* from, const char* to) { return ::rename(from, to); },
    // link(2) never follows `to`: an existing name, a link included, fails with EEXIST.
    [](const char* from, const char* to) { return ::link(from, to); },
};
const AtomicFileOps* g_ops = &kRealOps;

constexpr int kMaxNameAttempts = 100;

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

// The user's default mode for a new file. Not the private mode of a temporary file: the
// client's programs of every user must read the file.
mode_t defaultMode() {
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

AtomicFile::AtomicFile(std::string targetPath, WriteTarget kind)
    : m_requested(std::move(targetPath)), m_kind(kind) {}

AtomicFile::~AtomicFile() {
    discard();
}

bool AtomicFile::fail(FileFault fault, int errnum) {
    m_error.fault = fault;
    m_error.path = m_requested;
    m_error.errnum = errnum;
    return false;
}

// Decides what the write replaces: only a regular file, and through a link only where the
// link may be followed and leads to one.
bool AtomicFile::checkTarget() {
    m_target = m_requested;
    if (m_kind == WriteTarget::Configuration && !resolveLinks(m_requested, m_target, m_error))
        return false;
    struct stat st {};
    if (::lstat(m_target.c_str(), &st) != 0) {
        if (errno != ENOENT)
            return fail(errno == ELOOP ? FileFault::LinkLoop : FileFault::System, errno);
        // A link whose target is missing: the new file would appear through the link.
        if (m_target != m_requested)
            return fail(FileFault::LinkNotFollowed);
        m_creating = true;
        return true;
    }
    if (S_ISLNK(st.st_mode))
        return fail(FileFault::LinkNotFollowed);
    if (!S_ISREG(st.st_mode)) {
        fail(FileFault::NotRegular);
        m_error.kind = st.st_mode & S_IFMT;
        return false;
    }
    // The rename could replace a file that the user may not write; opening it for writing
    // in place would be refused, and so is this.
    if (::access(m_target.c_str(), W_OK) != 0)
        return fail(FileFault::System, errno);
    return true;
}

bool AtomicFile::open() {
    m_error = {};
    if (!checkTarget())
        return false;
    if (!openUnnamed(folderOf(m_target)) && !openNamed())
        return false;
    struct stat st {};
    const bool replacing = !m_creating && ::stat(m_target.c_str(), &st) == 0;
    applyOwnership(replacing ? &st : nullptr);
    return true;
}

// The mode (and the owner and group, where we may: an administrator editing another
// user's file) of the file it comes from, else of the file replaced, else the default.
void AtomicFile::applyOwnership(const struct stat* replaced) {
    const struct stat* from = m_ownership ? &*m_ownership : replaced;
    if (from) {
        [[maybe_unused]] int ignored = ::fchown(m_fd, from->st_uid, from->st_gid);
    }
    ::fchmod(m_fd, from ? from->st_mode & 07777 : defaultMode());
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
    return fail(FileFault::System, errno);
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
    return fail(FileFault::System, errno);
}

bool AtomicFile::write(const char* data, std::size_t size) {
    if (m_fd < 0 || m_failed)
        return false;
    while (size > 0) {
        long n = g_ops->write(m_fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            fail(FileFault::System, n < 0 ? errno : ENOSPC);
            m_failed = true;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// A new file takes its name by a link, which fails when anything has the name meanwhile;
// a replaced one by a rename.
bool AtomicFile::publish() {
    if (m_creating) {
        if (g_ops->link(m_temp.c_str(), m_target.c_str()) != 0)
            return fail(errno == EEXIST ? FileFault::Exists : FileFault::System, errno);
        ::unlink(m_temp.c_str());
    } else if (g_ops->rename(m_temp.c_str(), m_target.c_str()) != 0) {
        return fail(FileFault::System, errno);
    }
    m_temp.clear();
    return true;
}

bool AtomicFile::commit() {
    if (m_fd < 0 || m_failed) {
        discard();
        return false;
    }
    bool ok = g_ops->fsync(m_fd) == 0 || fail(FileFault::System, errno);
    if (ok && m_temp.empty())
        ok = nameUnnamed();
    if (::close(m_fd) != 0 && ok)
        ok = fail(FileFault::System, errno);
    m_fd = -1;
    ok = ok && publish();
    if (!ok) {
        discard();
        return false;
    }
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
