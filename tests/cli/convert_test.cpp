#include "tool_fixture.h"

class ConvertCommand : public ToolTest {
protected:
    const std::string m_old = configFile(
        {"[APPC]", "SELECT=SERVER", "SERVER=HOSTA%,TCP/IP,ENC_OFF", "[LUX_PROFILE]",
         "PROFILE_NAME=P1", "SESSION=HOSTB%,*,1,TCP/IP,,ENC_OFF", "SESSION=,*,1,,TCP/IP,,ENC_OFF"});
};

// What the backup and the converted file hold, and that a second open changes nothing:
// the document's test of opening the older form (DocumentFile.OldFormIsBackedUp...).
TEST_F(ConvertCommand, NamesTheBackupAndTheConvertedFileOrSaysThereIsNothingToConvert) {
    write("cfg.ini", m_old);
    ToolResult r = run({"convert", "cfg.ini"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "cfg.001\ncfg.ini\n");
    ToolResult again = run({"convert", "cfg.ini"});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out, "cfg.ini: nothing to convert\n");
}

TEST_F(ConvertCommand, ANameThatCannotBeWrittenBackIsARefusedRecord) {
    // The converted name fails its writer's check: the code is reported once, then 1.
    write("fail.ini", configFile({"[APPC]", "SELECT=SERVER", "SERVER=BAD NAME%,TCP/IP,ENC_OFF"}));
    ToolResult failed = run({"convert", "fail.ini"});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.err.rfind(errorLine(ErrorCode::ServerName), 0), 0u) << failed.err;
    EXPECT_EQ(failed.err.find(errorLine(ErrorCode::Store)), std::string::npos) << failed.err;
}
