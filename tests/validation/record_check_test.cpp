// The six record checks. Each order test starts from a record whose every field is wrong
// and mends one field at a time: the codes must come out in the check's field order.
#include "messages.h"
#include "tela_environment.h"
#include "test_helpers.h"
#include "validation.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

template <typename Record, typename Check> ErrorCode codeOf(const Record& r, Check check) {
    int flag = 0;
    ErrorCode code = ErrorCode::None;
    check(r, flag, code);
    EXPECT_EQ(flag, code != ErrorCode::None ? kCheckFailed : 0);
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
    EXPECT_EQ(code(), ErrorCode::SymbolicName);
    EXPECT_EQ((r.symbName = padRight("PAYROLL", 8), code()), ErrorCode::LuAlias);
    EXPECT_EQ((r.localLu = padRight("*", 8), code()), ErrorCode::ModeName);
    EXPECT_EQ((r.mode = "#INTER", code()), ErrorCode::QualifiedLuName);
    EXPECT_EQ((r.partnerLu = padRight("NETA.HOSTLU", 17), code()), ErrorCode::AppTpName);
    EXPECT_EQ((r.remoteTp = "PayTp", code()), ErrorCode::CpicUserId);
    EXPECT_EQ((r.userId = padRight("clerk", 10), code()), ErrorCode::CpicPassword);
    EXPECT_EQ((r.password = padRight("secret", 10), code()), ErrorCode::None);

    int flag = 7; // a passing record leaves flag and code alone
    ErrorCode untouched = ErrorCode::Store;
    cpicCheckEntry(r, flag, untouched);
    EXPECT_EQ(flag, 7);
    EXPECT_EQ(untouched, ErrorCode::Store);

    // An alias is wanted now: "*" and blank pass, a qualified name does not.
    EXPECT_EQ((r.pluType = 0, code()), ErrorCode::LuAlias);
    EXPECT_EQ((r.partnerLu = padRight("*", 17), code()), ErrorCode::None);
    EXPECT_EQ((r.partnerLu = padRight("", 17), code()), ErrorCode::None);
    EXPECT_EQ((r.tpType = 1, code()), ErrorCode::ServiceTpName);
    EXPECT_EQ((r.remoteTp = "06F2", code()), ErrorCode::None);
    EXPECT_EQ((r.userId = "ABCDEFGHIJ@", code()),
              ErrorCode::None); // the eleventh character is not looked at
    r.password = "@";
    EXPECT_EQ((r.secType = 1, code()), ErrorCode::None); // same: the password is not looked at
    EXPECT_EQ((r.userId = "@", code()), ErrorCode::CpicUserId);
    EXPECT_EQ((r.secType = 5, code()), ErrorCode::None); // program-strong looks at neither
}

TEST(RecordChecks, TpAndGlobal) {
    AttachTpRecord tp;
    auto tpCode = [&] { return codeOf(tp, tpCheckEntry); };
    EXPECT_EQ(tpCode(), ErrorCode::AppTpName); // empty name before empty path
    EXPECT_EQ((tp.tpName = "PAYTP", tpCode()), ErrorCode::TpPath);
    EXPECT_EQ((tp.tpOp = 1, tpCode()), ErrorCode::None); // not dynamically loaded: no path needed
    EXPECT_EQ((tp.tpType = 1, tpCode()), ErrorCode::ServiceTpName);
    tp.tpType = 2; // other types skip the name
    EXPECT_EQ((tp.tpName = "", tpCode()), ErrorCode::None);

    GlobalRecord g;
    g.userName = "dom:u";
    g.password = "p*ss";
    g.defLuAlias = padRight("*X", 8);
    g.defPluAlias = "TWO WORDS";
    auto globalCode = [&] { return codeOf(g, globalCheck); };
    EXPECT_EQ(globalCode(), ErrorCode::GlobalUserName);
    EXPECT_EQ((g.userName = "Dom User", globalCode()), ErrorCode::GlobalPassword);
    EXPECT_EQ((g.password = "", globalCode()), ErrorCode::LuAlias);
    EXPECT_EQ((g.defLuAlias = padRight("*", 8), globalCode()), ErrorCode::LuAlias);
    EXPECT_EQ((g.defPluAlias = padRight("", 8), globalCode()), ErrorCode::None);
}

TEST(RecordChecks, MidrangeFirstFieldDependsOnTheSection) {
    auto run = [](auto check, const char* name, const char* user, const char* pw) {
        int flag = 0;
        ErrorCode code = ErrorCode::None;
        check(name, padRight(user, 10), padRight(pw, 10), flag, code);
        return code;
    };
    EXPECT_EQ(run(midrangeCommonCheck, "XLNKMOD", "", ""), ErrorCode::None);
    EXPECT_EQ(run(midrangeCommonCheck, "1MODE", "u!", ""), ErrorCode::ModeName);
    EXPECT_EQ(run(midrangeSystemCheck, "HOSTX B", "user", "pw"), ErrorCode::None);
    EXPECT_EQ(run(midrangeSystemCheck, "hostx", "u!", ""), ErrorCode::HostName);
    EXPECT_EQ(run(midrangeSystemCheck, "HOSTX", "us[er", "p!"), ErrorCode::HostUserId);
    EXPECT_EQ(run(midrangeSystemCheck, "HOSTX", "user", "p!"), ErrorCode::HostPassword);
}

TEST(RecordChecks, ServerListsAndLuxProfiles) {
    ASSERT_TRUE(TelaEnvironment::LoadLibraryText("61206\tTCP/IP\n61207\tIPX/SPX\n", "test"));
    AppcRecord appc;
    appc.serverName = {"host.a", "HOSTB", "", "x.y"};
    appc.transport = {"IPX/SPX", "IPX/SPX", "IPX/SPX", "IPX/SPX"};
    appc.scopeName = "not checked!";
    // The code, and the row refused (-1 for none).
    using At = std::pair<ErrorCode, int>;
    auto appcAt = [&] {
        int row = -1;
        return At(codeOf(appc, [&](auto& r, int& f, ErrorCode& c) { appcCheck(r, f, c, &row); }),
                  row);
    };
    EXPECT_EQ(appcAt(), At(ErrorCode::ServerName, 0));
    appc.transport[0] = "TCP/IP";
    EXPECT_EQ(appcAt(), At(ErrorCode::ServerName, 3)); // the last row counts as much as the first
    appc.serverName[3] = "*";
    EXPECT_EQ(appcAt(), At(ErrorCode::None, -1));

    LuxProfileRecord lux;
    for (LuxLink& l : lux.links) {
        l.category = 1;
        l.transport = "TCP/IP";
    }
    lux.profileName = "prof1";
    lux.links[2].category = 0; // needs an LU name
    lux.links[3].serverName = ".host";
    auto luxAt = [&] {
        int row = -1;
        return At(
            codeOf(lux, [&](auto& r, int& f, ErrorCode& c) { luxCheckProfile(r, f, c, &row); }),
            row);
    };
    EXPECT_EQ(luxAt(), At(ErrorCode::ServerName, 3));
    lux.links[3].serverName = "host";
    EXPECT_EQ(luxAt(), At(ErrorCode::LuxProfileName, -1));
    lux.profileName = "PROF1";
    EXPECT_EQ(luxAt(), At(ErrorCode::LinkLuName, 2));
    lux.links[2].luName = "Lu_01";
    EXPECT_EQ(luxAt(), At(ErrorCode::None, -1));
    lux.profileName = "";
    EXPECT_EQ(luxAt(), At(ErrorCode::LuxProfileName, -1));
    TelaEnvironment::UnloadLibrary();
}

} // namespace
