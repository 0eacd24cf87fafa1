// The SESSION values of LUx profiles, read the quick way and the whole way.
#include "lux_records.h"
#include "record_fixture.h"

#include <random>

namespace {

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
            testing_support::appendKeyToLast(store, "PROFILE_NAME", names.back());
            for (int n = pick(6); n > 0; --n)
                testing_support::appendKeyToLast(store, pick(4) ? "SESSION" : "OTHER",
                                                 values[pick(10)]);
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
