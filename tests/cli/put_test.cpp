#include "tool_fixture.h"

#include "json_text.h"
#include "scramble.h"
#include "string_ids.h"

class PutCommand : public ToolTest {
protected:
    // What `get` prints, passwords included: the record as its reader sees it.
    Json record(const std::string& file, const std::string& kind, const std::string& name = "") {
        std::vector<std::string> args{"get", file, kind, "--show-passwords"};
        if (!name.empty())
            args.push_back(name);
        ToolResult r = run(args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return r.exitCode == 0 ? Json::parse(r.out) : Json();
    }
};

TEST_F(PutCommand, AMissingFileIsCreatedAsANewDocumentWithTheDefaultsOfASave) {
    ToolResult r = run({"put", "new.ini", "tp"}, R"({"TP_NAME":"PAYROLL","PATH":"/opt/pay/run"})");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(record("new.ini", "tp", "PAYROLL")["PATH"], "/opt/pay/run");
    ToolResult resaved = run({"save", "--check", "new.ini"}); // nothing a save would add
    EXPECT_EQ(resaved.exitCode, 0) << resaved.out;
}

TEST_F(PutCommand, WhatGetPrintsFedBackRewritesTheSameRecord) {
    // A password ending with a backslash is stored as hex digits: nothing the file cannot carry.
    const std::string gpwPw = hidden("PASSWORD", "GP\\", 28), cpwPw = hidden("SEC_PW", "CPW", 20),
                      spwPw = hidden("PASSWORD", "SPW", 20), mpwPw = hidden("PASSWORD", "MPW", 20);
    write("a.ini",
          configSections(
              {{"[GLOBAL]", "USER_NAME=ADMIN", gpwPw, "DEF_PLU_ALIAS=*", "LU62_LB=1"},
               {"[APPC]", "SELECT=SERVER", "SERVER=HOSTA,TCP/IP,ENC_ON",
                "SERVER=HOSTB,IPX/SPX,ENC_OFF", "SCOPE=*,TCP,ENC_OFF"},
               {"[CPIC_INFO]", "SYMB_NAME=S1", "LOCAL_LU=*", "PART_LU=NET.LU1", "MODE=#INTER",
                "REMOTE_TP=TPA", "SEC_TYPE=2", "TP_TYPE=0", cpwPw, "SEC_USERID=USER", "PLU_TYPE=1"},
               {"[CPIC_INFO]", "SYMB_NAME=S2", "REMOTE_TP=TPB"},
               {"[CLIENT_ATTACH]", "TP_NAME=T1", "PATH=/bin/t", "PARM_STRING=-x\ry"},
               {"[LUX_PROFILE]", "PROFILE_NAME=P1", "SESSION=HOSTC,*,0,LU01,TCP/IP,,ENC_OFF",
                "SESSION=*,*,1,,TCP/IP,SC,ENC_OPT"},
               {"[DEF_LUX_PROF]", "DEF_PROF_NAME=P1"},
               {"[NODEX_SYSTEM]", "HOST_NAME=SYS1", "USER_NAME=U", spwPw, "DEFAULT=1"},
               {"[NODEX_COMMON]", "USER_NAME=C", mpwPw, "LOCAL_LU=L", "MODE=XLNKMOD"}}));
    for (const std::vector<std::string>& r :
         std::vector<std::vector<std::string>>{{"global"},
                                               {"appc"},
                                               {"cpic", "S1"},
                                               {"tp", "T1"},
                                               {"lux", "P1"},
                                               {"system", "SYS1"},
                                               {"common"}}) {
        const std::string name = r.size() > 1 ? r[1] : "";
        const Json before = record("a.ini", r[0], name);
        std::vector<std::string> get{"get", "a.ini"};
        get.insert(get.end(), r.begin(), r.end());
        ToolResult put = run({"put", "a.ini", r[0], "-"}, run(get).out); // with placeholders
        EXPECT_EQ(put.exitCode, 0) << r[0] << ": " << put.err;
        EXPECT_EQ(record("a.ini", r[0], name), before) << r[0];
    }
    // A first entry of two is written back where it stood: the file is the same byte for byte.
    const std::string file = read("a.ini");
    EXPECT_EQ(run({"put", "a.ini", "cpic"}, run({"get", "a.ini", "cpic", "S1"}).out).exitCode, 0);
    EXPECT_EQ(read("a.ini"), file);
}

TEST_F(PutCommand, ARefusedRecordNamesFileKindRecordAndFieldAndLeavesTheFileUntouched) {
    struct Case {
        std::string kind, json;
        std::string who; // "FILE: kind NAME"
        int number;      // the code, or the message id of a rule of the editor's own
        std::string field;
        std::string says = ""; // what the message says
    };
    // Each kind's refusals and their messages are the sheet's (tests/editors/one_rule_test.cpp);
    // here, the form of put's line and what no other command refuses.
    const std::vector<Case> refused{
        {"cpic", R"({"SYMB_NAME":"TWO WRDS","REMOTE_TP":"T"})", "a.ini: cpic TWO WRDS",
         codeNumber(ErrorCode::SymbolicName), "SYMB_NAME"},
        // The partner's TP name shares its code with a TP entry's, not its characters.
        {"cpic", R"({"SYMB_NAME":"S","REMOTE_TP":"PAY.RUN"})", "a.ini: cpic S",
         codeNumber(ErrorCode::AppTpName), "REMOTE_TP", "letters, digits or _"},
        // Values the reader would give back differently are never stored.
        {"tp", R"({"TP_NAME":"T","PATH":"C:\\TP\\"})", "a.ini: tp T", ids::kRuleBackslash, "PATH"},
        {"tp", R"({"TP_NAME":"T","PATH":"/a\nb"})", "a.ini: tp T", ids::kRuleLineBreak, "PATH"},
        // A control character in a name is shown escaped: the refusal stays one line.
        {"tp", R"({"TP_NAME":"T\nX","PATH":"/a"})", "a.ini: tp T\\u000AX",
         codeNumber(ErrorCode::AppTpName), "TP_NAME"},
        {"lux",
         R"({"PROFILE_NAME":"P","SESSION":[{"server":"H","category":1,"lu_name":"WS042LU"}]})",
         "a.ini: lux P", ids::kRuleLinkCategory, "SESSION[0].lu_name"},
        {"lux",
         R"({"PROFILE_NAME":"P","SESSION":[{"server":"H","category":0,"lu_name":"WS042LU01"}]})",
         "a.ini: lux P", ids::kRuleTooLong, "SESSION[0].lu_name"},
        {"lux",
         R"({"PROFILE_NAME":"P","SESSION":[{"server":")" + std::string(64, 'h') +
             R"(","category":0,"lu_name":"LU000001","scope":")" + std::string(64, 's') + R"("}]})",
         "a.ini: lux P", ids::kRuleLinkTooLong, "SESSION[0].server", "154"},
        // The system dialog takes blanks off a host name's ends; put does not store them.
        {"system", R"({"HOST_NAME":" AS1"})", "a.ini: system  AS1", codeNumber(ErrorCode::HostName),
         "HOST_NAME"},
        // The common settings wait for a system, as in the editor.
        {"common", R"({"MODE":"XLNKMOD"})", "a.ini: common", ids::kMidMsgNoSystem, ""},
    };
    const std::string original = configFile({"[GLOBAL]", "USER_NAME=", "[TRACE]", "; a comment"});
    for (const Case& c : refused) {
        write("a.ini", original);
        ToolResult r = run({"put", "a.ini", c.kind}, c.json);
        EXPECT_EQ(r.exitCode, 1) << c.json;
        EXPECT_EQ(r.err.rfind(c.who + ": error " + std::to_string(c.number) + ": ", 0), 0u)
            << r.err;
        const std::string end = c.field.empty() ? ".\n" : " (field " + c.field + ")\n";
        EXPECT_TRUE(r.err.ends_with(end)) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_EQ(read("a.ini"), original) << c.json;
    }
}

TEST_F(PutCommand, FieldsLeftOutKeepTheCurrentValuesAndThePlaceholderThePassword) {
    const std::string oldPw = hidden("SEC_PW", "OLD", 20);
    write("a.ini", configFile({"[CPIC_INFO]", "SYMB_NAME=S1", "LOCAL_LU=LU1", "MODE=M1",
                               "REMOTE_TP=TPA", "SEC_TYPE=2", "SEC_USERID=U", oldPw}));
    ASSERT_EQ(
        run({"put", "a.ini", "cpic"}, R"({"SYMB_NAME":"S1","MODE":"M2","SEC_PW":"**********"})")
            .exitCode,
        0);
    Json s1 = record("a.ini", "cpic", "S1");
    EXPECT_EQ(s1["MODE"], "M2");
    EXPECT_EQ(s1["LOCAL_LU"], "LU1");
    EXPECT_EQ(s1["SEC_PW"], "OLD");
    ASSERT_EQ(run({"put", "a.ini", "cpic"}, R"({"SYMB_NAME":"S1","SEC_PW":"NEW"})").exitCode, 0);
    EXPECT_EQ(record("a.ini", "cpic", "S1")["SEC_PW"], "NEW");
    EXPECT_EQ(read("a.ini").find("NEW"), std::string::npos) << "stored scrambled";
    // A new name starts from the values of a new record.
    ASSERT_EQ(run({"put", "a.ini", "cpic"}, R"({"SYMB_NAME":"S2","REMOTE_TP":"TPB"})").exitCode, 0);
    Json s2 = record("a.ini", "cpic", "S2");
    EXPECT_EQ(s2["LOCAL_LU"], "*");
    EXPECT_EQ(s2["MODE"], "BLANK");
}

TEST_F(PutCommand, SystemDefaultOneMakesTheDefaultAndZeroTakesTheMarkOff) {
    write("a.ini", configFile({"[NODEX_SYSTEM]", "HOST_NAME=SYS1", "DEFAULT=1", "[NODEX_SYSTEM]",
                               "HOST_NAME=SYS2", "DEFAULT=0"}));
    for (const auto& [host, mark] : std::vector<std::pair<std::string, std::string>>{
             {"SYS2", "1"}, {"SYS3", "0"}, {"SYS4", "1"}, {"SYS4", "0"}, {"SYS2", "1"}})
        ASSERT_EQ(run({"put", "a.ini", "system"},
                      R"({"HOST_NAME":")" + host + R"(","DEFAULT":")" + mark + "\"}")
                      .exitCode,
                  0);
    EXPECT_EQ(record("a.ini", "system", "SYS1")["DEFAULT"], "0");
    EXPECT_EQ(record("a.ini", "system", "SYS2")["DEFAULT"], "1");
    EXPECT_EQ(record("a.ini", "system", "SYS3")["DEFAULT"], "0");
    EXPECT_EQ(record("a.ini", "system", "SYS4")["DEFAULT"], "0");
}

TEST_F(PutCommand, TakesJsonFromAFileKeepsLatin1AndConvertsOlderEntriesFirst) {
    const std::string old = configFile({"[APPC]", "SELECT=SERVER", "SERVER=HOSTA%,TCP/IP,ENC_OFF",
                                        "SERVER=", "SERVER=", "SERVER=", "SCOPE="});
    write("old.ini", old);
    write("rec.json", "{\"USER_NAME\":\"J\xC3\xA9r\xC3\xB4me\"}");
    ASSERT_EQ(run({"put", "old.ini", "global", "rec.json"}).exitCode, 0);
    EXPECT_NE(read("old.ini").find("USER_NAME=J\xE9r\xF4me\r\n"), std::string::npos);
    EXPECT_EQ(record("old.ini", "global")["USER_NAME"], "J\xC3\xA9r\xC3\xB4me");
    EXPECT_EQ(read("old.001"), old);
    EXPECT_EQ(record("old.ini", "appc")["SERVER"][0]["name"], "HOSTA");
}
