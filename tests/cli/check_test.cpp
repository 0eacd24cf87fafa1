#include "tool_fixture.h"

#include "json_text.h"

class CheckCommand : public ToolTest {};

TEST_F(CheckCommand, ReportsEveryRecordThatItsWriterWouldRefuseInFileOrder) {
    // The user id is checked in 10; a second record of one name is checked too; only the
    // first GLOBAL counts.
    write("a.ini",
          configSections(
              {{"[GLOBAL]", "USER_NAME=a:b"},
               {"[CPIC_INFO]", "SYMB_NAME=GOOD", "LOCAL_LU=*", "MODE=#INTER", "REMOTE_TP=TP"},
               {"[CPIC_INFO]", "SYMB_NAME=BAD", "LOCAL_LU=*", "MODE=#INTER", "REMOTE_TP=TP",
                "SEC_TYPE=1", "SEC_USERID=US@R"},
               {"[CPIC_INFO]", "SYMB_NAME=BAD", "LOCAL_LU=*", "MODE=lower", "REMOTE_TP=TP"},
               {"[CLIENT_ATTACH]", "LU_NAME=*"},
               {"[LUX_PROFILE]", "PROFILE_NAME=P1", "SESSION=,*,1,,TCP/IP,,ENC_OFF"},
               {"[NODEX_SYSTEM]", "HOST_NAME=SYS1", "USER_NAME=U"},
               {"[NODEX_COMMON]", "MODE=9X"},
               {"[GLOBAL]", "USER_NAME=:x"}}));
    ToolResult r = run({"check", "a.ini"});
    EXPECT_EQ(r.exitCode, 1);
    auto line = [](const std::string& what, int code) {
        return "a.ini: " + what + ": " + errorLine(code);
    };
    EXPECT_EQ(r.out, line("global", 62) + line("cpic BAD", 34) + line("cpic BAD", 56) +
                         line("tp", 66) + line("lux P1", 68) + line("common", 56));
    EXPECT_EQ(r.err, "");
}

TEST_F(CheckCommand, EntriesOfTheOlderFormWarnAndAreCheckedAsTheConversionWritesThem) {
    write("old.ini",
          configFile({"[APPC]", "SELECT=SERVER", "SERVER=HOSTA%,TCP/IP,ENC_OFF", "[LUX_PROFILE]",
                      "PROFILE_NAME=P1", "SESSION=HOSTB%,*,1,TCP/IP,,ENC_OFF"}));
    ToolResult r = run({"check", "--json", "old.ini"});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    Json findings = Json::parse(r.out);
    ASSERT_EQ(findings.size(), 2u) << r.out;
    for (const Json& f : findings) {
        EXPECT_EQ(f["file"], "old.ini");
        EXPECT_EQ(f["severity"], "warning");
        EXPECT_EQ(f["code"], 0);
        EXPECT_NE(f["message"].get<std::string>().find('%'), std::string::npos);
    }
    EXPECT_EQ(findings[0]["kind"], "appc");
    EXPECT_EQ(findings[0]["name"], "");
    EXPECT_EQ(findings[1]["kind"], "lux");
    EXPECT_EQ(findings[1]["name"], "P1");
    EXPECT_NE(read("old.ini").find("HOSTA%,"), std::string::npos) << "nothing converted";
    EXPECT_FALSE(exists("old.001"));

    // A name that the conversion could not write back is an error as well.
    write("bad.ini", configFile({"[APPC]", "SELECT=SERVER", "SERVER=BAD NAME%,TCP/IP,ENC_OFF"}));
    ToolResult bad = run({"check", "bad.ini"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.out, "bad.ini: appc: warning: server name \"BAD NAME%\" is of the older "
                       "form; opening the file converts it\nbad.ini: appc: " +
                           errorLine(54));
}

TEST_F(CheckCommand, ACleanFileIsExitStatusZeroAndAnEmptyList) {
    write("good.ini",
          configFile({"[GLOBAL]", "USER_NAME=ADMIN", "[CLIENT_ATTACH]", "TP_NAME=T", "PATH=/x"}));
    ToolResult good = run({"check", "good.ini"});
    EXPECT_EQ(good.exitCode, 0) << good.out;
    EXPECT_EQ(good.out, "");
    EXPECT_EQ(run({"check", "good.ini", "--json"}).out, "[]\n");
}
