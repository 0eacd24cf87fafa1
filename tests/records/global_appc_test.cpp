// The global settings and the APPC server list share the GLOBAL section: LU62_LB is kept
// by the global write and replaced by the APPC write. Both sections move to the end of the
// document on every write.
#include "appc_records.h"
#include "global_records.h"
#include "record_fixture.h"

using namespace testing_support;

namespace {

class GlobalAndAppc : public RecordTest {
protected:
    int write(const GlobalRecord& r) {
        flag = code = 0;
        return globalWrite(store, r, flag, code);
    }
    int write(const AppcRecord& r) {
        flag = code = 0;
        return appcWrite(store, r, flag, code);
    }
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
    int flag = 0, code = 0, missing = 0;
};

TEST_F(GlobalAndAppc, GlobalWriteKeepsLoadBalancingAndMovesTheSectionToTheEnd) {
    fill(store, {{"GLOBAL", {{"LU62_LB", "1"}, {"USER_NAME", "old"}}}, {"TRACE", {}}});
    GlobalRecord r{"Admin", "fourteenchars!", "C:\\SNA\\COMTBLG.DAT", "*", "HOSTPLU"};
    ASSERT_EQ(write(r), 1);
    Sections expected = {{"TRACE", {}},
                         {"GLOBAL",
                          {{"USER_NAME", "Admin"},
                           {"PASSWORD", scrambledHex("fourteenchars!")},
                           {"TRANSLATE_TABLE", "C:\\SNA\\COMTBLG.DAT"},
                           {"DEF_LU_ALIAS", "*"},
                           {"DEF_PLU_ALIAS", "HOSTPLU"},
                           {"LU62_LB", "1"}}}};
    EXPECT_EQ(snapshot(store), expected);
    GlobalRecord back;
    EXPECT_EQ(globalRead(store, back), 1);
    EXPECT_EQ(back.password, "fourteenchars!");
    std::vector<std::string> list;
    EXPECT_EQ(globalListOption(store, list), 1);
    EXPECT_EQ(list, (std::vector<std::string>{"Global settings"}));

    // Without LU62_LB before, none after; the empty record of a save writes five empty keys.
    cfgClear(store);
    fill(store, {{"GLOBAL", {{"USER_NAME", std::string(25, 'u')}}}});
    ASSERT_EQ(globalRead(store, back), 1);
    EXPECT_EQ(back.userName, std::string(20, 'u'));
    ASSERT_EQ(write(GlobalRecord{}), 1);
    EXPECT_EQ(snapshot(store)[0].second, (Keys{{"USER_NAME", ""},
                                               {"PASSWORD", ""},
                                               {"TRANSLATE_TABLE", ""},
                                               {"DEF_LU_ALIAS", ""},
                                               {"DEF_PLU_ALIAS", ""}}));
}

TEST_F(GlobalAndAppc, GlobalRefusalSecondSectionAndDelete) {
    fill(store, {{"GLOBAL", {{"LU62_LB", "0"}}}, {"TRACE", {}}, {"GLOBAL", {{"X", "y"}}}});
    Sections before = snapshot(store);
    EXPECT_EQ(write(GlobalRecord{"a:b", "", "", "", ""}), 0);
    EXPECT_EQ(code, 62);
    EXPECT_EQ(snapshot(store), before);

    // A second GLOBAL section takes the keys; no section is added.
    ASSERT_EQ(write(GlobalRecord{"u", "", "", "", ""}), 1);
    EXPECT_EQ(order(store), (std::vector<std::string>{"TRACE", "GLOBAL"}));
    EXPECT_EQ(value("GLOBAL", 0, "X"), "y");
    EXPECT_EQ(value("GLOBAL", 0, "USER_NAME"), "u");
    EXPECT_EQ(value("GLOBAL", 0, "LU62_LB"), "0");

    EXPECT_EQ(globalDelete(store, "ignored"), 1);
    EXPECT_EQ(globalDelete(store, "ignored"), 1);
    EXPECT_EQ(order(store), (std::vector<std::string>{"TRACE"}));
}

TEST_F(GlobalAndAppc, AppcWriteStoresTheLayoutAtTheEndAndReplacesLoadBalancing) {
    fill(store, {{"APPC", {{"SELECT", "SCOPE"}}},
                 {"GLOBAL", {{"USER_NAME", "u"}, {"LU62_LB", "0"}, {"PASSWORD", ""}}},
                 {"TRACE", {}}});
    ASSERT_EQ(write(twoServers()), 1);
    Sections expected = {{"GLOBAL", {{"USER_NAME", "u"}, {"PASSWORD", ""}, {"LU62_LB", "1"}}},
                         {"TRACE", {}},
                         {"APPC",
                          {{"SELECT", "SERVER"},
                           {"SERVER", "HOSTA,TCP/IP,ENC_OFF"},
                           {"SERVER", "HOSTB,IPX/SPX,ENC_ON"},
                           {"SERVER", ""},
                           {"SERVER", ""},
                           {"SCOPE", "*,TCP,ENC_OFF"}}}};
    EXPECT_EQ(snapshot(store), expected);

    AppcRecord back = read();
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(back.loadBalancing, 1);
    EXPECT_EQ(back.serverName, (std::array<std::string, 4>{"HOSTA", "HOSTB", "", ""}));
    EXPECT_EQ(back.transport, (std::array<std::string, 4>{kT1, kT2, "", ""}));
    EXPECT_EQ(back.encryption[1], "ENC_ON");
    EXPECT_EQ(back.scopeName, "*");

    // Scope selected, empty scope name, no GLOBAL: GLOBAL is created after APPC.
    cfgClear(store);
    fill(store, {{"CPIC_INFO", {}}});
    AppcRecord r = twoServers();
    r.selection = 1;
    r.loadBalancing = 0;
    r.scopeName = "";
    ASSERT_EQ(write(r), 1);
    EXPECT_EQ(order(store), (std::vector<std::string>{"CPIC_INFO", "APPC", "GLOBAL"}));
    EXPECT_EQ(value("GLOBAL", 0, "LU62_LB"), "0");
    EXPECT_EQ(value("APPC", 0, "SCOPE"), "");
    EXPECT_EQ(read().selection, 1);
}

TEST_F(GlobalAndAppc, AppcReadingCutsValuesAndReadsOneCharacterOfLoadBalancing) {
    std::string name64(64, 'h');
    fill(store, {{"GLOBAL", {{"LU62_LB", "12"}}},
                 {"APPC",
                  {{"SELECT", "SCOPE"},
                   {"SERVER", name64 + ",TCP/IP,ENC_OPT"},
                   {"SERVER", ",,HOSTB,,IPX/SPX,ENC_ON,extra"},
                   {"SERVER", "HOSTC"},
                   {"SERVER", ""},
                   {"SCOPE", "SCOPE1,TCP,ENC_ON"}}}});
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

    cfgClear(store);
    fill(store,
         {{"GLOBAL", {{"LU62_LB", "x"}}},
          {"APPC", {{"SELECT", "BOTH"}, {"SERVER", "H1,TCP/IP,ENC_OFF"}, {"SERVER", "H2"}}}});
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

TEST_F(GlobalAndAppc, AppcMissingRefusedAndDeleted) {
    fill(store, {{"GLOBAL", {{"LU62_LB", "1"}}}});
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

    fill(store, {{"APPC", {{"SELECT", "first"}}}, {"TRACE", {}}, {"APPC", {{"SELECT", "2nd"}}}});
    Sections before = snapshot(store);
    AppcRecord r = twoServers();
    r.serverName[1] = "host.b"; // a dot under the second transport
    EXPECT_EQ(write(r), 0);
    EXPECT_EQ(code, 54);
    EXPECT_EQ(snapshot(store), before);
    ASSERT_EQ(write(twoServers()), 1); // goes before the second APPC section
    EXPECT_EQ(order(store), (std::vector<std::string>{"GLOBAL", "TRACE", "APPC", "APPC"}));
    EXPECT_EQ(value("APPC", 1, "SELECT"), "2nd");

    appcListOption(store, list);
    EXPECT_EQ(list, (std::vector<std::string>{"APPC servers"}));
    EXPECT_EQ(appcDelete(store), 1);
    EXPECT_EQ(value("APPC", 0, "SELECT"), "2nd");
    EXPECT_EQ(value("GLOBAL", 0, "LU62_LB"), "1");
}

} // namespace
