#include "tool_fixture.h"

class ToolUsage : public ToolTest {};

TEST_F(ToolUsage, HelpForTheToolAndEveryCommandWithAnExample) {
    ToolResult tool = run({"--help"});
    EXPECT_EQ(tool.exitCode, 0);
    for (const char* command :
         {"dump", "list", "get", "put", "delete", "check", "convert", "save", "strings"}) {
        EXPECT_NE(tool.out.find(command), std::string::npos) << command;
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
