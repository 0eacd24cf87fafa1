// Every link the editor can produce reads back unchanged from its SESSION value.
#include "lux_records.h"
#include "record_fixture.h"

#include <random>

namespace {

TEST_F(RecordTest, EditorLuxLinksRoundTripThroughTheirSessionValue) {
    std::mt19937 rng{20261206};
    auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    auto word = [&](std::string_view alphabet, int maxLen) {
        std::string out;
        for (int n = 1 + pick(maxLen); n > 0; --n)
            out += alphabet[pick(static_cast<int>(alphabet.size()))];
        return out;
    };
    const char* enc[] = {"ENC_OFF", "ENC_ON", "ENC_OPT"};
    for (int i = 0; i < 2000; ++i) {
        LuxLink link;
        const int kind = pick(3); // first transport, second transport, scope
        link.serverName = kind == 2 ? "*" : word("abcXYZ019.-_", 64);
        link.transport = kind == 1 ? kT2 : kT1;
        link.scopeName = kind == 2 ? word("SCOPE*1", 8) : "";
        link.category = std::array{0, 1, 3}[pick(3)];
        link.luName = link.category == 1 ? "" : word("ABCxyz_09", 8);
        link.encryption = enc[pick(3)];
        LuxProfileRecord r;
        luxParseSession(r, luxFormatSession(link), 3);
        ASSERT_TRUE(r.links[2] == link) << luxFormatSession(link);
    }
}

// The quick read of the server names that opening a file does gives what the whole read
// gives, for hand-made values too, and fails where it fails.
TEST_F(RecordTest, ServerNamesReadAsTheWholeProfileReadsThem) {
    std::mt19937 rng{7};
    auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const char* values[] = {
        "",        ",", ",,1", "SRV", "SRV#,*,1,,TCP/IP", "A,*,2,LU1", ",*,2,LU", "S,,3,LU,IPX/SPX",
        "X,Y,Z,W", "#"};
    for (int round = 0; round < 200; ++round) {
        cfgClear(store);
        std::vector<std::string> names;
        for (int p = pick(4); p >= 0; --p) {
            store.appendSection("LUX_PROFILE");
            names.push_back(pick(5) ? "P" + std::to_string(pick(4)) : "");
            store.appendKeyToLast("PROFILE_NAME", names.back());
            for (int n = pick(6); n > 0; --n)
                store.appendKeyToLast(pick(4) ? "SESSION" : "OTHER", values[pick(10)]);
        }
        for (int s = 0; s < static_cast<int>(names.size()); ++s) {
            LuxProfileRecord whole;
            luxReadSection(store, s, whole);
            std::array<std::string, 4> quick{"x", "x", "x", "x"};
            ASSERT_EQ(luxReadServerNames(store, s, quick), 1);
            const bool named = !names[static_cast<std::size_t>(s)].empty();
            for (std::size_t i = 0; i < 4; ++i)
                ASSERT_EQ(quick[i], named ? whole.links[i].serverName : "") << s << " link " << i;
        }
    }
}

} // namespace
