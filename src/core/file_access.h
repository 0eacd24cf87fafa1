// Reaching the configuration file and the files made from it the way an administrator can
// trust: only regular files are read or replaced, links are followed only where the kernel
// would follow them with fs.protected_symlinks set, and every failure keeps the path and the
// reason so that it can be named.
#pragma once

#include <cstdint>
#include <string>
#include <sys/stat.h>

// No configuration comes near this size; a larger file, or one that grows while it is read,
// is refused before it is read whole.
inline constexpr std::uint64_t kMaxConfigFileSize = 64ull * 1024 * 1024;
// Links followed in a row before a path counts as a link loop, as the kernel counts them.
inline constexpr int kMaxLinkHops = 40;

enum class FileFault {
    None,
    System,          // the system refused; errnum says why
    NotRegular,      // a folder, pipe, socket or device; kind says which
    TooLarge,        // above kMaxConfigFileSize
    LinkLoop,        // links that lead to themselves
    LinkRefused,     // a link the kernel's protected_symlinks would not follow
    LinkNotFollowed, // a new or derived file is never created or replaced through a link
    Exists,          // a file that is not to be replaced exists already
    Held,            // another writer holds the lock; holder names it
};

struct FileError {
    FileFault fault = FileFault::None;
    std::string path;
    int errnum = 0;
    mode_t kind = 0;    // NotRegular: the file type bits
    std::string holder; // Held: who holds the lock, as far as the system tells
    explicit operator bool() const { return fault != FileFault::None; }
};

// "PATH: reason", the reason in the language library's words or the system's own.
std::string fileErrorText(const FileError& error);

// The file that path names once the links on its way are followed, refusing a link that
// the kernel would not follow for this user and a link loop. The file need not exist.
bool resolveLinks(const std::string& path, std::string& target, FileError& error);

// The folder a file lies in ("." for a bare name).
std::string folderOf(const std::string& file);

// Reads the regular file at path whole: opened without blocking and looked at before a
// byte is read, so that a folder, FIFO or device is refused at once. info receives what
// the open file's fstat gave.
bool readRegularFile(const std::string& path, std::string& bytes, FileError& error,
                     struct stat* info = nullptr);
