#include "tool_fixture.h"

#include "scramble.h"

class DumpCommand : public ToolTest {};

TEST_F(DumpCommand, PrintsTheStoreInFileOrderWithEveryByteAsOneCharacter) {
    // Two sections of one name stay two; a tab and bytes above 0x7F are values like others.
    write("a.ini", configFile({"[CPIC_INFO]", "SYMB_NAME=A", "[GLOBAL]", "USER_NAME=J\xE9r\xF4me",
                               "[CPIC_INFO]", "X Y=1\t2=3"}));
    ToolResult r = run({"dump", "a.ini"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "{\"sections\":["
              "{\"name\":\"CPIC_INFO\",\"keys\":[{\"name\":\"SYMB_NAME\",\"value\":\"A\"}]},"
              "{\"name\":\"GLOBAL\",\"keys\":[{\"name\":\"USER_NAME\",\"value\":"
              "\"J\xC3\xA9r\xC3\xB4me\"}]},"
              "{\"name\":\"CPIC_INFO\",\"keys\":[{\"name\":\"X Y\",\"value\":\"1\\u00092=3\"}]}"
              "]}\n");
    EXPECT_EQ(r.err, "");
    write("empty.ini", "");
    EXPECT_EQ(run({"dump", "empty.ini"}).out, "{\"sections\":[]}\n");
}

TEST_F(DumpCommand, NoCommandShowsAPasswordUnlessAsked) {
    // An 11-character CPI-C password cannot be scrambled and stands in the file as typed.
    const std::string scrambled = scramblePassword("G1PASS", 28);
    const std::string s1passPw = hidden("PASSWORD", "S1PASS", 20);
    write("a.ini", configFile({"[GLOBAL]", "USER_NAME=ELEVENCHARS", "PASSWORD=" + scrambled,
                               "[CPIC_INFO]", "SYMB_NAME=S", "REMOTE_TP=T", "SEC_TYPE=2",
                               "SEC_PW=C1PASSWORDX", "[NODEX_SYSTEM]", "HOST_NAME=H", s1passPw,
                               "[NODEX_COMMON]", "PASSWORD=M1PASS"}));
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"dump", "a.ini"},
                                               {"list", "a.ini"},
                                               {"check", "a.ini"},
                                               {"check", "--json", "a.ini"}}) {
        ToolResult r = run(args);
        for (const char* password : {"G1PASS", "C1PASSWORDX", "S1PASS", "M1PASS"}) {
            EXPECT_EQ(r.out.find(password), std::string::npos) << args[0] << " " << password;
            EXPECT_EQ(r.err.find(password), std::string::npos) << args[0] << " " << password;
        }
    }
    ToolResult r = run({"dump", "a.ini"});
    EXPECT_NE(r.out.find("{\"name\":\"SEC_PW\",\"value\":\"**********\"}"), std::string::npos);
    EXPECT_NE(r.out.find("{\"name\":\"PASSWORD\",\"value\":\"" + scrambled + "\"}"),
              std::string::npos);
    EXPECT_NE(r.out.find("{\"name\":\"USER_NAME\",\"value\":\"ELEVENCHARS\"}"), std::string::npos);
    ToolResult shown = run({"dump", "--show-passwords", "a.ini"});
    EXPECT_NE(shown.out.find("{\"name\":\"SEC_PW\",\"value\":\"C1PASSWORDX\"}"), std::string::npos);
}
