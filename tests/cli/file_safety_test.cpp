// The tool on files an attacker or an unlucky administrator sets up: nothing but a regular
// file is read or replaced, no link is followed where the kernel would refuse it, derived
// files keep the original's protection, nothing the reader leaves out is dropped without a
// word, no password is printed, and every failure names the path and the reason.
#include "tool_fixture.h"

#include "command_line.h"
#include "file_lock.h"

#include <fcntl.h>
#include <filesystem>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string kOld = configFile({"[APPC]", "SELECT=SERVER", "SERVER=HOSTA%,TCP/IP,ENC_OFF",
                                     "SERVER=", "SERVER=", "SERVER=", "SCOPE="});
const std::string kTp = R"({"TP_NAME":"PAY","PATH":"/opt/pay"})";

struct stat statOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st;
}

class FileSafety : public ToolTest {
protected:
    void makeSocket(const std::string& name) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string p = path(name);
        ASSERT_LT(p.size(), sizeof address.sun_path);
        p.copy(address.sun_path, p.size());
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
    }
};

} // namespace

TEST_F(FileSafety, OnlyARegularFileIsReadOrReplacedAndNothingHangs) {
    fs::create_directory(path("folder.ini"));
    ASSERT_EQ(::mkfifo(path("fifo.ini").c_str(), 0600), 0);
    makeSocket("socket.ini");
    fs::create_symlink("/dev/null", path("null.ini"));
    fs::create_symlink("/dev/zero", path("zero.ini"));
    write("huge.ini", "");
    fs::resize_file(path("huge.ini"), 65ull << 20); // sparse: quick to make
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"folder.ini", "is a folder"}, {"fifo.ini", "is a named pipe (FIFO)"},
        {"socket.ini", "is a socket"}, {"null.ini", "is a device"},
        {"zero.ini", "is a device"},   {"huge.ini", "is larger than 64 MiB"}};
    for (const auto& [name, reason] : cases)
        for (const std::vector<std::string>& args : {std::vector<std::string>{"dump", name},
                                                     {"check", name},
                                                     {"save", name},
                                                     {"put", name, "tp", "-"},
                                                     {"convert", name}}) {
            SCOPED_TRACE(args[0] + " " + name);
            ToolResult r = run(args, kTp);
            EXPECT_NE(r.err.find(name + ": " + reason), std::string::npos) << r.err;
            if (args[0] == "save" || args[0] == "put" || args[0] == "dump") {
                EXPECT_EQ(r.exitCode, kExitUnreadable);
            }
        }
    EXPECT_TRUE(S_ISCHR(statOf("/dev/null").st_mode) && S_ISFIFO(statOf(path("fifo.ini")).st_mode));
    EXPECT_TRUE(fs::is_symlink(path("null.ini")) && fs::is_directory(path("folder.ini")));
}

TEST_F(FileSafety, LinksAreFollowedOnlyWhereTheKernelWouldAndNeverToCreateAFile) {
    write("victim", "precious");
    fs::create_symlink("loop2.ini", path("loop1.ini"));
    fs::create_symlink("loop1.ini", path("loop2.ini"));
    fs::create_symlink("gone/new.ini", path("dangling.ini"));
    fs::create_directory(path("shared"));
    ::chmod(path("shared").c_str(), 01777);
    fs::create_symlink("../victim", path("shared/lhntapi.ini"));
    // Another user's link in a sticky folder anyone may write: only root can plant one here.
    const bool planted = ::lchown(path("shared/lhntapi.ini").c_str(), 65534, 65534) == 0;
    struct Case {
        std::string file, reason;
        int exitCode;
    };
    std::vector<Case> cases = {
        {"loop1.ini", "loop1.ini: leads round in a loop of symbolic links", kExitUnreadable},
        {"dangling.ini", "dangling.ini: is a symbolic link; a new file is never", kExitNotSaved}};
    if (planted)
        cases.push_back({"shared/lhntapi.ini", "shared/lhntapi.ini: is a symbolic link in a folder",
                         kExitUnreadable});
    for (const Case& c : cases)
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"put", c.file, "tp", "-"}, {"save", c.file}}) {
            SCOPED_TRACE(args[0] + " " + c.file);
            if (args[0] == "save" && c.file == "dangling.ini")
                continue; // nothing to open, nothing to create
            ToolResult r = run(args, kTp);
            EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
            EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
        }
    EXPECT_EQ(read("victim"), "precious");
    EXPECT_TRUE(fs::is_symlink(path("loop1.ini")) && !fs::exists(path("gone")));

    // A backup name planted as a link: the conversion neither follows nor replaces it.
    write("site.ini", kOld);
    fs::create_symlink("victim", path("site.001"));
    for (bool force : {false, true}) {
        ToolResult r = run(force ? std::vector<std::string>{"save", "--force", "site.ini"}
                                 : std::vector<std::string>{"save", "site.ini"});
        EXPECT_EQ(r.exitCode, kExitNotSaved) << r.err;
        EXPECT_NE(r.err.find(force ? "site.001: is a symbolic" : "site.001: exists already"),
                  std::string::npos)
            << r.err;
    }
    EXPECT_EQ(read("victim"), "precious");
    EXPECT_EQ(read("site.ini"), kOld);
}

TEST_F(FileSafety, DerivedFilesKeepTheModeAndOwnerOfTheFileTheyComeFrom) {
    write("x.cfg", kOld);
    ::chmod(path("x.cfg").c_str(), 0600);
    const bool root = ::chown(path("x.cfg").c_str(), 65534, 65534) == 0;
    ToolResult r = run({"convert", "x.cfg"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const std::string name : {"x.001", "x.ini"}) {
        EXPECT_EQ(statOf(path(name)).st_mode & 07777, 0600u) << name;
        EXPECT_TRUE(!root || statOf(path(name)).st_uid == 65534u) << name;
    }
}

TEST_F(FileSafety, TextTheReaderLeavesOutIsNamedAndSavedOverOnlyWithForce) {
    const std::string h = "%Arvenco SNA Client Configuration File\r\n";
    const std::string trace = "[TRACE]\r\nFILE=x\r\n";
    const std::vector<std::tuple<std::string, int, std::string>> cases = {
        {h + trace + std::string("\xFF") + "[CPIC_INFO]\r\n", 4, "a byte 255 ends the input"},
        {"%Arvenco\r[GLOBAL]\rUSER_NAME=A\r", 1, "carriage return alone"},
        {h + "[GLOBAL]\r\nUSER_NAME=A" + std::string(1, '\0') + "B\r\n", 3, "a NUL byte"},
        {h + "[TRACE]\r\n; see C:\\\r\nFILE=x\r\n", 3, "a backslash at the end joins"},
        {"[GLOBAL]\r\n[TRACE]\r\n", 1, "it is a section line"},
    };
    for (const auto& [bytes, line, cause] : cases) {
        SCOPED_TRACE(cause);
        write("f.ini", bytes);
        ToolResult check = run({"check", "f.ini"});
        EXPECT_EQ(check.exitCode, 0);
        EXPECT_NE(check.out.find("f.ini: line " + std::to_string(line) + ": warning: "),
                  std::string::npos)
            << check.out;
        EXPECT_NE(check.out.find(cause), std::string::npos) << check.out;
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"save", "f.ini"}, {"delete", "f.ini", "tp", "PAY"}}) {
            EXPECT_EQ(run(args).exitCode, kExitUnreadable) << args[0];
            EXPECT_EQ(read("f.ini"), bytes);
        }
        EXPECT_EQ(run({"save", "--force", "f.ini"}).exitCode, 0);
    }
}

TEST_F(FileSafety, AConversionReplacesAnUnrelatedFileOnlyWithForceAndCheckNamesIt) {
    write("x.cfg", kOld);
    write("x.ini", "unrelated");
    ToolResult check = run({"put", "--check", "x.cfg", "tp", "-"}, kTp);
    EXPECT_EQ(check.exitCode, kExitNotSaved);
    EXPECT_NE(check.out.find("x.001: would be written\n"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("x.ini: would be replaced (it exists: only with --force)\n"),
              std::string::npos);
    ToolResult refused = run({"convert", "x.cfg"});
    EXPECT_EQ(refused.exitCode, kExitNotSaved);
    EXPECT_NE(refused.err.find("x.ini: exists already and is not replaced"), std::string::npos);
    EXPECT_EQ(read("x.ini"), "unrelated");
    EXPECT_EQ(run({"convert", "--force", "x.cfg"}).exitCode, 0);
    EXPECT_NE(read("x.ini").find("SERVER=HOSTA,TCP/IP"), std::string::npos);
}

TEST_F(FileSafety, DiffAndCheckShowPasswordsOnlyWhenAsked) {
    // A password written by hand, not scrambled, in a file with LF line ends: a save rewrites
    // every line, the password's too. The GLOBAL one is continued on a second line.
    for (const std::string mode : {"--check", "--diff"})
        for (bool show : {false, true}) {
            SCOPED_TRACE(mode + std::string(show ? " shown" : ""));
            write("p.ini", "H\n[CPIC_INFO]\nSYMB_NAME=S1\nSEC_PW=SECRET12345\n"
                           "[GLOBAL]\nPASSWORD=PLAIN\\\nXYZZY\n");
            std::vector<std::string> args{"save", mode, "p.ini"};
            if (show)
                args.push_back("--show-passwords");
            ToolResult r = run(args);
            EXPECT_EQ(r.out.find("SECRET12345") != std::string::npos, show) << r.out;
            EXPECT_EQ(r.out.find("XYZZY") != std::string::npos, show) << r.out;
            EXPECT_EQ(r.out.find("SEC_PW=**********") != std::string::npos, !show) << r.out;
        }
}

TEST_F(FileSafety, AFailedSaveNamesThePathAndTheReason) {
    // Programs enough that the saved file is larger than the limit set below.
    std::vector<std::string> lines{"[GLOBAL]", "USER_NAME=A"};
    for (char n = '1'; n <= '6'; ++n)
        lines.insert(lines.end(), {"[CLIENT_ATTACH]", std::string("TP_NAME=PROG") + n,
                                   std::string("PATH=/opt/programs/prog") + n});
    write("c.ini", configFile(lines));
    const std::string before = read("c.ini");
    {
        // Another writer holds the file: the tool waits as long as it is told, then says who.
        FileLock held;
        FileError error;
        ASSERT_TRUE(held.acquire(path("c.ini"), error));
        ToolResult r = run({"put", "--lock-wait", "0.2", "c.ini", "tp", "-"}, kTp);
        EXPECT_EQ(r.exitCode, kExitNotSaved);
        EXPECT_NE(r.err.find("c.ini: another program is saving it (apicfg_cli_test, process " +
                             std::to_string(::getpid())),
                  std::string::npos)
            << r.err;
    }
    // A file size limit: the write fails with EFBIG instead of killing the tool.
    write("tp.json", kTp);
    struct rlimit kept {};
    ::getrlimit(RLIMIT_FSIZE, &kept);
    struct rlimit small = kept;
    small.rlim_cur = 250; // below the file, above the messages
    ::setrlimit(RLIMIT_FSIZE, &small);
    Started started = start({"put", "c.ini", "tp", "tp.json"});
    ::setrlimit(RLIMIT_FSIZE, &kept);
    ToolResult r = finish(started);
    EXPECT_EQ(r.exitCode, kExitNotSaved);
    EXPECT_NE(r.err.find("c.ini: File too large"), std::string::npos) << r.err;
    EXPECT_EQ(read("c.ini"), before);
}
