#include "tool_fixture.h"

#include "json_text.h"
#include "scramble.h"

class PutCommand : public ToolTest {
protected:
    // What `get` prints, passwords included: the record as its reader sees it.
    Json record(const std::string& file, const std::string& kind, const std::string& name = "") {
        std::vector<std::string> args{"get", file, kind};
        if (!name.empty())
            args.push_back(name);
        args.push_back("--show-passwords");
        ToolResult r = run(args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return r.exitCode == 0 ? Json::parse(r.out) : Json();
    }
};

TEST_F(PutCommand, AMissingFileIsCreatedAsANewDocumentSavedUnderItsName) {
    ToolResult r = run({"put", "new.ini", "tp"}, R"({"TP_NAME":"PAYROLL","PATH":"/opt/pay/run"})");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    // The written entry, then the defaults that every save adds.
    EXPECT_EQ(read("new.ini"),
              configFile({"[CLIENT_ATTACH]", "TP_NAME=PAYROLL", "LU_NAME=*", "PATH=/opt/pay/run",
                          "PARM_STRING=", "TP_OP=0", "TP_TYPE=0", "[GLOBAL]",
                          "USER_NAME=", "PASSWORD=", "TRANSLATE_TABLE=", "DEF_LU_ALIAS=",
                          "DEF_PLU_ALIAS=", "[TRACE]", "FILE=", "FLAGS=0x0000"}));
}

TEST_F(PutCommand, WhatGetPrintsFedBackRewritesTheSameRecord) {
    write("a.ini", configFile({"[GLOBAL]",
                               "USER_NAME=ADMIN",
                               "PASSWORD=" + scramblePassword("GPW", 28),
                               "TRANSLATE_TABLE=C:\\T.DAT",
                               "DEF_LU_ALIAS=LU1",
                               "DEF_PLU_ALIAS=*",
                               "LU62_LB=1",
                               "[APPC]",
                               "SELECT=SERVER",
                               "SERVER=HOSTA,TCP/IP,ENC_ON",
                               "SERVER=HOSTB,IPX/SPX,ENC_OFF",
                               "SERVER=",
                               "SERVER=",
                               "SCOPE=*,TCP,ENC_OFF",
                               "[CPIC_INFO]",
                               "SYMB_NAME=S1",
                               "LOCAL_LU=*",
                               "PART_LU=NET.LU1",
                               "MODE=#INTER",
                               "REMOTE_TP=TPA",
                               "SEC_TYPE=2",
                               "TP_TYPE=0",
                               "SEC_PW=" + scramblePassword("CPW", 20),
                               "SEC_USERID=USER",
                               "PLU_TYPE=1",
                               "[CPIC_INFO]",
                               "SYMB_NAME=S2",
                               "LOCAL_LU=*",
                               "PART_LU=",
                               "MODE=BLANK",
                               "REMOTE_TP=TPB",
                               "SEC_TYPE=0",
                               "TP_TYPE=0",
                               "SEC_PW=",
                               "SEC_USERID=",
                               "PLU_TYPE=0",
                               "[CLIENT_ATTACH]",
                               "TP_NAME=T1",
                               "LU_NAME=*",
                               "PATH=/bin/t",
                               "PARM_STRING=-x",
                               "TP_OP=0",
                               "TP_TYPE=0",
                               "[LUX_PROFILE]",
                               "PROFILE_NAME=P1",
                               "SESSION=HOSTC,*,0,LU01,TCP/IP,,ENC_OFF",
                               "SESSION=*,*,1,,TCP/IP,SC,ENC_OPT",
                               "SESSION=,*,1,,TCP/IP,,ENC_OFF",
                               "SESSION=,*,1,,TCP/IP,,ENC_OFF",
                               "[DEF_LUX_PROF]",
                               "DEF_PROF_NAME=P1",
                               "[NODEX_SYSTEM]",
                               "HOST_NAME=SYS1",
                               "USER_NAME=U",
                               "PASSWORD=" + scramblePassword("SPW", 20),
                               "DEFAULT=1",
                               "[NODEX_COMMON]",
                               "USER_NAME=C",
                               "PASSWORD=" + scramblePassword("MPW", 20),
                               "LOCAL_LU=L",
                               "MODE=XLNKMOD",
                               "[TRACE]",
                               "FILE=",
                               "FLAGS=0x0000"}));
    const std::vector<std::vector<std::string>> records{
        {"global"},    {"appc"},           {"cpic", "S1"}, {"tp", "T1"},
        {"lux", "P1"}, {"system", "SYS1"}, {"common"}};
    for (const auto& r : records) {
        const std::string name = r.size() > 1 ? r[1] : "";
        const Json before = record("a.ini", r[0], name);
        std::vector<std::string> get{"get", "a.ini"};
        get.insert(get.end(), r.begin(), r.end());
        ToolResult printed = run(get); // passwords as placeholders
        ToolResult put = run({"put", "a.ini", r[0], "-"}, printed.out);
        EXPECT_EQ(put.exitCode, 0) << r[0] << ": " << put.err;
        EXPECT_EQ(record("a.ini", r[0], name), before) << r[0];
    }
    // A first entry of two is written back where it stood: the file is the same byte for byte.
    const std::string file = read("a.ini");
    ToolResult s1 = run({"get", "a.ini", "cpic", "S1"});
    EXPECT_EQ(run({"put", "a.ini", "cpic"}, s1.out).exitCode, 0);
    EXPECT_EQ(read("a.ini"), file);
}

TEST_F(PutCommand, ARefusedRecordGivesItsCodeAndLeavesTheFileUntouched) {
    const std::string original =
        configFile({"[GLOBAL]", "USER_NAME=", "[TRACE]", "FILE=", "FLAGS=0x0000", "; a comment"});
    const std::vector<std::tuple<std::string, std::string, int>> refused{
        {"cpic", R"({"SYMB_NAME":"TWO WORDS","REMOTE_TP":"T"})", 26},
        {"cpic", R"({"SYMB_NAME":"S","REMOTE_TP":"T","MODE":"lower"})", 56},
        {"tp", R"({"TP_NAME":"9X","TP_TYPE":1,"PATH":"p"})", 38},
        {"tp", R"({"TP_NAME":"OK","TP_OP":0})", 46},
        {"global", R"({"USER_NAME":"a:b"})", 62},
        {"appc", R"({"SERVER":[{"name":"bad name","transport":"TCP/IP","encryption":"ENC_ON"}]})",
         54},
        {"lux", R"({"PROFILE_NAME":"lower","SESSION":[{"server":"H"}]})", 48},
        {"lux", R"({"PROFILE_NAME":"P"})", 68},
        {"system", R"({"HOST_NAME":"sys"})", 50},
        {"common", R"({"MODE":"1MODE"})", 56},
    };
    for (const auto& [kind, json, code] : refused) {
        write("a.ini", original);
        ToolResult r = run({"put", "a.ini", kind}, json);
        EXPECT_EQ(r.exitCode, 1) << json;
        EXPECT_EQ(r.err, errorLine(code)) << json;
        EXPECT_EQ(read("a.ini"), original) << json;
    }
}

// A value the file cannot carry (a path ending in a backslash would swallow the next line on
// reading) is refused before anything is written.
TEST_F(PutCommand, AValueTheFileCannotCarryIsNotSaved) {
    const std::string original = configFile({"[GLOBAL]", "USER_NAME=", "[TRACE]", "FILE="});
    write("a.ini", original);
    ToolResult r = run({"put", "a.ini", "tp"}, R"({"TP_NAME":"T","PATH":"C:\\TP\\"})");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find(errorLine(66)), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("[CLIENT_ATTACH] #0 PATH: the value ends with a backslash"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(read("a.ini"), original);
}

TEST_F(PutCommand, FieldsLeftOutKeepTheCurrentValuesAndThePlaceholderThePassword) {
    write("a.ini",
          configFile({"[CPIC_INFO]", "SYMB_NAME=S1", "LOCAL_LU=LU1", "PART_LU=", "MODE=M1",
                      "REMOTE_TP=TPA", "SEC_TYPE=2", "TP_TYPE=0",
                      "SEC_PW=" + scramblePassword("OLD", 20), "SEC_USERID=USER", "PLU_TYPE=0"}));
    ASSERT_EQ(
        run({"put", "a.ini", "cpic"}, R"({"SYMB_NAME":"S1","MODE":"M2","SEC_PW":"**********"})")
            .exitCode,
        0);
    Json s1 = record("a.ini", "cpic", "S1");
    EXPECT_EQ(s1["MODE"], "M2");
    EXPECT_EQ(s1["LOCAL_LU"], "LU1");
    EXPECT_EQ(s1["SEC_PW"], "OLD");
    EXPECT_EQ(s1["SEC_USERID"], "USER");

    ASSERT_EQ(run({"put", "a.ini", "cpic"}, R"({"SYMB_NAME":"S1","SEC_PW":"NEW"})").exitCode, 0);
    EXPECT_EQ(record("a.ini", "cpic", "S1")["SEC_PW"], "NEW");
    EXPECT_EQ(read("a.ini").find("NEW"), std::string::npos) << "stored scrambled";

    // A new name starts from the values of a new record.
    ASSERT_EQ(run({"put", "a.ini", "cpic"}, R"({"SYMB_NAME":"S2","REMOTE_TP":"TPB"})").exitCode, 0);
    Json s2 = record("a.ini", "cpic", "S2");
    EXPECT_EQ(s2["LOCAL_LU"], "*");
    EXPECT_EQ(s2["MODE"], "BLANK");
    EXPECT_EQ(s2["SEC_PW"], "");
}

TEST_F(PutCommand, SystemDefaultOneMakesTheDefaultAndOtherValuesLeaveIt) {
    write("a.ini", configFile({"[NODEX_SYSTEM]", "HOST_NAME=SYS1", "DEFAULT=1", "[NODEX_SYSTEM]",
                               "HOST_NAME=SYS2", "DEFAULT=0"}));
    ASSERT_EQ(run({"put", "a.ini", "system"}, R"({"HOST_NAME":"SYS2","DEFAULT":"1"})").exitCode, 0);
    EXPECT_EQ(record("a.ini", "system", "SYS2")["DEFAULT"], "1");
    EXPECT_EQ(record("a.ini", "system", "SYS1")["DEFAULT"], "0");
    ASSERT_EQ(run({"put", "a.ini", "system"}, R"({"HOST_NAME":"SYS2","DEFAULT":"0"})").exitCode, 0);
    EXPECT_EQ(record("a.ini", "system", "SYS2")["DEFAULT"], "1");
    ASSERT_EQ(run({"put", "a.ini", "system"}, R"({"HOST_NAME":"SYS3","DEFAULT":"0"})").exitCode, 0);
    EXPECT_EQ(record("a.ini", "system", "SYS3")["DEFAULT"], "0");
    EXPECT_EQ(record("a.ini", "system", "SYS2")["DEFAULT"], "1");
}

TEST_F(PutCommand, InputThatIsNoRecordIsAnErrorOfUseAndTouchesNothing) {
    const std::string original = configFile({"[GLOBAL]", "USER_NAME=A"});
    write("a.ini", original);
    for (const char* bad : {"", "{", "[1]", R"({"NAME":"x"})", R"({"USER_NAME":7})",
                            "{\"USER_NAME\":\"\xC4\x80\"}", R"({"USER_NAME":"a\nb"})"}) {
        ToolResult r = run({"put", "a.ini", "global"}, bad);
        EXPECT_EQ(r.exitCode, 2) << bad;
        EXPECT_NE(r.err, "");
        EXPECT_EQ(read("a.ini"), original) << bad;
    }
    EXPECT_EQ(run({"put", "a.ini", "global", "no-such.json"}).exitCode, 2);
    EXPECT_EQ(run({"put", "a.ini", "midrange"}, "{}").exitCode, 2);
    EXPECT_FALSE(exists("b.ini"));
    EXPECT_EQ(run({"put", "b.ini", "global"}, "{\"USER_NAME\":1}").exitCode, 2);
    EXPECT_FALSE(exists("b.ini")) << "a refused input creates no file";
}

TEST_F(PutCommand, TakesTheJsonFromAFileAndKeepsBytesAboveAscii) {
    write("rec.json", "{\"USER_NAME\":\"J\xC3\xA9r\xC3\xB4me\"}");
    ASSERT_EQ(run({"put", "a.ini", "global", "rec.json"}).exitCode, 0);
    EXPECT_NE(read("a.ini").find("USER_NAME=J\xE9r\xF4me\r\n"), std::string::npos);
    EXPECT_EQ(record("a.ini", "global")["USER_NAME"], "J\xC3\xA9r\xC3\xB4me");
}

TEST_F(PutCommand, OpeningConvertsEntriesOfTheOlderFormFirst) {
    const std::string old = configFile({"[APPC]", "SELECT=SERVER", "SERVER=HOSTA%,TCP/IP,ENC_OFF",
                                        "SERVER=", "SERVER=", "SERVER=", "SCOPE="});
    write("old.ini", old);
    ASSERT_EQ(run({"put", "old.ini", "tp"}, R"({"TP_NAME":"T","PATH":"p"})").exitCode, 0);
    EXPECT_EQ(read("old.001"), old);
    EXPECT_EQ(record("old.ini", "appc")["SERVER"][0]["name"], "HOSTA");
}

TEST_F(PutCommand, AMalformedFileIsNamedAndLeftAlone) {
    const std::string bad = configFile({"[GLOBAL]", "USER_NAME=A", "junk"});
    write("bad.ini", bad);
    ToolResult r = run({"put", "bad.ini", "global"}, R"({"USER_NAME":"B"})");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err.rfind(errorLine(66), 0), 0u) << r.err;
    EXPECT_EQ(r.err.find(errorLine(66), 1), std::string::npos) << "reported once: " << r.err;
    EXPECT_NE(r.err.find("bad.ini: line 6"), std::string::npos) << r.err;
    EXPECT_EQ(read("bad.ini"), bad);
}
