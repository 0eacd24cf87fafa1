#include "tool_fixture.h"

class SaveCommand : public ToolTest {};

TEST_F(SaveCommand, AValueThatWouldNotReadBackIsNeverWritten) {
    // A value ending with a backslash on the file's last line reads as it stands, but written
    // back it would swallow the next line.
    const std::string text = configFile({"[GLOBAL]", "USER_NAME=A"}) + "\r\n[X]\r\nK=v\\";
    write("a.ini", text);
    ToolResult back = run({"save", "a.ini"});
    EXPECT_EQ(back.exitCode, 1);
    EXPECT_EQ(back.err.rfind(errorLine(ErrorCode::Store), 0), 0u) << back.err;
    EXPECT_EQ(read("a.ini"), text);
}
