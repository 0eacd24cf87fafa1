#include "tool_fixture.h"

#include "scramble.h"

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

TEST_F(DumpCommand, APasswordStoredAsPlainTextIsShownOnlyWhenAsked) {
    // An 11-character CPI-C password cannot be scrambled and stands in the file as typed.
    const std::string scrambled = scramblePassword("SHORTPW", 20);
    write("a.ini", configFile({"[CPIC_INFO]", "SYMB_NAME=S", "SEC_PW=ELEVENCHARS", "[GLOBAL]",
                               "PASSWORD=" + scrambled, "USER_NAME=ELEVENCHARS"}));
    ToolResult r = run({"dump", "a.ini"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("{\"name\":\"SEC_PW\",\"value\":\"**********\"}"), std::string::npos);
    EXPECT_NE(r.out.find("{\"name\":\"PASSWORD\",\"value\":\"" + scrambled + "\"}"),
              std::string::npos);
    EXPECT_NE(r.out.find("{\"name\":\"USER_NAME\",\"value\":\"ELEVENCHARS\"}"), std::string::npos);

    ToolResult shown = run({"dump", "--show-passwords", "a.ini"});
    EXPECT_NE(shown.out.find("{\"name\":\"SEC_PW\",\"value\":\"ELEVENCHARS\"}"), std::string::npos);
}

TEST_F(DumpCommand, NoCommandShowsAStoredPasswordWithoutBeingAsked) {
    write(
        "a.ini",
        configFile({"[GLOBAL]", "USER_NAME=U", "PASSWORD=" + scramblePassword("G1PASS", 28),
                    "[CPIC_INFO]", "SYMB_NAME=S", "REMOTE_TP=T", "SEC_TYPE=2", "SEC_PW=C1PASSWORDX",
                    "[NODEX_SYSTEM]", "HOST_NAME=H", "PASSWORD=" + scramblePassword("S1PASS", 20),
                    "[NODEX_COMMON]", "PASSWORD=M1PASS"}));
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"dump", "a.ini"},
                                               {"list", "a.ini"},
                                               {"get", "a.ini", "global"},
                                               {"get", "a.ini", "cpic", "S"},
                                               {"get", "a.ini", "system", "H"},
                                               {"get", "a.ini", "common"},
                                               {"check", "a.ini"},
                                               {"check", "--json", "a.ini"}}) {
        ToolResult r = run(args);
        for (const char* password : {"G1PASS", "C1PASSWORDX", "S1PASS", "M1PASS"}) {
            EXPECT_EQ(r.out.find(password), std::string::npos) << args[0] << " " << password;
            EXPECT_EQ(r.err.find(password), std::string::npos) << args[0] << " " << password;
        }
    }
}
