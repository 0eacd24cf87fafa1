// What put accepts reads back as it was put: random records of every kind, valid ones and
// ones at and beyond the limits, are put in-process; an accepted record is printed by get
// with the same values, a second put of the same JSON leaves the file alone, and check
// finds nothing in a file made only of accepted records. A refused record names its field
// and leaves the file as it was. APICFG_PROPERTY_SEED picks another run.
#include "tool_fixture.h"

#include "commands.h"
#include "json_text.h"
#include "latin1_text.h"
#include "test_helpers.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <unistd.h>

namespace {

class RandomRecords {
public:
    explicit RandomRecords(unsigned seed) : m_random(seed) {}

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    template <typename T> T oneOf(std::initializer_list<T> values) {
        return *(values.begin() + pick(static_cast<int>(values.size())));
    }

    // Mostly characters a field of its class takes, at a length around its limit; now
    // and then one that some rule refuses.
    std::string text(const std::string& good, std::size_t limit) {
        static const std::string odd = " ,\\*%.-_@#$:;[]!ab\xE9";
        const std::size_t length =
            oneOf<std::size_t>({0, 1, 2, limit / 2, limit - 1, limit, limit, limit + 1});
        std::string t;
        for (std::size_t i = 0; i < length; ++i)
            t += pick(12) ? good[pick(static_cast<int>(good.size()))] : odd[pick(int(odd.size()))];
        return latin1ToUtf8(t); // the file's bytes, as the tool's JSON carries them
    }
    std::string name(std::size_t limit) { return text("ABCXYZ019@#$", limit); }
    std::string host(std::size_t limit) { return text("abcxyzABC09.-_", limit); }
    // Transport texts of both kinds, none, and one of another language.
    std::string transport() { return oneOf<std::string>({"TCP/IP", "TCP/IP", "IPX/SPX", "", "X"}); }
    std::string encryption() {
        return oneOf<std::string>({"ENC_OFF", "ENC_ON", "ENC_OPT", "ENC_OFF", "", "off"});
    }

    Json record(const std::string& kind);

private:
    Json cpic();
    Json lux();
    std::mt19937 m_random;
};

Json RandomRecords::cpic() {
    const int plu = oneOf({0, 0, 1, 2});
    return {{"SYMB_NAME", name(8)},
            {"LOCAL_LU", oneOf<std::string>({"*", "*", name(8)})},
            {"PART_LU", plu ? name(8) + "." + name(8) : oneOf<std::string>({"", "*", name(8)})},
            {"MODE", oneOf<std::string>({"#INTER", "BLANK", name(8)})},
            {"REMOTE_TP", text("AbcXyz019_", 64)},
            {"TP_TYPE", oneOf({0, 0, 1, 10})},
            {"SEC_TYPE", oneOf({0, 1, 2, 5, 3})},
            {"SEC_PW", text("ABC019%&'()", 10)},
            {"SEC_USERID", text("ABC019 ", 10)},
            {"PLU_TYPE", plu}};
}

Json RandomRecords::lux() {
    Json sessions = Json::array();
    for (int i = 0, n = pick(5); i < n; ++i) {
        const bool scope = pick(4) == 0;
        sessions.push_back({{"server", scope ? "*" : oneOf<std::string>({"", host(64)})},
                            {"category", oneOf({0, 1, 1, 3, 2})},
                            {"lu_name", oneOf<std::string>({"", text("LUabc019_", 8)})},
                            {"transport", transport()},
                            {"scope", scope ? host(64) : ""},
                            {"encryption", encryption()}});
    }
    return {{"PROFILE_NAME", name(8)}, {"DEFAULT", oneOf({0, 1, 1, 2})}, {"SESSION", sessions}};
}

Json RandomRecords::record(const std::string& kind) {
    if (kind == "cpic")
        return cpic();
    if (kind == "lux")
        return lux();
    if (kind == "tp")
        return {
            {"TP_NAME", text("AbcXyz019.$#@", 64)}, {"LU_NAME", oneOf<std::string>({"*", name(8)})},
            {"PATH", text("/usr/binC:\\x", 80)},    {"PARM_STRING", text("-x y", 32)},
            {"TP_TYPE", oneOf({0, 0, 1, 2})},       {"TP_OP", oneOf({0, 1, 7})}};
    if (kind == "global")
        return {{"USER_NAME", text("Admin 01.", 20)},
                {"PASSWORD", text("Secret01", 14)},
                {"TRANSLATE_TABLE", text("/etc/sna/t.dat", 256)},
                {"DEF_LU_ALIAS", oneOf<std::string>({"", "*", name(8)})},
                {"DEF_PLU_ALIAS", oneOf<std::string>({"", "*", name(8)})}};
    if (kind == "appc") {
        Json servers = Json::array();
        for (int i = 0, n = pick(5); i < n; ++i)
            servers.push_back({{"name", oneOf<std::string>({"", host(64)})},
                               {"transport", transport()},
                               {"encryption", encryption()}});
        return {
            {"SELECT", oneOf({0, 1, 2})},
            {"LU62_LB", oneOf({0, 1, 10})},
            {"SERVER", servers},
            {"SCOPE",
             {{"name", oneOf<std::string>({"", "*", host(64)})}, {"encryption", encryption()}}}};
    }
    if (kind == "system")
        return {{"HOST_NAME", name(8)},
                {"USER_NAME", text("USER01 #", 10)},
                {"PASSWORD", text("SECRET01", 10)},
                {"DEFAULT", oneOf<std::string>({"1", "0"})}};
    return {{"USER_NAME", text("USER01 #", 10)},
            {"PASSWORD", text("SECRET01", 10)},
            {"LOCAL_LU", name(8)},
            {"MODE", oneOf<std::string>({"XLNKMOD", name(8)})}};
}

class PutProperty : public ToolTest {
protected:
    // Thousands of saves: in memory where the system offers it, so that the run does not
    // wait for the disk.
    void SetUp() override {
        ToolTest::SetUp();
        const std::filesystem::path shm("/dev/shm");
        m_file =
            (std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path()) /
            ("apicfg-property-" + std::to_string(::getpid()) + ".ini");
    }
    void TearDown() override {
        std::filesystem::remove(m_file);
        ToolTest::TearDown();
    }
    std::string file() const { return m_file.string(); }
    std::string bytes() const { return testing_support::slurp(file()); }
    void reset(const std::string& content) const {
        std::ofstream(m_file, std::ios::binary) << content;
    }

    int tool(Invocation inv, const std::string& input, std::string& out, std::string& err) {
        inv.files = {file()};
        inv.input = "-";
        std::istringstream in(input);
        std::ostringstream o, e;
        const int code = inv.command == "put"   ? runPut(inv, in, o, e)
                         : inv.command == "get" ? runGet(inv, in, o, e)
                                                : runCheck(inv, in, o, e);
        out = o.str();
        err = e.str();
        return code;
    }

private:
    std::filesystem::path m_file;
};

// The record of that JSON as get prints it, where get names it by the input's name.
Invocation getOf(const std::string& kind, const Json& record) {
    Invocation inv;
    inv.command = "get";
    inv.kind = kind;
    inv.showPasswords = true;
    for (const char* key : {"SYMB_NAME", "TP_NAME", "PROFILE_NAME", "HOST_NAME"})
        if (record.contains(key))
            inv.name = record[key].get<std::string>(), inv.hasName = true;
    return inv;
}

// Each field the input gives, as get prints it.
void expectSame(const Json& given, const Json& got, const std::string& where) {
    for (const auto& item : given.items()) {
        if (item.value().is_array()) {
            for (std::size_t i = 0; i < item.value().size(); ++i)
                expectSame(item.value()[i], got[item.key()][i], where + item.key());
        } else if (item.value().is_object()) {
            expectSame(item.value(), got[item.key()], where + item.key());
        } else {
            EXPECT_EQ(got[item.key()], item.value()) << where << "." << item.key();
        }
    }
}

} // namespace

TEST_F(PutProperty, WhatPutAcceptsGetPrintsAsItWasPutAndASecondPutChangesNothing) {
    const char* seedText = std::getenv("APICFG_PROPERTY_SEED");
    const unsigned seed = seedText ? static_cast<unsigned>(std::atoi(seedText)) : 2026u;
    RandomRecords random(seed);
    const std::vector<std::string> kinds{"cpic", "tp", "global", "appc", "lux", "system", "common"};
    int accepted = 0;
    for (int round = 0; round < 5000; ++round) {
        if (round % 100 == 0)
            reset(configFile({"[NODEX_SYSTEM]", "HOST_NAME=SYS", "DEFAULT=0"}));
        const std::string kind = kinds[static_cast<std::size_t>(random.pick(int(kinds.size())))];
        const Json record = random.record(kind);
        const std::string json = jsonText(record), before = bytes();
        Invocation put;
        put.command = "put";
        put.kind = kind;
        std::string out, err;
        const int code = tool(put, json, out, err);
        SCOPED_TRACE("seed " + std::to_string(seed) + ", round " + std::to_string(round) + ": " +
                     kind + " " + json + "\n" + err);
        ASSERT_TRUE(code == 0 || code == 1);
        if (code == 1) {
            EXPECT_EQ(bytes(), before);
            EXPECT_NE(err.find(kind == "common" ? "error" : "field "), std::string::npos);
            continue;
        }
        ++accepted;
        ASSERT_EQ(tool(getOf(kind, record), "", out, err), 0);
        expectSame(record, Json::parse(out), kind);
        // Without --show-passwords a stored password is the editor's placeholder.
        Invocation hidden = getOf(kind, record);
        hidden.showPasswords = false;
        ASSERT_EQ(tool(hidden, "", out, err), 0);
        for (const char* key : {"SEC_PW", "PASSWORD"}) {
            if (record.contains(key) && record[key] != "") {
                EXPECT_EQ(Json::parse(out)[key], std::string(kind == "global" ? 14 : 10, '*'));
            }
        }
        const std::string after = bytes();
        ASSERT_EQ(tool(put, json, out, err), 0);
        EXPECT_EQ(out, file() + ": unchanged\n");
        EXPECT_EQ(bytes(), after);
        Invocation check;
        check.command = "check";
        EXPECT_EQ(tool(check, "", out, err), 0) << out;
    }
    // Enough of them pass to prove the read-back, enough are refused to prove the rules.
    EXPECT_GT(accepted, 500);
    EXPECT_LT(accepted, 4500);
}
