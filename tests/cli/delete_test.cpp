#include "tool_fixture.h"

class DeleteCommand : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        write("a.ini", configFile({"[CPIC_INFO]", "SYMB_NAME=S1", "[CPIC_INFO]", "SYMB_NAME=S2",
                                   "[NODEX_SYSTEM]", "HOST_NAME=SYS1", "[NODEX_SYSTEM]",
                                   "HOST_NAME=SYS2", "[NODEX_COMMON]", "MODE=M", "[APPC]",
                                   "SELECT=SERVER", "[GLOBAL]", "LU62_LB=1"}));
    }
    std::string listed(const std::string& kind) { return run({"list", "a.ini", kind}).out; }
};

TEST_F(DeleteCommand, DeletesAsTheDeleteButtonAndSavesWithTheDefaults) {
    ToolResult r = run({"delete", "a.ini", "cpic", "S2"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(listed("cpic"), "cpic\tS1\n");
    // Saved as the editor saves: TRACE added, layout the editor's.
    EXPECT_NE(read("a.ini").find("[TRACE]\r\nFILE=\r\nFLAGS=0x0000\r\n"), std::string::npos);

    EXPECT_EQ(run({"delete", "a.ini", "appc"}).exitCode, 0);
    EXPECT_EQ(listed("appc"), "");
    EXPECT_NE(read("a.ini").find("LU62_LB=1"), std::string::npos) << "left in GLOBAL";
    EXPECT_EQ(run({"delete", "a.ini", "global"}).exitCode, 0);
    // The save writes an empty GLOBAL section again, as the editor's save does.
    EXPECT_NE(read("a.ini").find("[GLOBAL]\r\nUSER_NAME=\r\n"), std::string::npos);

    // A system goes alone; midrange takes every system with the common settings.
    EXPECT_EQ(run({"delete", "a.ini", "system", "SYS1"}).exitCode, 0);
    EXPECT_EQ(listed("system"), "system\tSYS2\n");
    EXPECT_NE(read("a.ini").find("[NODEX_COMMON]"), std::string::npos);
    EXPECT_EQ(run({"delete", "a.ini", "midrange"}).exitCode, 0);
    EXPECT_EQ(listed("system"), "");
    EXPECT_EQ(read("a.ini").find("NODEX"), std::string::npos);
}

TEST_F(DeleteCommand, AnAttachTpThatIsNotThereIsStillDeletedAsInTheEditor) {
    const std::string original = read("a.ini");
    EXPECT_EQ(run({"delete", "a.ini", "tp", "NOPE"}).exitCode, 0);
    EXPECT_NE(read("a.ini"), original);
}
