// The six record checks: which field each looks at first, the code it reports, and that a
// passing record leaves the caller's flag and code alone.
#include "messages.h"
#include "tela_environment.h"
#include "validation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Result {
    int flag = 0;
    int code = 0;
};

// A record that passes with both security fields in use; each case breaks one field.
CpicSideInfoRecord goodCpic() {
    CpicSideInfoRecord r;
    r.symbName = padRight("PAYROLL", 8);
    r.localLu = padRight("*", 8);
    r.partnerLu = padRight("NETA.HOSTLU", 17);
    r.pluType = 1;
    r.mode = "#INTER";
    r.remoteTp = "PayTp";
    r.tpType = 0;
    r.secType = 2;
    r.userId = padRight("clerk", 10);
    r.password = padRight("secret", 10);
    return r;
}

Result runCpic(const CpicSideInfoRecord& r) {
    Result res;
    cpicCheckEntry(r, res.flag, res.code);
    return res;
}

TEST(CpicCheck, ReportsTheFirstFailingFieldInOrder) {
    EXPECT_EQ(runCpic(goodCpic()).flag, 0);

    auto r = goodCpic();
    r.symbName = padRight("PAY ROLL", 8);
    r.localLu = padRight("", 8); // also wrong, but comes later
    EXPECT_EQ(runCpic(r).code, 26);
    EXPECT_EQ(runCpic(r).flag, kCheckFailed);

    r = goodCpic();
    r.localLu = padRight("", 8);
    r.mode = "bad";
    EXPECT_EQ(runCpic(r).code, 42);

    r = goodCpic();
    r.mode = "1MODE";
    r.partnerLu = padRight("bad", 17);
    EXPECT_EQ(runCpic(r).code, 56);

    r = goodCpic();
    r.partnerLu = padRight("HOSTLU", 17); // an alias where a qualified name is wanted
    r.remoteTp = "";
    EXPECT_EQ(runCpic(r).code, 24);

    r = goodCpic();
    r.remoteTp = "";
    r.userId = padRight("a@b", 10);
    EXPECT_EQ(runCpic(r).code, 40);

    r = goodCpic();
    r.userId = padRight("a@b", 10);
    r.password = padRight("p@ss", 10);
    EXPECT_EQ(runCpic(r).code, 34);

    r = goodCpic();
    r.password = padRight("p@ss", 10);
    EXPECT_EQ(runCpic(r).code, 12);
}

TEST(CpicCheck, PartnerAliasTypeAcceptsAnyOrBlank) {
    auto r = goodCpic();
    r.pluType = 0;
    for (const char* partner : {"*", "", "HOSTLU"}) {
        r.partnerLu = padRight(partner, 17);
        EXPECT_EQ(runCpic(r).flag, 0) << partner;
    }
    r.partnerLu = padRight("NETA.HOSTLU", 17);
    EXPECT_EQ(runCpic(r).code, 42);
    r.partnerLu = padRight("*  X", 17);
    EXPECT_EQ(runCpic(r).code, 42);
}

TEST(CpicCheck, RemoteTpRuleFollowsTheTpType) {
    auto r = goodCpic();
    r.tpType = 1;
    r.remoteTp = "06F2";
    EXPECT_EQ(runCpic(r).flag, 0);
    r.remoteTp = "PayTp";
    EXPECT_EQ(runCpic(r).code, 38);
    r.remoteTp = "";
    EXPECT_EQ(runCpic(r).code, 38);
    r.tpType = 0;
    r.remoteTp = "06F2";
    EXPECT_EQ(runCpic(r).code, 40);
}

TEST(CpicCheck, SecurityFieldsCountOnlyForTheirSecurityTypes) {
    auto r = goodCpic();
    r.userId = padRight("a@b", 10);
    r.password = padRight("p@ss", 10);
    r.secType = 0;
    EXPECT_EQ(runCpic(r).flag, 0);
    r.secType = 5;
    EXPECT_EQ(runCpic(r).flag, 0);
    r.secType = 1;
    EXPECT_EQ(runCpic(r).code, 34);
    r.userId = padRight("clerk", 10);
    EXPECT_EQ(runCpic(r).flag, 0); // type 1 does not look at the password

    // Ten characters are looked at: an "@" in the eleventh place passes.
    r.userId = "ABCDEFGHIJ@X";
    EXPECT_EQ(runCpic(r).flag, 0);
    r.userId = "ABCDEFGHI@";
    EXPECT_EQ(runCpic(r).code, 34);
}

TEST(CpicCheck, PassingRecordLeavesFlagAndCodeAlone) {
    Result res{7, 99};
    cpicCheckEntry(goodCpic(), res.flag, res.code);
    EXPECT_EQ(res.flag, 7);
    EXPECT_EQ(res.code, 99);
}

TEST(TpCheck, NameByTypeThenPath) {
    AttachTpRecord r;
    r.luName = padRight("*", 8);
    r.tpName = "";
    r.tpOp = 0;
    Result res;
    tpCheckEntry(r, res.flag, res.code);
    EXPECT_EQ(res.code, 40); // empty application name before the empty path

    r.tpName = "PAYTP";
    res = {};
    tpCheckEntry(r, res.flag, res.code);
    EXPECT_EQ(res.code, 46);

    r.tpOp = 1;
    res = {};
    tpCheckEntry(r, res.flag, res.code);
    EXPECT_EQ(res.flag, 0);

    r.tpType = 1;
    res = {};
    tpCheckEntry(r, res.flag, res.code);
    EXPECT_EQ(res.code, 38);

    r.tpType = 2; // other types skip the name
    r.tpName = "";
    res = {};
    tpCheckEntry(r, res.flag, res.code);
    EXPECT_EQ(res.flag, 0);
}

TEST(GlobalCheck, UserPasswordThenBothAliases) {
    GlobalRecord r;
    r.defLuAlias = padRight("", 8);
    r.defPluAlias = padRight("", 8);
    Result res;
    globalCheck(r, res.flag, res.code);
    EXPECT_EQ(res.flag, 0);

    r.userName = "dom:user";
    r.password = "p*ss";
    globalCheck(r, res.flag, res.code);
    EXPECT_EQ(res.code, 62);

    r.userName = "user";
    res = {};
    globalCheck(r, res.flag, res.code);
    EXPECT_EQ(res.code, 64);

    r.password = "pass";
    r.defLuAlias = padRight("*", 8);
    r.defPluAlias = padRight("PLU 1", 8);
    res = {};
    globalCheck(r, res.flag, res.code);
    EXPECT_EQ(res.code, 42);

    r.defPluAlias = padRight("PLU1", 8);
    r.defLuAlias = padRight("*X", 8);
    res = {};
    globalCheck(r, res.flag, res.code);
    EXPECT_EQ(res.code, 42);
}

class TransportCheck : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(TelaEnvironment::LoadLibraryText("61206\tTCP/IP\n61207\tIPX/SPX\n", "test"));
        reloadTransportTexts();
    }
    void TearDown() override { TelaEnvironment::UnloadLibrary(); }
};

TEST_F(TransportCheck, AppcChecksEachRowByItsOwnTransport) {
    AppcRecord r;
    r.serverName = {"host.a", "HOSTB", "", "*"};
    r.transport = {"TCP/IP", "IPX/SPX", "IPX/SPX", "IPX/SPX"};
    r.scopeName = "not checked!";
    Result res;
    appcCheck(r, res.flag, res.code);
    EXPECT_EQ(res.flag, 0);

    r.transport[0] = "IPX/SPX"; // the dot is refused under the second transport
    appcCheck(r, res.flag, res.code);
    EXPECT_EQ(res.flag, kCheckFailed);
    EXPECT_EQ(res.code, 54);

    r.transport[0] = "TCP/IP";
    r.serverName[3] = "x.y"; // the last row counts as much as the first
    res = {};
    appcCheck(r, res.flag, res.code);
    EXPECT_EQ(res.code, 54);
}

TEST_F(TransportCheck, LuxChecksServersThenProfileNameThenLuNames) {
    LuxProfileRecord r;
    r.profileName = "PROF1";
    for (LuxLink& l : r.links) {
        l.category = 1;
        l.transport = "TCP/IP";
    }
    r.links[0].serverName = "hosta";
    Result res;
    luxCheckProfile(r, res.flag, res.code);
    EXPECT_EQ(res.flag, 0);

    r.links[2].category = 0; // needs an LU name, which it lacks
    r.profileName = "prof1";
    r.links[3].serverName = ".bad";
    luxCheckProfile(r, res.flag, res.code);
    EXPECT_EQ(res.code, 54);

    r.links[3].serverName = "";
    res = {};
    luxCheckProfile(r, res.flag, res.code);
    EXPECT_EQ(res.code, 48);

    r.profileName = "PROF1";
    res = {};
    luxCheckProfile(r, res.flag, res.code);
    EXPECT_EQ(res.code, 16);

    r.links[2].luName = "Lu_01";
    r.links[2].category = 3;
    res = {};
    luxCheckProfile(r, res.flag, res.code);
    EXPECT_EQ(res.flag, 0);

    r.profileName = "";
    res = {};
    luxCheckProfile(r, res.flag, res.code);
    EXPECT_EQ(res.code, 48);
}

TEST(MidrangeCheck, FirstFieldDependsOnTheSection) {
    Result res;
    midrangeCheck("NODEX_COMMON", "XLNKMOD", padRight("", 10), padRight("", 10), res.flag,
                  res.code);
    EXPECT_EQ(res.flag, 0);
    midrangeCheck("NODEX_COMMON", "1MODE", padRight("u!", 10), "", res.flag, res.code);
    EXPECT_EQ(res.code, 56);

    res = {};
    midrangeCheck("NODEX_SYSTEM", "AS400 B", padRight("user", 10), padRight("pw", 10), res.flag,
                  res.code);
    EXPECT_EQ(res.flag, 0);
    midrangeCheck("NODEX_SYSTEM", "as400", padRight("u!", 10), "", res.flag, res.code);
    EXPECT_EQ(res.code, 50);

    res = {};
    midrangeCheck("NODEX_SYSTEM", "AS400", padRight("us[er", 10), padRight("p!", 10), res.flag,
                  res.code);
    EXPECT_EQ(res.code, 58);
    res = {};
    midrangeCheck("NODEX_SYSTEM", "AS400", padRight("user", 10), padRight("p!", 10), res.flag,
                  res.code);
    EXPECT_EQ(res.code, 60);
    // A mode name is no host name: the common rule does not apply to systems.
    res = {};
    midrangeCheck("NODEX_SYSTEM", "#MODE$", padRight("user", 10), padRight("pw", 10), res.flag,
                  res.code);
    EXPECT_EQ(res.flag, 0);
}

} // namespace
