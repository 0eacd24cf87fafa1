// The global settings and the APPC server list share the GLOBAL section: LU62_LB is kept
// by the global write and replaced by the APPC write. Both sections move to the end of the
// document on every write.
#include "appc_records.h"
#include "global_records.h"
#include "record_fixture.h"

namespace {

class GlobalAndAppc : public RecordTest {
protected:
    AppcRecord read(AppcRecord r = {}) {
        missing = -1;
        EXPECT_EQ(appcRead(store, r, missing), 1);
        return r;
    }
    static AppcRecord twoServers() {
        AppcRecord r;
        r.loadBalancing = 1;
        r.serverName = {"HOSTA", "HOSTB", "", ""};
        r.transport = {kT1, kT2, kT1, kT1};
        r.encryption = {"ENC_OFF", "ENC_ON", "ENC_OPT", "ENC_OFF"};
        r.scopeName = "*";
        r.scopeEncryption = "ENC_OFF";
        return r;
    }
    int missing = 0;
};

TEST_F(GlobalAndAppc, GlobalWriteKeepsLoadBalancingAndMovesTheSectionToTheEnd) {
    load("[GLOBAL]|LU62_LB=1|USER_NAME=old|[TRACE]");
    ASSERT_EQ(
        write(globalWrite, GlobalRecord{"Admin", "fourteenchars!", "C:\\T.DAT", "*", "HOSTPLU"}),
        1);
    EXPECT_EQ(layout(), "TRACE GLOBAL");
    EXPECT_EQ(keys(1),
              "USER_NAME=Admin|PASSWORD=" + scrambledHex("fourteenchars!") +
                  "|TRANSLATE_TABLE=C:\\T.DAT|DEF_LU_ALIAS=*|DEF_PLU_ALIAS=HOSTPLU|LU62_LB=1");
    GlobalRecord back;
    EXPECT_EQ(globalRead(store, back), 1);
    EXPECT_EQ(back.password, "fourteenchars!");
}

TEST_F(GlobalAndAppc, GlobalRefusalSecondSectionAndDelete) {
    load("[GLOBAL]|LU62_LB=0|[TRACE]|[GLOBAL]|X=y");
    const auto before = testing_support::snapshot(store);
    EXPECT_EQ(write(globalWrite, GlobalRecord{"a:b", "", "", "", ""}), 0);
    EXPECT_EQ(code, ErrorCode::GlobalUserName);
    EXPECT_EQ(testing_support::snapshot(store), before);
    // A second GLOBAL section takes the keys; no section is added.
    ASSERT_EQ(write(globalWrite, GlobalRecord{"u", "", "", "", ""}), 1);
    EXPECT_EQ(layout(), "TRACE GLOBAL");
    EXPECT_EQ(keys(1), "X=y|USER_NAME=u|PASSWORD=|TRANSLATE_TABLE=|DEF_LU_ALIAS=|DEF_PLU_ALIAS=|"
                       "LU62_LB=0");
    EXPECT_EQ(globalDelete(store), 1);
    EXPECT_EQ(globalDelete(store), 1);
    EXPECT_EQ(layout(), "TRACE");
}

TEST_F(GlobalAndAppc, AppcWriteStoresTheLayoutAtTheEndAndReplacesLoadBalancing) {
    load("[APPC]|SELECT=SCOPE|[GLOBAL]|USER_NAME=u|LU62_LB=0|PASSWORD=|[TRACE]");
    ASSERT_EQ(write(appcWrite, twoServers()), 1);
    EXPECT_EQ(layout(), "GLOBAL TRACE APPC");
    EXPECT_EQ(keys(0), "USER_NAME=u|PASSWORD=|LU62_LB=1");
    EXPECT_EQ(keys(2), "SELECT=SERVER|SERVER=HOSTA,TCP/IP,ENC_OFF|SERVER=HOSTB,IPX/SPX,ENC_ON|"
                       "SERVER=|SERVER=|SCOPE=*,TCP,ENC_OFF");
    AppcRecord back = read();
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(back.loadBalancing, 1);
    EXPECT_EQ(back.serverName, (std::array<std::string, 4>{"HOSTA", "HOSTB", "", ""}));
    EXPECT_EQ(back.transport, (std::array<std::string, 4>{kT1, kT2, "", ""}));
    EXPECT_EQ(back.encryption[1], "ENC_ON");
    EXPECT_EQ(back.scopeName, "*");

    // Scope selected, empty scope name, no GLOBAL: GLOBAL is created after APPC.
    load("[CPIC_INFO]");
    AppcRecord r = twoServers();
    r.selection = 1;
    r.loadBalancing = 0;
    r.scopeName = "";
    ASSERT_EQ(write(appcWrite, r), 1);
    EXPECT_EQ(layout(), "CPIC_INFO APPC GLOBAL");
    EXPECT_EQ(keys(2), "LU62_LB=0");
    EXPECT_EQ(value("APPC", 0, "SCOPE"), "");
    EXPECT_EQ(read().selection, 1);
}

TEST_F(GlobalAndAppc, AppcReadingCutsValuesAndReadsOneCharacterOfLoadBalancing) {
    load("[GLOBAL]|LU62_LB=12|[APPC]|SELECT=SCOPE|SERVER=" + std::string(64, 'h') +
         ",TCP/IP,ENC_OPT|SERVER=,,HOSTB,,IPX/SPX,ENC_ON,extra|SERVER=HOSTC|SERVER=|"
         "SCOPE=SCOPE1,TCP,ENC_ON");
    AppcRecord back = read();
    EXPECT_EQ(back.selection, 1);
    EXPECT_EQ(back.loadBalancing, 1);
    EXPECT_EQ(back.encryption[0], "ENC_"); // 76 characters read: the code is cut
    EXPECT_EQ(back.serverName[1], "HOSTB");
    EXPECT_EQ(back.encryption[1], "ENC_ON");
    EXPECT_EQ(back.serverName[2], "HOSTC");
    EXPECT_EQ(back.transport[2], "");
    EXPECT_EQ(back.scopeName, "SCOPE1");
    EXPECT_EQ(back.scopeEncryption, "ENC_ON");

    load("[GLOBAL]|LU62_LB=x|[APPC]|SELECT=BOTH|SERVER=H1,TCP/IP,ENC_OFF|SERVER=H2");
    AppcRecord start;
    start.loadBalancing = 1;
    start.selection = 1;
    start.serverName[2] = "caller";
    back = read(start);
    EXPECT_EQ(back.loadBalancing, 0);
    // An unknown SELECT is the server list, and no SERVER key is skipped or repeated.
    EXPECT_EQ(back.selection, 0);
    EXPECT_EQ(back.serverName, (std::array<std::string, 4>{"H1", "H2", "caller", ""}));
}

// The records list's entries of a file that has the sections: ListCommand.
TEST_F(GlobalAndAppc, AppcMissingWrittenBeforeASecondSectionAndDeleted) {
    load("[GLOBAL]|LU62_LB=1");
    std::vector<std::string> list;
    EXPECT_EQ(appcListOption(store, list), 1);
    EXPECT_TRUE(list.empty());
    AppcRecord start;
    start.selection = 1;
    start.serverName[0] = "kept";
    AppcRecord back = read(start);
    EXPECT_EQ(missing, 1);
    EXPECT_EQ(back.selection, 0);
    EXPECT_EQ(back.serverName[0], "kept");
    EXPECT_EQ(back.loadBalancing, 0); // LU62_LB is not consulted without APPC
    EXPECT_EQ(appcDelete(store), 1);

    // A refused server list: RecordChecks' rule, and the conversion that writes it back
    // (ConvertCommand, DocumentFile.FailedOpen...).
    load("[GLOBAL]|LU62_LB=1|[APPC]|SELECT=first|[TRACE]|[APPC]|SELECT=2nd");
    ASSERT_EQ(write(appcWrite, twoServers()), 1); // goes before the second APPC section
    EXPECT_EQ(layout(), "GLOBAL TRACE APPC APPC");
    EXPECT_EQ(value("APPC", 1, "SELECT"), "2nd");
    EXPECT_EQ(appcDelete(store), 1);
    EXPECT_EQ(value("APPC", 0, "SELECT"), "2nd");
    EXPECT_EQ(value("GLOBAL", 0, "LU62_LB"), "1");
}

} // namespace
