#include "tool_fixture.h"

class DumpCommand : public ToolTest {};

TEST_F(DumpCommand, PrintsTheStoreInFileOrderWithEveryByteAsOneCharacter) {
    // Two sections of one name stay two; a tab and bytes above 0x7F are values like others.
    write("a.ini", configFile({"[CPIC_INFO]", "SYMB_NAME=A", "[GLOBAL]", "USER_NAME=J\xE9r\xF4me",
                               "PASSWORD=", "[CPIC_INFO]", "SYMB_NAME=B", "X Y=1\t2=3"}));
    ToolResult r = run({"dump", "a.ini"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "{\"sections\":["
                     "{\"name\":\"CPIC_INFO\",\"keys\":[{\"name\":\"SYMB_NAME\",\"value\":\"A\"}]},"
                     "{\"name\":\"GLOBAL\",\"keys\":[{\"name\":\"USER_NAME\",\"value\":"
                     "\"J\xC3\xA9r\xC3\xB4me\"},{\"name\":\"PASSWORD\",\"value\":\"\"}]},"
                     "{\"name\":\"CPIC_INFO\",\"keys\":[{\"name\":\"SYMB_NAME\",\"value\":\"B\"},"
                     "{\"name\":\"X Y\",\"value\":\"1\\u00092=3\"}]}]}\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(DumpCommand, AnEmptyFileIsAnEmptyStore) {
    write("empty.ini", "");
    ToolResult r = run({"dump", "empty.ini"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "{\"sections\":[]}\n");
}

TEST_F(DumpCommand, AFileThatCannotBeOpenedIs1AndAMalformedOne2WithItsLine) {
    ToolResult missing = run({"dump", "nothing.ini"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err.rfind(errorLine(66), 0), 0u) << missing.err;

    // Lines: header, ";", ";", "[A]", the key continued over lines 5 and 6, the bad line 7.
    write("bad.ini", configFile({"[A]", "K=a\\", "b", "no equals sign here"}));
    ToolResult bad = run({"dump", "bad.ini"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_NE(bad.err.find("bad.ini: line 7:"), std::string::npos) << bad.err;

    write("long.ini", configFile({"[SIXTEEN_CHARS_AB]"}));
    ToolResult longName = run({"dump", "long.ini"});
    EXPECT_EQ(longName.exitCode, 2);
    EXPECT_NE(longName.err.find("long.ini: line 4:"), std::string::npos) << longName.err;
}
