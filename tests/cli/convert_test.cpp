#include "tool_fixture.h"

class ConvertCommand : public ToolTest {
protected:
    const std::string m_old = configFile(
        {"[APPC]", "SELECT=SERVER", "SERVER=HOSTA%,TCP/IP,ENC_OFF", "[LUX_PROFILE]",
         "PROFILE_NAME=P1", "SESSION=HOSTB%,*,1,TCP/IP,,ENC_OFF", "SESSION=,*,1,,TCP/IP,,ENC_OFF"});
};

TEST_F(ConvertCommand, WritesTheBackupAndTheConvertedFileAndNamesBoth) {
    write("cfg.ini", m_old);
    ToolResult r = run({"convert", "cfg.ini"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "cfg.001\ncfg.ini\n");
    EXPECT_EQ(read("cfg.001"), m_old);
    const std::string converted = read("cfg.ini");
    EXPECT_NE(converted.find("SERVER=HOSTA,TCP/IP,ENC_OFF"), std::string::npos);
    EXPECT_NE(converted.find("SESSION=HOSTB,*,1,,TCP/IP,,ENC_OFF"), std::string::npos);
    ToolResult again = run({"convert", "cfg.ini"});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_NE(again.out.find("nothing to convert"), std::string::npos);
    EXPECT_EQ(read("cfg.ini"), converted);
    EXPECT_FALSE(exists("cfg.002"));
}

TEST_F(ConvertCommand, ANameThatCannotBeWrittenBackIsARefusedRecord) {
    // The converted name fails its writer's check: the code is reported once, then 1.
    write("fail.ini", configFile({"[APPC]", "SELECT=SERVER", "SERVER=BAD NAME%,TCP/IP,ENC_OFF"}));
    ToolResult failed = run({"convert", "fail.ini"});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.err.rfind(errorLine(54), 0), 0u) << failed.err;
    EXPECT_EQ(failed.err.find("error 66"), std::string::npos) << failed.err;
}
