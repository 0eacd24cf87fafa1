// Every link the editor can produce reads back unchanged from its SESSION value.
#include "lux_records.h"
#include "record_fixture.h"

#include <random>

namespace {

class LuxSessionProperty : public RecordTest {
protected:
    std::mt19937 rng{20261206};
    std::string word(std::string_view alphabet, std::size_t minLen, std::size_t maxLen) {
        std::uniform_int_distribution<std::size_t> len(minLen, maxLen);
        std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
        std::string out;
        for (std::size_t n = len(rng); n > 0; --n)
            out += alphabet[pick(rng)];
        return out;
    }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
};

TEST_F(LuxSessionProperty, EditorLinksRoundTrip) {
    const char* enc[] = {"ENC_OFF", "ENC_ON", "ENC_OPT"};
    const int categories[] = {0, 1, 3};
    for (int i = 0; i < 2000; ++i) {
        LuxLink link;
        int kind = pick(3); // first transport, second transport, scope
        link.serverName = kind == 2 ? "*" : word("abcXYZ019.-_", 1, 64);
        link.transport = kind == 1 ? kT2 : kT1;
        link.scopeName = kind == 2 ? word("SCOPE*1", 1, 8) : "";
        link.category = categories[pick(3)];
        link.luName = link.category == 1 ? "" : word("ABCxyz_09", 1, 8);
        link.encryption = enc[pick(3)];

        LuxProfileRecord r;
        luxParseSession(r, luxFormatSession(link), 3);
        ASSERT_TRUE(r.links[2] == link) << luxFormatSession(link);
    }
}

} // namespace
