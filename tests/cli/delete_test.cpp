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

TEST_F(DeleteCommand, DeletesAsTheDeleteButtonDoes) {
    ToolResult r = run({"delete", "a.ini", "cpic", "S2"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(listed("cpic"), "cpic\tS1\n");

    EXPECT_EQ(run({"delete", "a.ini", "appc"}).exitCode, 0);
    EXPECT_EQ(listed("appc"), "");
    EXPECT_NE(read("a.ini").find("LU62_LB=1"), std::string::npos) << "left in GLOBAL";
    EXPECT_EQ(run({"delete", "a.ini", "global"}).exitCode, 0);
    EXPECT_EQ(read("a.ini").find("LU62_LB"), std::string::npos) << "gone with GLOBAL";

    // A system goes alone; midrange takes every system with the common settings.
    EXPECT_EQ(run({"delete", "a.ini", "system", "SYS1"}).exitCode, 0);
    EXPECT_EQ(listed("system"), "system\tSYS2\n");
    EXPECT_NE(read("a.ini").find("[NODEX_COMMON]"), std::string::npos);
    EXPECT_EQ(run({"delete", "a.ini", "midrange"}).exitCode, 0);
    EXPECT_EQ(listed("system"), "");
    EXPECT_EQ(read("a.ini").find("NODEX"), std::string::npos);
}
