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

} // namespace
