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

using testing_support::slurp;

bool writeWhole(const std::string& path, const std::string& bytes) {
    AtomicFile file(path);
    return file.open() && file.write(bytes.data(), bytes.size()) && file.commit();
}

unsigned modeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

const std::string kOriginal = "%Arvenco SNA Client Configuration File\r\n[GLOBAL]\r\n;;  END";

class AtomicWrite : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "apicfg-atomic-XXXXXX").string();
        dir = ::mkdtemp(pattern.data());
        std::ofstream(at("lhntapi.ini"), std::ios::binary) << kOriginal;
        // A store whose file is large enough to need several writes.
        for (int i = 0; i < 2000; ++i) {
            store.appendSection("CPIC_INFO");
            testing_support::appendKeyToLast(store, "PART_LU", std::string(200, 'P'));
        }
    }
    void TearDown() override {
        setAtomicFileOpsForTesting(nullptr);
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }
    std::string at(const std::string& name) const { return dir + "/" + name; }
    std::set<std::string> entries() const {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(dir))
            names.insert(e.path().filename().string());
        return names;
    }
    // The original is intact and alone in its folder.
    void expectOriginalOnly() {
        EXPECT_EQ(slurp(at("lhntapi.ini")), kOriginal);
        EXPECT_EQ(entries(), std::set<std::string>{"lhntapi.ini"});
    }

    std::string dir;
    CfgStore store;
};

} // namespace

TEST_F(AtomicWrite, ModesAndSymbolicLinksAreKept) {
    mode_t old = ::umask(027);
    ASSERT_TRUE(writeWhole(at("new.ini"), "abc"));
    ::umask(old);
    EXPECT_EQ(modeOf(at("new.ini")), 0640u);
    ::chmod(at("lhntapi.ini").c_str(), 0604);
    ASSERT_TRUE(writeWhole(at("lhntapi.ini"), "new"));
    EXPECT_EQ(modeOf(at("lhntapi.ini")), 0604u);
    EXPECT_EQ(slurp(at("lhntapi.ini")), "new");

    fs::create_directory(at("real"));
    fs::create_symlink("../lhntapi.ini", at("real/link.ini")); // relative, from the link
    fs::create_symlink(at("real/link.ini"), at("chain.ini"));
    ASSERT_TRUE(writeWhole(at("chain.ini"), "through two links"));
    EXPECT_TRUE(fs::is_symlink(at("chain.ini")) && fs::is_symlink(at("real/link.ini")));
    EXPECT_EQ(slurp(at("lhntapi.ini")), "through two links");
    EXPECT_EQ(entries(), (std::set<std::string>{"new.ini", "lhntapi.ini", "real", "chain.ini"}));
    EXPECT_EQ(fs::directory_iterator(at("real"))->path().filename(), "link.ini");
}

TEST_F(AtomicWrite, OriginalSurvivesEveryFailedSaveWithEitherKindOfTemporaryFile) {
    enum { kNone, kReadOnlyFolder, kFullAfterAPart, kNoProgress, kFlushFails, kRenameRefused };
    const auto fail = [](int error) {
        errno = error;
        return -1;
    };
    const AtomicFileOps real = atomicFileOps();
    AtomicFileOps ops = real;
    int fault = kNone, writes = 0;
    bool named = false; // temporary files without a name refused: the named ones are used
    ops.open = [&](const char* path, int flags, unsigned mode) {
        if (fault == kReadOnlyFolder || (named && (flags & O_TMPFILE) == O_TMPFILE))
            return fail(fault == kReadOnlyFolder ? EACCES : EOPNOTSUPP);
        return real.open(path, flags, mode);
    };
    ops.write = [&](int fd, const void* data, std::size_t size) -> long {
        if (fault == kFullAfterAPart)
            return writes++ == 0 ? real.write(fd, data, size / 2) : fail(ENOSPC);
        return fault == kNoProgress ? 0 : real.write(fd, data, size);
    };
    ops.fsync = [&](int fd) { return fault == kFlushFails ? fail(EIO) : real.fsync(fd); };
    ops.rename = [&](const char* from, const char* to) {
        return fault == kRenameRefused ? fail(EACCES) : real.rename(from, to);
    };
    setAtomicFileOpsForTesting(&ops);
    for (bool n : {false, true})
        for (int f = kReadOnlyFolder; f <= kRenameRefused; ++f) {
            SCOPED_TRACE(f + 10 * n);
            named = n;
            fault = f;
            writes = 0;
            ::chmod(at("lhntapi.ini").c_str(), 0640);
            EXPECT_EQ(cfgWriteFile(store, at("lhntapi.ini")), f == kReadOnlyFolder ? 1 : 2);
            expectOriginalOnly();
            EXPECT_EQ(modeOf(at("lhntapi.ini")), 0640u);
        }
    // The same save succeeds once the fault is gone.
    fault = kNone;
    EXPECT_EQ(cfgWriteFile(store, at("lhntapi.ini")), 0);
    EXPECT_EQ(slurp(at("lhntapi.ini")), cfgWriteBuffer(store));
    EXPECT_EQ(entries(), std::set<std::string>{"lhntapi.ini"});
}

TEST_F(AtomicWrite, RealReadOnlyFolderOrFileIsNotReplaced) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "an administrator may write any folder; the injected cases cover it";
    ::chmod(dir.c_str(), 0555);
    EXPECT_EQ(cfgWriteFile(store, at("lhntapi.ini")), 1);
    ::chmod(dir.c_str(), 0755);
    expectOriginalOnly();
    ::chmod(at("lhntapi.ini").c_str(), 0444);
    EXPECT_EQ(cfgWriteFile(store, at("lhntapi.ini")), 1);
    expectOriginalOnly();
}

TEST_F(AtomicWrite, KilledOrAbandonedWriterLeavesOriginalAndNoTemporaryFile) {
    ::fflush(nullptr);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        AtomicFileOps ops = atomicFileOps();
        ops.write = [real = ops.write](int fd, const void* data, std::size_t size) -> long {
            real(fd, data, size / 2);
            ::raise(SIGKILL);
            return -1;
        };
        setAtomicFileOpsForTesting(&ops);
        cfgWriteFile(store, at("lhntapi.ini"));
        ::_exit(0); // not reached: the write hook kills the process
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    expectOriginalOnly();

    AtomicFileOps ops = atomicFileOps();
    ops.open = [real = ops.open](const char* p, int flags, unsigned mode) {
        return (flags & O_TMPFILE) == O_TMPFILE ? -1 : real(p, flags, mode);
    };
    setAtomicFileOpsForTesting(&ops);
    {
        AtomicFile file(at("lhntapi.ini"));
        ASSERT_TRUE(file.open());
        ASSERT_TRUE(file.write("partial", 7));
        EXPECT_EQ(entries().size(), 2u); // the named temporary file, while it is written
    }                                    // destroyed without commit
    expectOriginalOnly();
}
