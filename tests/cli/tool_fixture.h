// Runs the built apicfg-tool on files in a fresh folder and collects what it printed.
#pragma once

#include "messages.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/types.h>
#include <vector>

struct ToolResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class ToolTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string path(const std::string& name) const { return m_dir + "/" + name; }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;

    // Runs the tool in the test's folder with input on its standard input. The language
    // is English unless env names another locale ("LC_ALL=de_DE.UTF-8").
    ToolResult run(const std::vector<std::string>& args, const std::string& input = "",
                   const std::vector<std::string>& env = {}) const;
    // The same in two steps, for tools that run side by side: start does not wait, finish
    // waits for the tool and collects what it printed.
    struct Started {
        pid_t pid = -1;
        std::string files; // the prefix of its standard input, output and error files
    };
    Started start(const std::vector<std::string>& args, const std::string& input = "",
                  const std::vector<std::string>& env = {}) const;
    ToolResult finish(const Started& started) const;

    // "error CODE: MESSAGE", by default with the loaded library's message of the code.
    static std::string errorLine(ErrorCode code, const std::string& message = "");
    // "KEY=" and the password scrambled to the field length, as the client stores it.
    static std::string hidden(const std::string& key, const std::string& plain, int length);
    // The English library's text of a string id.
    static std::string text(int id);

private:
    std::string m_dir;
};

// A configuration file as the client writes it: header, sections, end line, CR LF.
std::string configFile(const std::vector<std::string>& lines);
// The same from one list of lines per section, for files of many sections.
std::string configSections(const std::vector<std::vector<std::string>>& sections);
