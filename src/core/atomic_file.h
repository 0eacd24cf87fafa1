// Writes a file so that it cannot be lost: the bytes go to a temporary file in the same
// folder, are flushed to disk, and only then take the target's name, by a rename over a
// file that is replaced and by an exclusive link for a new one. On any failure the previous
// file stays byte for byte as it was and the temporary file is removed. Where the platform
// allows it the temporary file has no name until it is complete, so not even a process
// killed in the middle of writing leaves one behind.
#pragma once

#include "file_access.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <sys/stat.h>

// System calls the writer goes through; tests replace them to inject faults.
struct AtomicFileOps {
    std::function<int(const char* path, int flags, unsigned mode)> open;
    std::function<long(int fd, const void* data, std::size_t size)> write;
    std::function<int(int fd)> fsync;
    std::function<int(const char* from, const char* to)> rename;
    // Gives a complete file its new name, failing when the name is taken by anything at all.
    std::function<int(const char* from, const char* to)> link;
};
const AtomicFileOps& atomicFileOps();                      // the real system calls
void setAtomicFileOpsForTesting(const AtomicFileOps* ops); // nullptr restores the real ones

// What a write may replace.
enum class WriteTarget {
    // The configuration itself: a link is written through to its target where the kernel
    // would follow it, only a regular file is replaced, and a missing file is created
    // exclusively, never through a link.
    Configuration,
    // A file made from another (the backup, the converted file): never written through a
    // link; an existing regular file is replaced (the caller asked whether it may).
    Derived,
};

class AtomicFile {
public:
    explicit AtomicFile(std::string targetPath, WriteTarget kind = WriteTarget::Configuration);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // The written file takes the mode of `original`, and its owner and group where the
    // system allows, instead of those of the file it replaces.
    void takeOwnershipFrom(const struct stat& original) { m_ownership = original; }

    // Creates the temporary file beside the target. False when the target may not be
    // written or the temporary file cannot be created.
    bool open();
    bool write(const char* data, std::size_t size);
    // Flushes, closes and gives the file the target's name.
    bool commit();

    // The file that is replaced: the requested path with its symbolic links followed.
    const std::string& targetPath() const { return m_target; }
    // What went wrong, with the requested path.
    const FileError& error() const { return m_error; }

private:
    bool checkTarget();
    void applyOwnership(const struct stat* replaced);
    bool openUnnamed(const std::string& folder);
    bool openNamed();
    bool nameUnnamed();
    bool publish();
    bool fail(FileFault fault, int errnum = 0);
    void discard();

    std::string m_requested;
    std::string m_target;
    WriteTarget m_kind;
    std::optional<struct stat> m_ownership;
    std::string m_temp; // empty while the temporary file has no name
    int m_fd = -1;
    FileError m_error;
    bool m_failed = false;
    bool m_creating = false; // the target does not exist yet
};
