// One writer at a time. Whoever changes a configuration file (the tool, the editor) holds an
// advisory flock from reading the file to the rename that replaces it, so that no two
// read-modify-writes interleave and lose each other's records. The lock is taken on the
// folder the file lies in: a save replaces the file by a rename, and a lock on the file's
// own inode would stay behind on the replaced one; the folder also covers the backup and
// the converted file written beside it, and a file that does not exist yet. Nothing is
// left on disk, and the system releases the lock when its holder ends, crashed or not.
#pragma once

#include "file_access.h"

#include <optional>
#include <string>
#include <sys/types.h>
#include <utility>

inline constexpr double kDefaultLockWaitSeconds = 10.0;
// How long a writer waits for another one to finish before it gives up.
void setLockWaitSeconds(double seconds);
double lockWaitSeconds();

class FileLock {
public:
    FileLock() = default;
    ~FileLock() { release(); }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Takes the lock for changing path, waiting up to lockWaitSeconds(). Taken again within
    // one process it is shared, so that a save inside a held change does not wait for
    // itself. False only when another writer held it all that time (error names the holder)
    // or the path's links are refused; where no lock can be had at all (a folder that
    // cannot be opened) the change goes on without one, and its write says what is wrong.
    bool acquire(const std::string& path, FileError& error);
    void release();
    bool held() const { return m_key.has_value(); }

private:
    std::optional<std::pair<dev_t, ino_t>> m_key;
};

// Who holds a lock on the file with this device and inode, as /proc/locks and the process's
// entries tell it ("apicfg-tool, process 1234 of user alice"); empty when nobody can be named.
std::string lockHolder(dev_t device, ino_t inode);
