#include "tool_fixture.h"

class SaveCommand : public ToolTest {};

TEST_F(SaveCommand, SavesAsFileOpenThenFileSaveWould) {
    write("a.ini", "any first line\n; comment\n[CPIC_INFO]\nSYMB_NAME=S1\n  indented=ignored\n");
    ToolResult r = run({"save", "a.ini"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "");
    const std::string once = read("a.ini");
    EXPECT_EQ(once, configFile({"[CPIC_INFO]", "SYMB_NAME=S1", "[GLOBAL]",
                                "USER_NAME=", "PASSWORD=", "TRANSLATE_TABLE=", "DEF_LU_ALIAS=",
                                "DEF_PLU_ALIAS=", "[TRACE]", "FILE=", "FLAGS=0x0000"}));
    EXPECT_EQ(run({"save", "a.ini"}).exitCode, 0);
    EXPECT_EQ(read("a.ini"), once) << "saving again changes nothing more";
}

TEST_F(SaveCommand, AValueThatWouldNotReadBackIsNeverWritten) {
    // A value ending with a backslash on the file's last line reads as it stands, but written
    // back it would swallow the next line.
    const std::string text = configFile({"[GLOBAL]", "USER_NAME=A"}) + "\r\n[X]\r\nK=v\\";
    write("a.ini", text);
    ToolResult back = run({"save", "a.ini"});
    EXPECT_EQ(back.exitCode, 1);
    EXPECT_EQ(back.err.rfind(errorLine(66), 0), 0u) << back.err;
    EXPECT_EQ(read("a.ini"), text);
}
