#include "tool_fixture.h"

#include "json_text.h"
#include "scramble.h"

class GetCommand : public ToolTest {};

// Each kind's placeholder length and the password shown when asked: PutProperty, which gets
// every kind's records both ways.
TEST_F(GetCommand, PrintsARecordsFieldsInOrderWithItsPasswordHiddenUnlessAsked) {
    write("a.ini",
          configSections({{"[CPIC_INFO]", "SYMB_NAME=SIDE1", "LOCAL_LU=LU1", "PART_LU=NET.P",
                           "MODE=#INTER", "REMOTE_TP=TPX", "SEC_TYPE=2", "TP_TYPE=0",
                           hidden("SEC_PW", "PW1", 20), "SEC_USERID=USR", "PLU_TYPE=1"},
                          {"[NODEX_SYSTEM]", "HOST_NAME=SYS2", "USER_NAME=U2", "DEFAULT=0"}}));
    const std::string fields =
        "{\"SYMB_NAME\":\"SIDE1\",\"LOCAL_LU\":\"LU1\",\"PART_LU\":\"NET.P\","
        "\"MODE\":\"#INTER\",\"REMOTE_TP\":\"TPX\",\"SEC_TYPE\":2,"
        "\"TP_TYPE\":0,\"SEC_PW\":\"";
    ToolResult hidden = run({"get", "a.ini", "cpic", "SIDE1"});
    EXPECT_EQ(hidden.exitCode, 0) << hidden.err;
    EXPECT_EQ(hidden.out, fields + "**********\",\"SEC_USERID\":\"USR\",\"PLU_TYPE\":1}\n");
    EXPECT_EQ( // no password, no placeholder
        run({"get", "a.ini", "system", "SYS2"}).out,
        "{\"HOST_NAME\":\"SYS2\",\"USER_NAME\":\"U2\",\"PASSWORD\":\"\",\"DEFAULT\":\"0\"}\n");

    // Without the sections: the values the editor starts a new record with.
    write("empty.ini", "");
    EXPECT_EQ(run({"get", "empty.ini", "common"}).out,
              "{\"USER_NAME\":\"\",\"PASSWORD\":\"\",\"LOCAL_LU\":\"\",\"MODE\":\"XLNKMOD\"}\n");
}

TEST_F(GetCommand, AppcAndLuxRecordsAsTheirReadersParseThem) {
    write("a.ini",
          configFile({"[GLOBAL]", "LU62_LB=1", "[APPC]", "SELECT=SCOPE",
                      "SERVER=HOSTA,TCP/IP,ENC_ON", "SCOPE=SC,TCP,ENC_OPT", "[LUX_PROFILE]",
                      "PROFILE_NAME=P1", "SESSION=HOSTB,*,0,LU01,TCP/IP,,ENC_OFF",
                      "SESSION=*,*,1,,TCP/IP,S1,ENC_OPT", "[DEF_LUX_PROF]", "DEF_PROF_NAME=P1"}));
    const std::string none = "{\"name\":\"\",\"transport\":\"\",\"encryption\":\"\"}";
    EXPECT_EQ(run({"get", "a.ini", "appc"}).out,
              "{\"SELECT\":1,\"LU62_LB\":1,\"SERVER\":["
              "{\"name\":\"HOSTA\",\"transport\":\"TCP/IP\",\"encryption\":\"ENC_ON\"}," +
                  none + "," + none + "," + none +
                  "],\"SCOPE\":{\"name\":\"SC\",\"encryption\":\"ENC_OPT\"}}\n");
    ToolResult lux = run({"get", "a.ini", "lux", "P1"});
    EXPECT_EQ(lux.exitCode, 0) << lux.err;
    Json j = Json::parse(lux.out);
    EXPECT_EQ(j["PROFILE_NAME"], "P1");
    EXPECT_EQ(j["DEFAULT"], 1);
    ASSERT_EQ(j["SESSION"].size(), 4u);
    EXPECT_EQ(j["SESSION"][0],
              Json::parse(R"({"server":"HOSTB","category":0,"lu_name":"LU01",)"
                          R"("transport":"TCP/IP","scope":"","encryption":"ENC_OFF"})"));
    EXPECT_EQ(j["SESSION"][1]["scope"], "S1");
}
