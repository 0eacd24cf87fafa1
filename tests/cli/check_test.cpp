#include "tool_fixture.h"

#include "json_text.h"
#include "string_ids.h"

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
    // Each finding names the line of its record's section, as compilers name a line.
    // ... and the field it is about, as put names it.
    auto line = [](int at, const std::string& what, ErrorCode code, const std::string& field) {
        return "a.ini:" + std::to_string(at) + ": " + what + ": " + errorLine(code) + " (field " +
               field + ")\n";
    };
    using enum ErrorCode;
    const std::string expected =
        line(4, "global", GlobalUserName, "USER_NAME") +
        line(13, "cpic BAD", CpicUserId, "SEC_USERID") + line(21, "cpic BAD", ModeName, "MODE") +
        line(27, "tp", Store, "TP_NAME") + line(30, "lux P1", NoFirstLink, "SESSION[0].server") +
        line(38, "common", ModeName, "MODE");
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(r.err, "");
    // The same file on standard input is named "-".
    ToolResult piped = run({"check", "-"}, read("a.ini"));
    EXPECT_EQ(piped.exitCode, 1);
    std::string renamed = expected;
    for (auto at = renamed.find("a.ini:"); at != std::string::npos; at = renamed.find("a.ini:"))
        renamed.replace(at, 5, "-");
    EXPECT_EQ(piped.out, renamed);
    const Json findings = Json::parse(run({"check", "--json", "a.ini"}).out);
    ASSERT_EQ(findings.size(), 6u);
    EXPECT_EQ(findings[1]["line"], 13);
    EXPECT_EQ(findings[1]["field"], "SEC_USERID");
    EXPECT_EQ(findings[4]["field"], "SESSION[0].server");
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
        EXPECT_EQ(f["code"], codeNumber(ErrorCode::None));
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
    const std::string warning = formatMessage(text(ids::kProblemOldForm), {"BAD NAME%"});
    const std::string refusal = formatMessage(text(ids::kRuleServerName), {"BAD NAME"});
    EXPECT_EQ(bad.out, "bad.ini:4: appc: warning: " + warning + "\nbad.ini:4: appc: " +
                           errorLine(ErrorCode::ServerName, refusal) + " (field SERVER[0].name)\n");
}

TEST_F(CheckCommand, ACleanFileIsExitStatusZeroAndAnEmptyList) {
    write("good.ini",
          configFile({"[GLOBAL]", "USER_NAME=ADMIN", "[CLIENT_ATTACH]", "TP_NAME=T", "PATH=/x"}));
    ToolResult good = run({"check", "good.ini"});
    EXPECT_EQ(good.exitCode, 0) << good.out;
    EXPECT_EQ(good.out, "");
    EXPECT_EQ(run({"check", "good.ini", "--json"}).out, "[]\n");
}
