#include "tool_fixture.h"

#include "json_text.h"
#include "scramble.h"

class GetCommand : public ToolTest {};

TEST_F(GetCommand, CpicPrintsTheRecordWithThePasswordAsPlaceholderUnlessAsked) {
    write("a.ini",
          configFile({"[CPIC_INFO]", "SYMB_NAME=SIDE1", "LOCAL_LU=LU1", "PART_LU=NET.P",
                      "MODE=#INTER", "REMOTE_TP=TPX", "SEC_TYPE=2", "TP_TYPE=0",
                      "SEC_PW=" + scramblePassword("PW1", 20), "SEC_USERID=USR", "PLU_TYPE=1"}));
    const std::string fields =
        "{\"SYMB_NAME\":\"SIDE1\",\"LOCAL_LU\":\"LU1\",\"PART_LU\":\"NET.P\","
        "\"MODE\":\"#INTER\",\"REMOTE_TP\":\"TPX\",\"TP_TYPE\":0,"
        "\"SEC_TYPE\":2,\"SEC_PW\":\"";
    ToolResult hidden = run({"get", "a.ini", "cpic", "SIDE1"});
    EXPECT_EQ(hidden.exitCode, 0) << hidden.err;
    EXPECT_EQ(hidden.out, fields + "**********\",\"SEC_USERID\":\"USR\",\"PLU_TYPE\":1}\n");
    EXPECT_EQ(hidden.out.find("PW1"), std::string::npos);

    ToolResult shown = run({"get", "--show-passwords", "a.ini", "cpic", "SIDE1"});
    EXPECT_EQ(shown.out, fields + "PW1\",\"SEC_USERID\":\"USR\",\"PLU_TYPE\":1}\n");
}

TEST_F(GetCommand, PlaceholderLengthsByKindAndNoPlaceholderWithoutPassword) {
    write("a.ini", configFile({"[GLOBAL]", "USER_NAME=U", "PASSWORD=" + scramblePassword("G", 28),
                               "[NODEX_SYSTEM]", "HOST_NAME=SYS1", "USER_NAME=U1",
                               "PASSWORD=" + scramblePassword("S", 20), "DEFAULT=1",
                               "[NODEX_SYSTEM]", "HOST_NAME=SYS2", "USER_NAME=U2",
                               "PASSWORD=", "DEFAULT=0", "[NODEX_COMMON]", "USER_NAME=C",
                               "PASSWORD=" + scramblePassword("C", 20), "LOCAL_LU=L", "MODE=M"}));
    EXPECT_EQ(run({"get", "a.ini", "global"}).out,
              "{\"USER_NAME\":\"U\",\"PASSWORD\":\"" + std::string(14, '*') +
                  "\",\"TRANSLATE_TABLE\":\"\",\"DEF_LU_ALIAS\":\"\",\"DEF_PLU_ALIAS\":\"\"}\n");
    EXPECT_EQ(run({"get", "a.ini", "system", "SYS1"}).out,
              "{\"HOST_NAME\":\"SYS1\",\"USER_NAME\":\"U1\",\"PASSWORD\":\"**********\","
              "\"DEFAULT\":\"1\"}\n");
    EXPECT_EQ(
        run({"get", "a.ini", "system", "SYS2"}).out,
        "{\"HOST_NAME\":\"SYS2\",\"USER_NAME\":\"U2\",\"PASSWORD\":\"\",\"DEFAULT\":\"0\"}\n");
    EXPECT_EQ(
        run({"get", "a.ini", "common"}).out,
        "{\"USER_NAME\":\"C\",\"PASSWORD\":\"**********\",\"LOCAL_LU\":\"L\",\"MODE\":\"M\"}\n");
    EXPECT_EQ(run({"get", "a.ini", "common", "--show-passwords"}).out,
              "{\"USER_NAME\":\"C\",\"PASSWORD\":\"C\",\"LOCAL_LU\":\"L\",\"MODE\":\"M\"}\n");

    // Without the sections: the values the editor starts a new record with.
    write("empty.ini", "");
    EXPECT_EQ(run({"get", "empty.ini", "common"}).out,
              "{\"USER_NAME\":\"\",\"PASSWORD\":\"\",\"LOCAL_LU\":\"\",\"MODE\":\"XLNKMOD\"}\n");
    EXPECT_EQ(run({"get", "empty.ini", "global"}).exitCode, 0);
}

TEST_F(GetCommand, AppcAndLuxRecordsAsTheirReadersParseThem) {
    write(
        "a.ini",
        configFile({"[GLOBAL]", "LU62_LB=1", "[APPC]", "SELECT=SCOPE", "SERVER=HOSTA,TCP/IP,ENC_ON",
                    "SERVER=", "SERVER=", "SERVER=", "SCOPE=SC,TCP,ENC_OPT", "[LUX_PROFILE]",
                    "PROFILE_NAME=P1", "SESSION=HOSTB,*,0,LU01,TCP/IP,,ENC_OFF",
                    "SESSION=*,*,1,,TCP/IP,S1,ENC_OPT", "SESSION=,*,1,,TCP/IP,,ENC_OFF",
                    "SESSION=,*,1,,TCP/IP,,ENC_OFF", "[DEF_LUX_PROF]", "DEF_PROF_NAME=P1"}));
    EXPECT_EQ(run({"get", "a.ini", "appc"}).out,
              "{\"SELECT\":1,\"LU62_LB\":1,\"SERVER\":["
              "{\"name\":\"HOSTA\",\"transport\":\"TCP/IP\",\"encryption\":\"ENC_ON\"},"
              "{\"name\":\"\",\"transport\":\"\",\"encryption\":\"\"},"
              "{\"name\":\"\",\"transport\":\"\",\"encryption\":\"\"},"
              "{\"name\":\"\",\"transport\":\"\",\"encryption\":\"\"}],"
              "\"SCOPE\":{\"name\":\"SC\",\"encryption\":\"ENC_OPT\"}}\n");
    ToolResult lux = run({"get", "a.ini", "lux", "P1"});
    EXPECT_EQ(lux.exitCode, 0) << lux.err;
    Json j = Json::parse(lux.out);
    EXPECT_EQ(j["PROFILE_NAME"], "P1");
    EXPECT_EQ(j["DEFAULT"], 1);
    ASSERT_EQ(j["SESSION"].size(), 4u);
    EXPECT_EQ(j["SESSION"][0],
              Json::parse(R"({"server":"HOSTB","category":0,"lu_name":"LU01",)"
                          R"("transport":"TCP/IP","scope":"","encryption":"ENC_OFF"})"));
    EXPECT_EQ(j["SESSION"][1]["server"], "*");
    EXPECT_EQ(j["SESSION"][1]["scope"], "S1");
    EXPECT_EQ(j["SESSION"][1]["encryption"], "ENC_OPT");
}

TEST_F(GetCommand, NoSuchRecordOrNoNameIsError66AndUseErrorsAre2) {
    write("a.ini", configFile({"[CLIENT_ATTACH]", "TP_NAME=PAY", "PATH=x"}));
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"get", "a.ini", "tp"},
                                               {"get", "a.ini", "tp", "pay"}, // names are exact
                                               {"get", "a.ini", "tp", ""},
                                               {"get", "a.ini", "cpic", "PAY"},
                                               {"get", "a.ini", "system", "PAY"}}) {
        ToolResult r = run(args);
        EXPECT_EQ(r.exitCode, 1) << args.back();
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, errorLine(66));
    }
    EXPECT_EQ(run({"get", "a.ini", "midrange"}).exitCode, 2);
    EXPECT_EQ(run({"get", "a.ini", "global", "NAME"}).exitCode, 2);
    EXPECT_EQ(run({"get", "a.ini", "servers"}).exitCode, 2);
    EXPECT_EQ(run({"get", "none.ini", "tp", "PAY"}).exitCode, 1);
}
