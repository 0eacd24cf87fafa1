#include "tool_fixture.h"

#include "json_text.h"
#include "scramble.h"

#include <cstdio>
#include <sys/stat.h>

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
    EXPECT_EQ(read("new.ini"),
              configFile({"[CLIENT_ATTACH]", "TP_NAME=PAYROLL", "LU_NAME=*", "PATH=/opt/pay/run",
                          "PARM_STRING=", "TP_OP=0", "TP_TYPE=0", "[GLOBAL]",
                          "USER_NAME=", "PASSWORD=", "TRANSLATE_TABLE=", "DEF_LU_ALIAS=",
                          "DEF_PLU_ALIAS=", "[TRACE]", "FILE=", "FLAGS=0x0000"}));
}

TEST_F(PutCommand, WhatGetPrintsFedBackRewritesTheSameRecord) {
    const std::string gpwPw = hidden("PASSWORD", "GPW", 28), cpwPw = hidden("SEC_PW", "CPW", 20),
                      spwPw = hidden("PASSWORD", "SPW", 20), mpwPw = hidden("PASSWORD", "MPW", 20);
    write("a.ini",
          configSections(
              {{"[GLOBAL]", "USER_NAME=ADMIN", gpwPw, "DEF_PLU_ALIAS=*", "LU62_LB=1"},
               {"[APPC]", "SELECT=SERVER", "SERVER=HOSTA,TCP/IP,ENC_ON",
                "SERVER=HOSTB,IPX/SPX,ENC_OFF", "SCOPE=*,TCP,ENC_OFF"},
               {"[CPIC_INFO]", "SYMB_NAME=S1", "LOCAL_LU=*", "PART_LU=NET.LU1", "MODE=#INTER",
                "REMOTE_TP=TPA", "SEC_TYPE=2", "TP_TYPE=0", cpwPw, "SEC_USERID=USER", "PLU_TYPE=1"},
               {"[CPIC_INFO]", "SYMB_NAME=S2", "REMOTE_TP=TPB"},
               {"[CLIENT_ATTACH]", "TP_NAME=T1", "PATH=/bin/t", "PARM_STRING=-x"},
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

TEST_F(PutCommand, AFileThatAlreadyHoldsTheRecordIsNotWrittenAndSaysSo) {
    const std::string s1 = R"({"SYMB_NAME":"S1","REMOTE_TP":"TPA"})";
    const std::string s2 = R"({"SYMB_NAME":"S2","REMOTE_TP":"TPB"})";
    // Everything the put would write is there, but the server name is of the older form.
    const std::string oldForm =
        configFile({"[APPC]", "SELECT=SERVER", "SERVER=HOSTA%,TCP/IP,ENC_OFF",
                    "SERVER=", "SERVER=", "SERVER=", "SCOPE=", "[GLOBAL]", "LU62_LB=0", "[TRACE]",
                    "FILE=", "FLAGS=0x0000"});
    struct Case {
        std::vector<std::string> setUp; // puts of cpic records into a new file, or none
        std::string start;              // else the file as it stands
        std::string json;
        bool unchanged;
    };
    const std::vector<Case> cases{
        {{s1, s2}, "", s1, true},                      // the second of two: not moved
        {{s1, s2}, "", R"({"SYMB_NAME":"S2"})", true}, // fields left out are the same
        {{s1}, "", R"({"SYMB_NAME":"S1","MODE":"#INTER"})", false},
        {{s1}, "", s2, false}, // a new record
        {{},
         configFile({"[CPIC_INFO]", "SYMB_NAME=S1", "LOCAL_LU=*", "PART_LU=", "MODE=BLANK",
                     "REMOTE_TP=TPA", "SEC_TYPE=0", "TP_TYPE=0",
                     "SEC_PW=", "SEC_USERID=", "PLU_TYPE=0", "[GLOBAL]", "USER_NAME=", "PASSWORD=",
                     "TRANSLATE_TABLE=", "DEF_LU_ALIAS=", "DEF_PLU_ALIAS="}),
         s1,
         false}, // the save adds TRACE
        {{},
         oldForm,
         R"({"SERVER":[{"name":"HOSTA","transport":"TCP/IP","encryption":"ENC_OFF"}]})",
         false}, // opening converts
    };
    for (const Case& c : cases) {
        std::remove(path("a.ini").c_str());
        if (c.setUp.empty())
            write("a.ini", c.start);
        for (const std::string& json : c.setUp)
            ASSERT_EQ(run({"put", "a.ini", "cpic"}, json).exitCode, 0);
        const std::string before = read("a.ini");
        struct stat was {};
        ::stat(path("a.ini").c_str(), &was);
        const std::string kind = c.json.find("SERVER") == std::string::npos ? "cpic" : "appc";
        ToolResult r = run({"put", "a.ini", kind}, c.json);
        EXPECT_EQ(r.exitCode, 0) << c.json << r.err;
        struct stat now {};
        ::stat(path("a.ini").c_str(), &now);
        EXPECT_EQ(r.out, c.unchanged ? "a.ini: unchanged\n" : "") << c.json;
        // Saving replaces the file by a new one; a file left alone keeps its inode and time.
        const bool kept = now.st_ino == was.st_ino && now.st_mtim.tv_sec == was.st_mtim.tv_sec &&
                          now.st_mtim.tv_nsec == was.st_mtim.tv_nsec;
        EXPECT_EQ(kept, c.unchanged) << c.json;
        EXPECT_EQ(read("a.ini") == before, c.unchanged) << c.json;
    }
}

TEST_F(PutCommand, ARefusedRecordOrValueGivesItsCodeAndLeavesTheFileUntouched) {
    const std::string original = configFile({"[GLOBAL]", "USER_NAME=", "[TRACE]", "; a comment"});
    const std::vector<std::tuple<std::string, std::string, int>> refused{
        {"cpic", R"({"SYMB_NAME":"TWO WORDS","REMOTE_TP":"T"})", 26},
        {"tp", R"({"TP_NAME":"9X","TP_TYPE":1,"PATH":"p"})", 38},
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
    // A path ending in a backslash would swallow the next line on reading.
    ToolResult r = run({"put", "a.ini", "tp"}, R"({"TP_NAME":"T","PATH":"C:\\TP\\"})");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find(errorLine(66)), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("[CLIENT_ATTACH] #0 PATH: the value ends with a backslash"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(read("a.ini"), original);
}

TEST_F(PutCommand, FieldsLeftOutKeepTheCurrentValuesAndThePlaceholderThePassword) {
    const std::string oldPw = hidden("SEC_PW", "OLD", 20);
    write("a.ini", configFile({"[CPIC_INFO]", "SYMB_NAME=S1", "LOCAL_LU=LU1", "MODE=M1",
                               "REMOTE_TP=TPA", "SEC_TYPE=2", oldPw}));
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

TEST_F(PutCommand, SystemDefaultOneMakesTheDefaultAndOtherValuesLeaveIt) {
    write("a.ini", configFile({"[NODEX_SYSTEM]", "HOST_NAME=SYS1", "DEFAULT=1", "[NODEX_SYSTEM]",
                               "HOST_NAME=SYS2", "DEFAULT=0"}));
    for (const auto& [host, mark] : std::vector<std::pair<std::string, std::string>>{
             {"SYS2", "1"}, {"SYS2", "0"}, {"SYS3", "0"}})
        ASSERT_EQ(run({"put", "a.ini", "system"},
                      R"({"HOST_NAME":")" + host + R"(","DEFAULT":")" + mark + "\"}")
                      .exitCode,
                  0);
    EXPECT_EQ(record("a.ini", "system", "SYS1")["DEFAULT"], "0");
    EXPECT_EQ(record("a.ini", "system", "SYS2")["DEFAULT"], "1");
    EXPECT_EQ(record("a.ini", "system", "SYS3")["DEFAULT"], "0");
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
