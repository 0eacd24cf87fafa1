#include "record_kinds.h"
#include "tool_fixture.h"

#include <sstream>

class ToolUsage : public ToolTest {};

TEST_F(ToolUsage, HelpForTheToolAndEveryCommandWithAnExample) {
    ToolResult tool = run({"--help"});
    EXPECT_EQ(tool.exitCode, 0);
    // Every command the help lists, up to the blank line that ends the list.
    std::istringstream help(tool.out.substr(tool.out.find("Subcommands:\n") + 13));
    std::vector<std::string> commands;
    for (std::string line; std::getline(help, line) && !line.empty();)
        commands.push_back(line.substr(2, line.find(' ', 2) - 2));
    ASSERT_GE(commands.size(), 2u) << tool.out;
    for (const std::string& command : commands) {
        ToolResult r = run({command, "--help"});
        EXPECT_EQ(r.exitCode, 0) << command;
        const std::size_t example = r.out.find("Example:\n  ");
        ASSERT_NE(example, std::string::npos) << command;
        EXPECT_NE(r.out.find(std::string("apicfg-tool ") + command + " ", example),
                  std::string::npos)
            << command;
    }
    ToolResult version = run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("apicfg-tool ", 0), 0u);
}

// A script builds on what `kinds` says: every command it names for a kind takes the kind,
// and every other one refuses it as an error of use.
TEST_F(ToolUsage, KindsNameTheCommandsThatTakeEachKind) {
    write("f.ini", configFile({"[GLOBAL]", "USER_NAME=ADMIN"}));
    ToolResult kinds = run({"kinds"});
    ASSERT_EQ(kinds.exitCode, 0);
    std::istringstream lines(kinds.out);
    std::string line;
    int seen = 0;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string kind, nameKey, commands;
        std::getline(fields, kind, '\t');
        std::getline(fields, nameKey, '\t');
        std::getline(fields, commands, '\t');
        ++seen;
        for (const std::string command : {"list", "get", "put", "delete"}) {
            std::vector<std::string> args{command, "--check", "f.ini", kind};
            if (command == "list" || command == "get")
                args.erase(args.begin() + 1);
            if (nameKey != "-" && command != "list" && command != "put")
                args.push_back("SOME");
            const ToolResult r = run(args, "{}");
            const bool refused = r.err.find("does not take the kind") != std::string::npos;
            const bool named =
                (" " + commands + " ").find(" " + command + " ") != std::string::npos;
            EXPECT_EQ(refused, !named) << line << " / " << command << ": " << r.err;
            EXPECT_EQ(refused, r.exitCode == 2) << line << " / " << command;
        }
    }
    EXPECT_EQ(seen, static_cast<int>(recordKinds().size()));
    ToolResult json = run({"kinds", "--json"});
    EXPECT_NE(
        json.out.find(
            R"({"kind":"cpic","section":"CPIC_INFO","name_key":"SYMB_NAME","password_key":"SEC_PW","commands":["list","get","put","delete"])"),
        std::string::npos)
        << json.out;
}
