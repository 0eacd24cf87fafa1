// Writes a file so that it cannot be lost: the bytes go to a temporary file in the same
// folder, are flushed to disk, and only then replace the target by a rename. On any failure
// the previous file stays byte for byte as it was and the temporary file is removed.
// Where the platform allows it the temporary file has no name until it is complete, so
// not even a process killed in the middle of writing leaves one behind.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

// System calls the writer goes through; tests replace them to inject faults.
struct AtomicFileOps {
    std::function<int(const char* path, int flags, unsigned mode)> open;
    std::function<long(int fd, const void* data, std::size_t size)> write;
    std::function<int(int fd)> fsync;
    std::function<int(const char* from, const char* to)> rename;
};
const AtomicFileOps& atomicFileOps();                      // the real system calls
void setAtomicFileOpsForTesting(const AtomicFileOps* ops); // nullptr restores the real ones

class AtomicFile {
public:
    explicit AtomicFile(std::string targetPath);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file beside the target (beside the link's target when the
    // path is a symbolic link, so that the link is kept). False when it cannot be created.
    bool open();
    bool write(const char* data, std::size_t size);
    // Flushes, closes and renames over the target; keeps the replaced file's mode.
    bool commit();

    // The file that is replaced: the requested path with its symbolic links followed.
    const std::string& targetPath() const { return m_target; }
    int lastErrno() const { return m_errno; }

private:
    bool openUnnamed(const std::string& folder);
    bool openNamed();
    bool nameUnnamed();
    void discard();

    std::string m_requested;
    std::string m_target;
    std::string m_temp; // empty while the temporary file has no name
    int m_fd = -1;
    int m_errno = 0;
    bool m_failed = false;
};

// Writes the whole of `bytes` to path through an AtomicFile; 0, 1 (cannot create) or 2.
int writeFileAtomically(const std::string& path, const std::string& bytes);
