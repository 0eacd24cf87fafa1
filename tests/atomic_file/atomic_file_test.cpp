// Fault injection for the writer every file of the program goes through: whatever fails,
// the file that was there keeps its bytes and no temporary file is left in its folder.
#include "atomic_file.h"
#include "cfg_file.h"
#include "cfg_store.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "apicfg-atomic-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    const std::string& path() const { return path_; }
    std::set<std::string> entries() const {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(path_))
            names.insert(e.path().filename().string());
        return names;
    }

private:
    std::string path_;
};

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void spit(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

unsigned modeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

// Installs fault-injecting system calls for one test and restores the real ones after.
class FaultyOps {
public:
    FaultyOps() : ops_(atomicFileOps()) {}
    ~FaultyOps() { setAtomicFileOpsForTesting(nullptr); }
    AtomicFileOps& ops() { return ops_; }
    void install() { setAtomicFileOpsForTesting(&ops_); }
    // Temporary files without a name are refused, so the named ones are exercised.
    void refuseUnnamed() {
        auto real = ops_.open;
        ops_.open = [real](const char* path, int flags, unsigned mode) {
            if ((flags & O_TMPFILE) == O_TMPFILE) {
                errno = EOPNOTSUPP;
                return -1;
            }
            return real(path, flags, mode);
        };
    }

private:
    AtomicFileOps ops_;
};

const std::string kOriginal = "%Arvenco SNA Client Configuration File\r\n;\r\n;\r\n[GLOBAL]\r\n"
                              "USER_NAME=ORIGINAL\r\n;;  END";

// A store whose file is large enough to need several writes.
void fillLarge(CfgStore& store) {
    for (int i = 0; i < 2000; ++i) {
        store.appendSection("CPIC_INFO");
        store.appendKeyToLast("SYMB_NAME", "SIDE" + std::to_string(i));
        store.appendKeyToLast("PART_LU", std::string(200, 'P'));
    }
}

// Runs one failing save in both temporary file modes and checks what is left.
struct FaultCase {
    const char* what;
    std::function<void(FaultyOps&)> inject;
    int expected; // cfgWriteFile's result
};

class AtomicFileFaults : public ::testing::TestWithParam<bool> {};

} // namespace

TEST(AtomicFile, NewFileGetsUserDefaultModeAndReplacedFileKeepsItsMode) {
    TempFolder dir;
    mode_t old = ::umask(022);
    ASSERT_EQ(writeFileAtomically(dir / "new.ini", "abc"), 0);
    EXPECT_EQ(modeOf(dir / "new.ini"), 0644u); // readable by every user's client programs
    ::umask(027);
    ASSERT_EQ(writeFileAtomically(dir / "new2.ini", "abc"), 0);
    EXPECT_EQ(modeOf(dir / "new2.ini"), 0640u);
    ::umask(old);

    spit(dir / "kept.ini", "old");
    ::chmod((dir / "kept.ini").c_str(), 0604);
    ASSERT_EQ(writeFileAtomically(dir / "kept.ini", "new contents"), 0);
    EXPECT_EQ(modeOf(dir / "kept.ini"), 0604u);
    EXPECT_EQ(slurp(dir / "kept.ini"), "new contents");
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"new.ini", "new2.ini", "kept.ini"}));
}

TEST(AtomicFile, SymbolicLinkIsWrittenThroughAndKept) {
    TempFolder dir;
    fs::create_directory(dir / "real");
    spit(dir / "real/target.ini", "old");
    fs::create_symlink("real/target.ini", dir / "link.ini"); // relative, resolved from the link
    fs::create_symlink(dir / "link.ini", dir / "chain.ini"); // a link to a link

    ASSERT_EQ(writeFileAtomically(dir / "chain.ini", "through two links"), 0);
    EXPECT_TRUE(fs::is_symlink(dir / "chain.ini"));
    EXPECT_TRUE(fs::is_symlink(dir / "link.ini"));
    EXPECT_EQ(slurp(dir / "real/target.ini"), "through two links");
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"real", "link.ini", "chain.ini"}));
    // The temporary file went beside the link's target, not beside the link.
    EXPECT_EQ(fs::directory_iterator(dir / "real")->path().filename(), "target.ini");
}

TEST_P(AtomicFileFaults, OriginalSurvivesEveryFailedSave) {
    const bool named = GetParam();
    const std::vector<FaultCase> cases = {
        {"read-only folder",
         [](FaultyOps& f) {
             f.ops().open = [](const char*, int, unsigned) {
                 errno = EACCES;
                 return -1;
             };
         },
         1},
        {"read-only file system",
         [](FaultyOps& f) {
             f.ops().open = [](const char*, int, unsigned) {
                 errno = EROFS;
                 return -1;
             };
         },
         1},
        {"file system full after a first part",
         [](FaultyOps& f) {
             auto real = f.ops().write;
             auto calls = std::make_shared<int>(0);
             f.ops().write = [real, calls](int fd, const void* data, std::size_t size) -> long {
                 if ((*calls)++ == 0)
                     return real(fd, data, size / 2);
                 errno = ENOSPC;
                 return -1;
             };
         },
         2},
        {"write makes no progress",
         [](FaultyOps& f) { f.ops().write = [](int, const void*, std::size_t) { return 0L; }; }, 2},
        {"flush to disk fails",
         [](FaultyOps& f) {
             f.ops().fsync = [](int) {
                 errno = EIO;
                 return -1;
             };
         },
         2},
        {"rename refused",
         [](FaultyOps& f) {
             f.ops().rename = [](const char*, const char*) {
                 errno = EACCES;
                 return -1;
             };
         },
         2},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder dir;
        const std::string path = dir / "lhntapi.ini";
        spit(path, kOriginal);
        ::chmod(path.c_str(), 0640);
        CfgStore store;
        fillLarge(store);
        {
            FaultyOps faults;
            if (named)
                faults.refuseUnnamed();
            c.inject(faults);
            faults.install();
            EXPECT_EQ(cfgWriteFile(store, path), c.expected);
        }
        EXPECT_EQ(slurp(path), kOriginal);
        EXPECT_EQ(modeOf(path), 0640u);
        EXPECT_EQ(dir.entries(), std::set<std::string>{"lhntapi.ini"});
        // The same save succeeds once the fault is gone.
        EXPECT_EQ(cfgWriteFile(store, path), 0);
        EXPECT_EQ(slurp(path), cfgWriteBuffer(store));
        EXPECT_EQ(dir.entries(), std::set<std::string>{"lhntapi.ini"});
    }
}

INSTANTIATE_TEST_SUITE_P(TemporaryFile, AtomicFileFaults, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Named" : "Unnamed"; });

TEST(AtomicFile, RealReadOnlyFolderWhereTheUserIsNotAllowed) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "an administrator may write any folder; the injected cases cover it";
    TempFolder dir;
    const std::string path = dir / "lhntapi.ini";
    spit(path, kOriginal);
    ::chmod(dir.path().c_str(), 0555);
    CfgStore store;
    store.appendSection("GLOBAL");
    EXPECT_EQ(cfgWriteFile(store, path), 1);
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(slurp(path), kOriginal);
    EXPECT_EQ(dir.entries(), std::set<std::string>{"lhntapi.ini"});

    // A read-only file in a writable folder is not replaced behind its mode's back.
    ::chmod(path.c_str(), 0444);
    EXPECT_EQ(cfgWriteFile(store, path), 1);
    EXPECT_EQ(slurp(path), kOriginal);
    EXPECT_EQ(dir.entries(), std::set<std::string>{"lhntapi.ini"});
}

TEST(AtomicFile, ProcessKilledInTheMiddleOfWritingLeavesOriginalAndNoTemporaryFile) {
    TempFolder dir;
    const std::string path = dir / "lhntapi.ini";
    spit(path, kOriginal);
    ::fflush(nullptr);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        CfgStore store;
        fillLarge(store);
        AtomicFileOps ops = atomicFileOps();
        auto real = ops.write;
        ops.write = [real](int fd, const void* data, std::size_t size) -> long {
            real(fd, data, size / 2);
            ::raise(SIGKILL);
            return -1;
        };
        setAtomicFileOpsForTesting(&ops);
        cfgWriteFile(store, path);
        ::_exit(0); // not reached: the write hook kills the process
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGKILL);
    EXPECT_EQ(slurp(path), kOriginal);
    EXPECT_EQ(dir.entries(), std::set<std::string>{"lhntapi.ini"});
}

TEST(AtomicFile, AbandonedWriteRemovesItsTemporaryFile) {
    TempFolder dir;
    FaultyOps faults;
    faults.refuseUnnamed();
    faults.install();
    {
        AtomicFile file(dir / "x.ini");
        ASSERT_TRUE(file.open());
        ASSERT_TRUE(file.write("partial", 7));
        EXPECT_EQ(dir.entries().size(), 1u); // the named temporary file, while it is written
    }                                        // destroyed without commit
    EXPECT_TRUE(dir.entries().empty());
}
