#include "tool_fixture.h"

#include "scramble.h"
#include "tela_environment.h"
#include "test_helpers.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

using testing_support::slurp;

void ToolTest::SetUp() {
    std::string pattern = (std::filesystem::temp_directory_path() / "apicfg-cli-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    m_dir = pattern;
    TelaEnvironment::SetSearchPath({APICFG_LANG_SOURCE_DIR});
    ASSERT_TRUE(TelaEnvironment::LoadLibrary("LHCENU.DLL"));
}

void ToolTest::TearDown() {
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
}

void ToolTest::write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(path(name), std::ios::binary);
    out << bytes;
}

std::string ToolTest::read(const std::string& name) const {
    return slurp(path(name));
}

bool ToolTest::exists(const std::string& name) const {
    return std::filesystem::exists(path(name));
}

ToolResult ToolTest::run(const std::vector<std::string>& args, const std::string& input,
                         const std::vector<std::string>& env) const {
    return finish(start(args, input, env));
}

ToolTest::Started ToolTest::start(const std::vector<std::string>& args, const std::string& input,
                                  const std::vector<std::string>& env) const {
    static int count = 0;
    Started started;
    started.files = m_dir + "/.tool" + std::to_string(++count);
    const std::string in = started.files + ".in", out = started.files + ".out",
                      err = started.files + ".err";
    std::ofstream(in, std::ios::binary) << input;
    std::vector<std::string> argv{APICFG_TOOL};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<std::string> envs{"LC_ALL=C",
                                  std::string("APICFG_LANG_DIR=") + APICFG_LANG_SOURCE_DIR};
    if (const char* p = std::getenv("PATH"))
        envs.push_back(std::string("PATH=") + p);
    for (const std::string& e : env) {
        const std::string key = e.substr(0, e.find('=') + 1);
        std::erase_if(envs, [&key](const std::string& old) { return old.rfind(key, 0) == 0; });
        envs.push_back(e);
    }
    std::vector<char*> argp, envp;
    for (std::string& a : argv)
        argp.push_back(a.data());
    argp.push_back(nullptr);
    for (std::string& e : envs)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    // Relative paths in a test are relative to its folder.
    const std::string here = std::filesystem::current_path().string();
    std::filesystem::current_path(m_dir);
    if (posix_spawn(&started.pid, argp[0], &actions, nullptr, argp.data(), envp.data()) != 0)
        started.pid = -1;
    std::filesystem::current_path(here);
    posix_spawn_file_actions_destroy(&actions);
    return started;
}

ToolResult ToolTest::finish(const Started& started) const {
    ToolResult r;
    if (started.pid < 0) {
        ADD_FAILURE() << "cannot start " << APICFG_TOOL;
        return r;
    }
    int status = 0;
    ::waitpid(started.pid, &status, 0);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    r.out = slurp(started.files + ".out");
    r.err = slurp(started.files + ".err");
    for (const char* suffix : {".in", ".out", ".err"})
        std::filesystem::remove(started.files + suffix);
    return r;
}

std::string ToolTest::errorLine(ErrorCode code, const std::string& message) {
    return "error " + std::to_string(codeNumber(code)) + ": " +
           (message.empty() ? text(errorMessageId(code)) : message);
}

std::string ToolTest::hidden(const std::string& key, const std::string& plain, int length) {
    return key + "=" + scramblePassword(plain, length);
}

std::string ToolTest::text(int id) {
    return TelaEnvironment::GetUserString(id);
}

std::string configFile(const std::vector<std::string>& lines) {
    std::string text = "%Arvenco SNA Client Configuration File\r\n;\r\n";
    for (const std::string& line : lines) {
        if (!line.empty() && line[0] == '[')
            text += ";\r\n";
        text += line + "\r\n";
    }
    return text + ";;  END";
}

std::string configSections(const std::vector<std::vector<std::string>>& sections) {
    std::vector<std::string> lines;
    for (const std::vector<std::string>& section : sections)
        lines.insert(lines.end(), section.begin(), section.end());
    return configFile(lines);
}
