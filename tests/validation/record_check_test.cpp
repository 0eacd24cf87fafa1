// The six record checks. Each order test starts from a record whose every field is wrong
// and mends one field at a time: the codes must come out in the check's field order.
#include "messages.h"
#include "tela_environment.h"
#include "validation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

template <typename Record, typename Check> int codeOf(const Record& r, Check check) {
    int flag = 0, code = 0;
    check(r, flag, code);
    EXPECT_EQ(flag, code ? kCheckFailed : 0);
    return code;
}

TEST(RecordChecks, CpicFieldOrderAndConditions) {
    CpicSideInfoRecord r;
    r.symbName = padRight("PAY ROLL", 8);
    r.localLu = padRight("", 8);
    r.mode = "1MODE";
    r.pluType = 1;
    r.partnerLu = padRight("HOSTLU", 17);
    r.remoteTp = "";
    r.secType = 2;
    r.userId = padRight("a@b", 10);
    r.password = padRight("p@ss", 10);
    auto code = [&] { return codeOf(r, cpicCheckEntry); };
    EXPECT_EQ(code(), 26);
    EXPECT_EQ((r.symbName = padRight("PAYROLL", 8), code()), 42);
    EXPECT_EQ((r.localLu = padRight("*", 8), code()), 56);
    EXPECT_EQ((r.mode = "#INTER", code()), 24);
    EXPECT_EQ((r.partnerLu = padRight("NETA.HOSTLU", 17), code()), 40);
    EXPECT_EQ((r.remoteTp = "PayTp", code()), 34);
    EXPECT_EQ((r.userId = padRight("clerk", 10), code()), 12);
    EXPECT_EQ((r.password = padRight("secret", 10), code()), 0);

    int flag = 7, untouched = 99; // a passing record leaves flag and code alone
    cpicCheckEntry(r, flag, untouched);
    EXPECT_EQ(flag, 7);
    EXPECT_EQ(untouched, 99);

    // An alias is wanted now: "*" and blank pass, a qualified name does not.
    EXPECT_EQ((r.pluType = 0, code()), 42);
    EXPECT_EQ((r.partnerLu = padRight("*", 17), code()), 0);
    EXPECT_EQ((r.partnerLu = padRight("", 17), code()), 0);
    EXPECT_EQ((r.tpType = 1, code()), 38);
    EXPECT_EQ((r.remoteTp = "06F2", code()), 0);
    EXPECT_EQ((r.userId = "ABCDEFGHIJ@", code()), 0); // the eleventh character is not looked at
    r.password = "@";
    EXPECT_EQ((r.secType = 1, code()), 0); // same: the password is not looked at
    EXPECT_EQ((r.userId = "@", code()), 34);
    EXPECT_EQ((r.secType = 5, code()), 0); // program-strong looks at neither
}

TEST(RecordChecks, TpAndGlobal) {
    AttachTpRecord tp;
    auto tpCode = [&] { return codeOf(tp, tpCheckEntry); };
    EXPECT_EQ(tpCode(), 40); // empty name before empty path
    EXPECT_EQ((tp.tpName = "PAYTP", tpCode()), 46);
    EXPECT_EQ((tp.tpOp = 1, tpCode()), 0); // not dynamically loaded: no path needed
    EXPECT_EQ((tp.tpType = 1, tpCode()), 38);
    tp.tpType = 2; // other types skip the name
    EXPECT_EQ((tp.tpName = "", tpCode()), 0);

    GlobalRecord g;
    g.userName = "dom:u";
    g.password = "p*ss";
    g.defLuAlias = padRight("*X", 8);
    g.defPluAlias = "TWO WORDS";
    auto globalCode = [&] { return codeOf(g, globalCheck); };
    EXPECT_EQ(globalCode(), 62);
    EXPECT_EQ((g.userName = "Dom User", globalCode()), 64);
    EXPECT_EQ((g.password = "", globalCode()), 42);
    EXPECT_EQ((g.defLuAlias = padRight("*", 8), globalCode()), 42);
    EXPECT_EQ((g.defPluAlias = padRight("", 8), globalCode()), 0);
}

TEST(RecordChecks, MidrangeFirstFieldDependsOnTheSection) {
    auto run = [](const char* section, const char* name, const char* user, const char* pw) {
        int flag = 0, code = 0;
        midrangeCheck(section, name, padRight(user, 10), padRight(pw, 10), flag, code);
        return code;
    };
    EXPECT_EQ(run("NODEX_COMMON", "XLNKMOD", "", ""), 0);
    EXPECT_EQ(run("NODEX_COMMON", "1MODE", "u!", ""), 56);
    EXPECT_EQ(run("NODEX_SYSTEM", "HOSTX B", "user", "pw"), 0);
    EXPECT_EQ(run("NODEX_SYSTEM", "hostx", "u!", ""), 50);
    EXPECT_EQ(run("NODEX_SYSTEM", "HOSTX", "us[er", "p!"), 58);
    EXPECT_EQ(run("NODEX_SYSTEM", "HOSTX", "user", "p!"), 60);
}

TEST(RecordChecks, ServerListsAndLuxProfiles) {
    ASSERT_TRUE(TelaEnvironment::LoadLibraryText("61206\tTCP/IP\n61207\tIPX/SPX\n", "test"));
    AppcRecord appc;
    appc.serverName = {"host.a", "HOSTB", "", "x.y"};
    appc.transport = {"IPX/SPX", "IPX/SPX", "IPX/SPX", "IPX/SPX"};
    appc.scopeName = "not checked!";
    EXPECT_EQ(codeOf(appc, appcCheck), 54);
    appc.transport[0] = "TCP/IP";
    EXPECT_EQ(codeOf(appc, appcCheck), 54); // the last row counts as much as the first
    appc.serverName[3] = "*";
    EXPECT_EQ(codeOf(appc, appcCheck), 0);

    LuxProfileRecord lux;
    for (LuxLink& l : lux.links) {
        l.category = 1;
        l.transport = "TCP/IP";
    }
    lux.profileName = "prof1";
    lux.links[2].category = 0; // needs an LU name
    lux.links[3].serverName = ".host";
    EXPECT_EQ(codeOf(lux, luxCheckProfile), 54);
    lux.links[3].serverName = "host";
    EXPECT_EQ(codeOf(lux, luxCheckProfile), 48);
    lux.profileName = "PROF1";
    EXPECT_EQ(codeOf(lux, luxCheckProfile), 16);
    lux.links[2].luName = "Lu_01";
    EXPECT_EQ(codeOf(lux, luxCheckProfile), 0);
    lux.profileName = "";
    EXPECT_EQ(codeOf(lux, luxCheckProfile), 48);
    TelaEnvironment::UnloadLibrary();
}

} // namespace
