#include "file_lock.h"

#include "messages.h"
#include "string_ids.h"
#include "tela_environment.h"
#include "unique_fd.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <pwd.h>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace {

double g_waitSeconds = kDefaultLockWaitSeconds;

// The locks this process holds, by folder: flock conflicts between two descriptors of one
// process too, so a lock taken again is counted instead.
struct HeldLock {
    UniqueFd fd;
    int count = 0;
};
std::map<std::pair<dev_t, ino_t>, HeldLock>& heldLocks() {
    static std::map<std::pair<dev_t, ino_t>, HeldLock> locks;
    return locks;
}

bool lockWithin(int fd, double seconds) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
}

std::string firstLine(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

std::string userName(uid_t uid) {
    struct passwd entry {};
    struct passwd* found = nullptr;
    char buffer[1024];
    if (::getpwuid_r(uid, &entry, buffer, sizeof buffer, &found) == 0 && found)
        return found->pw_name;
    return std::to_string(uid);
}

} // namespace

void setLockWaitSeconds(double seconds) {
    g_waitSeconds = seconds < 0 ? 0 : seconds;
}

double lockWaitSeconds() {
    return g_waitSeconds;
}

bool FileLock::acquire(const std::string& path, FileError& error) {
    release();
    std::string target;
    if (!resolveLinks(path, target, error))
        return false;
    const std::string folder = folderOf(target);
    UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat st {};
    if (!fd.valid() || ::fstat(fd.get(), &st) != 0)
        return true; // no lock to be had; the write reports what is wrong with the folder
    const std::pair key{st.st_dev, st.st_ino};
    auto held = heldLocks().find(key);
    if (held == heldLocks().end()) {
        if (!lockWithin(fd.get(), g_waitSeconds)) {
            error = {};
            error.fault = FileFault::Held;
            error.path = path;
            error.holder = lockHolder(st.st_dev, st.st_ino);
            return false;
        }
        held = heldLocks().emplace(key, HeldLock{std::move(fd), 0}).first;
    }
    ++held->second.count;
    m_key = key;
    return true;
}

void FileLock::release() {
    if (!m_key)
        return;
    auto held = heldLocks().find(*m_key);
    if (held != heldLocks().end() && --held->second.count == 0)
        heldLocks().erase(held); // closing the descriptor releases the lock
    m_key.reset();
}

std::string lockHolder(dev_t device, ino_t inode) {
    // Lines like "1: FLOCK  ADVISORY  WRITE 1234 08:01:5678 0 EOF"; a waiter's has "->".
    std::ifstream locks("/proc/locks");
    for (std::string line; std::getline(locks, line);) {
        std::istringstream fields(line);
        std::string number, type, mode, access, pid, where;
        fields >> number >> type >> mode >> access >> pid >> where;
        if (type != "FLOCK" || line.find("->") != std::string::npos)
            continue;
        // The device is printed as two hexadecimal numbers of at least two digits.
        unsigned maj = 0, min = 0;
        unsigned long ino = 0;
        if (std::sscanf(where.c_str(), "%x:%x:%lu", &maj, &min, &ino) != 3 || ino != inode ||
            maj != major(device) || min != minor(device))
            continue;
        struct stat process {};
        const std::string dir = "/proc/" + pid;
        if (::stat(dir.c_str(), &process) != 0)
            continue;
        return formatMessage(TelaEnvironment::GetUserString(ids::kFileHolder),
                             {firstLine(dir + "/comm"), pid, userName(process.st_uid)});
    }
    return {};
}
