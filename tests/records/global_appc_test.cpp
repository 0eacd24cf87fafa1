// The global settings and the APPC server list share the GLOBAL section: LU62_LB is kept
// by the global write and replaced by the APPC write. Both sections move to the end of the
// document on every write.
#include "appc_records.h"
#include "global_records.h"
#include "record_fixture.h"

using namespace testing_support;

namespace {

class GlobalRecords : public RecordTest {
protected:
    int write(const GlobalRecord& r) {
        flag = code = 0;
        return globalWrite(store, r, flag, code);
    }
    int flag = 0, code = 0;
};

TEST_F(GlobalRecords, ListEntryAndReadFollowTheFirstSection) {
    std::vector<std::string> list;
    GlobalRecord r;
    r.userName = "kept";
    EXPECT_EQ(globalListOption(store, list), 1);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(globalRead(store, r), 1);
    EXPECT_EQ(r.userName, "kept");

    fill(store, {{"GLOBAL",
                  {{"USER_NAME", std::string(25, 'u')},
                   {"PASSWORD", scrambledHex("fourteenchars!")},
                   {"DEF_LU_ALIAS", "LOCALLU12"}}},
                 {"GLOBAL", {{"TRANSLATE_TABLE", "second"}}}});
    EXPECT_EQ(globalListOption(store, list), 1);
    EXPECT_EQ(list, (std::vector<std::string>{"Global settings"}));
    r.translateTable = "kept";
    EXPECT_EQ(globalRead(store, r), 1);
    EXPECT_EQ(r.userName, std::string(20, 'u'));
    EXPECT_EQ(r.password, "fourteenchars!");
    EXPECT_EQ(r.defLuAlias, "LOCALLU1");
    EXPECT_EQ(r.translateTable, "kept");
}

TEST_F(GlobalRecords, WriteKeepsLoadBalancingAndMovesTheSectionToTheEnd) {
    fill(store, {{"GLOBAL", {{"LU62_LB", "1"}, {"USER_NAME", "old"}}},
                 {"APPC", {{"SELECT", "SERVER"}}},
                 {"TRACE", {}}});
    GlobalRecord r;
    r.userName = "Admin";
    r.password = "fourteenchars!";
    r.translateTable = "C:\\SNA\\COMTBLG.DAT";
    r.defLuAlias = "*";
    r.defPluAlias = "HOSTPLU";
    ASSERT_EQ(write(r), 1);
    Sections expected = {{"APPC", {{"SELECT", "SERVER"}}},
                         {"TRACE", {}},
                         {"GLOBAL",
                          {{"USER_NAME", "Admin"},
                           {"PASSWORD", scrambledHex("fourteenchars!")},
                           {"TRANSLATE_TABLE", "C:\\SNA\\COMTBLG.DAT"},
                           {"DEF_LU_ALIAS", "*"},
                           {"DEF_PLU_ALIAS", "HOSTPLU"},
                           {"LU62_LB", "1"}}}};
    EXPECT_EQ(snapshot(store), expected);

    // No LU62_LB before: none after. A password too long to scramble is stored plain.
    cfgClear(store);
    fill(store, {{"GLOBAL", {{"USER_NAME", "old"}}}});
    r.password = "fifteen chars!!";
    ASSERT_EQ(write(r), 1);
    EXPECT_EQ(value("GLOBAL", 0, "LU62_LB"), "<missing>");
    EXPECT_EQ(value("GLOBAL", 0, "PASSWORD"), "fifteen chars!!");
}

TEST_F(GlobalRecords, EmptyRecordWritesFiveEmptyKeys) {
    fill(store, {{"CPIC_INFO", {}}});
    ASSERT_EQ(write(GlobalRecord{}), 1);
    Sections expected = {{"CPIC_INFO", {}},
                         {"GLOBAL",
                          {{"USER_NAME", ""},
                           {"PASSWORD", ""},
                           {"TRANSLATE_TABLE", ""},
                           {"DEF_LU_ALIAS", ""},
                           {"DEF_PLU_ALIAS", ""}}}};
    EXPECT_EQ(snapshot(store), expected);
}

TEST_F(GlobalRecords, SecondGlobalSectionTakesTheKeys) {
    fill(store, {{"GLOBAL", {{"LU62_LB", "0"}}}, {"TRACE", {}}, {"GLOBAL", {{"X", "y"}}}});
    GlobalRecord r;
    r.userName = "u";
    ASSERT_EQ(write(r), 1);
    EXPECT_EQ(order(store), (std::vector<std::string>{"TRACE", "GLOBAL"}));
    EXPECT_EQ(value("GLOBAL", 0, "X"), "y");
    EXPECT_EQ(value("GLOBAL", 0, "USER_NAME"), "u");
    EXPECT_EQ(value("GLOBAL", 0, "LU62_LB"), "0");
}

TEST_F(GlobalRecords, RefusalsAndDelete) {
    fill(store, {{"GLOBAL", {{"USER_NAME", "old"}, {"LU62_LB", "1"}}}});
    Sections before = snapshot(store);
    GlobalRecord r;
    r.userName = "a:b";
    EXPECT_EQ(write(r), 0);
    EXPECT_EQ(code, 62);
    r.userName = "ab";
    r.defPluAlias = "TWO WORDS";
    EXPECT_EQ(write(r), 0);
    EXPECT_EQ(code, 42);
    EXPECT_EQ(flag, 256);
    EXPECT_EQ(snapshot(store), before);

    EXPECT_EQ(globalDelete(store, "ignored"), 1);
    EXPECT_TRUE(store.empty());
    EXPECT_EQ(globalDelete(store, "ignored"), 1);
}

class AppcRecords : public RecordTest {
protected:
    int write(const AppcRecord& r) {
        flag = code = 0;
        return appcWrite(store, r, flag, code);
    }
    AppcRecord read() {
        AppcRecord r;
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

TEST_F(AppcRecords, WriteStoresTheLayoutAtTheEndAndSetsLoadBalancing) {
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
    EXPECT_EQ(back.selection, 0);
    EXPECT_EQ(back.loadBalancing, 1);
    EXPECT_EQ(back.serverName, (std::array<std::string, 4>{"HOSTA", "HOSTB", "", ""}));
    EXPECT_EQ(back.transport, (std::array<std::string, 4>{kT1, kT2, "", ""}));
    EXPECT_EQ(back.encryption, (std::array<std::string, 4>{"ENC_OFF", "ENC_ON", "", ""}));
    EXPECT_EQ(back.scopeName, "*");
    EXPECT_EQ(back.scopeEncryption, "ENC_OFF");
}

TEST_F(AppcRecords, WriteCreatesGlobalWhenMissingAndHonoursScopeSelection) {
    fill(store, {{"CPIC_INFO", {}}});
    AppcRecord r = twoServers();
    r.selection = 1;
    r.loadBalancing = 0;
    r.scopeName = "";
    ASSERT_EQ(write(r), 1);
    EXPECT_EQ(order(store), (std::vector<std::string>{"CPIC_INFO", "APPC", "GLOBAL"}));
    EXPECT_EQ(value("GLOBAL", 0, "LU62_LB"), "0");
    EXPECT_EQ(value("APPC", 0, "SELECT"), "SCOPE");
    EXPECT_EQ(value("APPC", 0, "SCOPE"), "");
    AppcRecord back = read();
    EXPECT_EQ(back.selection, 1);
    EXPECT_EQ(back.serverName[1], "HOSTB");

    r.selection = 7; // anything but 1 is the server list
    ASSERT_EQ(write(r), 1);
    EXPECT_EQ(value("APPC", 0, "SELECT"), "SERVER");
}

TEST_F(AppcRecords, ReadingQuirksOfValuesAndLoadBalancing) {
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
    EXPECT_EQ(back.serverName[0], name64);
    EXPECT_EQ(back.encryption[0], "ENC_"); // 76 characters read: the code is cut
    EXPECT_EQ(back.serverName[1], "HOSTB");
    EXPECT_EQ(back.transport[1], kT2);
    EXPECT_EQ(back.encryption[1], "ENC_ON");
    EXPECT_EQ(back.serverName[2], "HOSTC");
    EXPECT_EQ(back.transport[2], "");
    EXPECT_EQ(back.serverName[3], "");
    EXPECT_EQ(back.scopeName, "SCOPE1");
    EXPECT_EQ(back.scopeEncryption, "ENC_ON");

    cfgClear(store);
    fill(store, {{"GLOBAL", {{"LU62_LB", "x"}}}, {"APPC", {}}});
    AppcRecord r;
    r.loadBalancing = 1;
    ASSERT_EQ(appcRead(store, r, missing), 1);
    EXPECT_EQ(r.loadBalancing, 0);
}

TEST_F(AppcRecords, HandMadeSectionsLoseNoServer) {
    // An unknown SELECT leaves the server list in force and skips no SERVER key.
    fill(
        store,
        {{"APPC",
          {{"SELECT", "BOTH"}, {"SERVER", "H1,TCP/IP,ENC_OFF"}, {"SERVER", "H2,TCP/IP,ENC_OFF"}}}});
    AppcRecord r;
    r.selection = 1;
    r.serverName[2] = "caller";
    ASSERT_EQ(appcRead(store, r, missing), 1);
    EXPECT_EQ(r.selection, 0);
    // Fewer than four keys: later rows are not filled by repeating earlier servers.
    EXPECT_EQ(r.serverName, (std::array<std::string, 4>{"H1", "H2", "caller", ""}));
}

TEST_F(AppcRecords, MissingSectionIsReportedAndTouchesNothing) {
    fill(store, {{"GLOBAL", {{"LU62_LB", "1"}}}});
    std::vector<std::string> list;
    EXPECT_EQ(appcListOption(store, list), 1);
    EXPECT_TRUE(list.empty());
    AppcRecord r;
    r.selection = 1;
    r.serverName[0] = "kept";
    ASSERT_EQ(appcRead(store, r, missing), 1);
    EXPECT_EQ(missing, 1);
    EXPECT_EQ(r.selection, 0);
    EXPECT_EQ(r.serverName[0], "kept");
    EXPECT_EQ(r.loadBalancing, 0); // LU62_LB is not consulted without APPC
    Sections before = snapshot(store);
    EXPECT_EQ(appcDelete(store), 1);
    EXPECT_EQ(snapshot(store), before);
}

TEST_F(AppcRecords, RefusedServerNameAndDeleteKeepLoadBalancing) {
    fill(store, {{"APPC", {{"SELECT", "SERVER"}}}, {"GLOBAL", {{"LU62_LB", "1"}}}});
    Sections before = snapshot(store);
    AppcRecord r = twoServers();
    r.serverName[1] = "host.b"; // a dot under the second transport
    EXPECT_EQ(write(r), 0);
    EXPECT_EQ(flag, 256);
    EXPECT_EQ(code, 54);
    EXPECT_EQ(snapshot(store), before);

    std::vector<std::string> list;
    appcListOption(store, list);
    EXPECT_EQ(list, (std::vector<std::string>{"APPC servers"}));
    EXPECT_EQ(appcDelete(store), 1);
    EXPECT_EQ(order(store), (std::vector<std::string>{"GLOBAL"}));
    EXPECT_EQ(value("GLOBAL", 0, "LU62_LB"), "1");
}

TEST_F(AppcRecords, SecondSectionStaysAfterTheRewrittenOne) {
    fill(store, {{"APPC", {{"SELECT", "first"}}}, {"TRACE", {}}, {"APPC", {{"SELECT", "second"}}}});
    ASSERT_EQ(write(twoServers()), 1);
    EXPECT_EQ(order(store), (std::vector<std::string>{"TRACE", "APPC", "APPC", "GLOBAL"}));
    EXPECT_EQ(value("APPC", 1, "SELECT"), "second");
}

} // namespace
