#include "cfg_file.h"
#include "cfg_store.h"
#include "test_helpers.h"

#include <gtest/gtest.h>
#include <random>

using namespace std::string_literals;

using namespace testing_support;

TEST(Writer, ExactLayoutWithWindowsLineEnds) {
    CfgStore store;
    EXPECT_EQ(cfgWriteBuffer(store), "%Arvenco SNA Client Configuration File\r\n;\r\n;;  END");
    fill(store,
         {{"GLOBAL", {{"USER_NAME", "ADMIN"}}}, {"TRACE", {{"FILE", ""}, {"FLAGS", "0x0000"}}}});
    EXPECT_EQ(cfgWriteBuffer(store), "%Arvenco SNA Client Configuration File\r\n"
                                     ";\r\n"
                                     ";\r\n[GLOBAL]\r\nUSER_NAME=ADMIN\r\n"
                                     ";\r\n[TRACE]\r\nFILE=\r\nFLAGS=0x0000\r\n"
                                     ";;  END");
}

TEST(Writer, LongValuesAreSplitAt74Characters) {
    std::string value;
    for (int i = 0; i < 200; ++i)
        value.push_back(static_cast<char>('a' + i % 26));
    std::string out;
    cfgWriteKey(out, "REMOTE_TP", 9, value.data(), value.size());
    // Pieces of 64, 74 and 62 characters; no physical line exceeds 75 characters.
    std::string expected = "REMOTE_TP=" + value.substr(0, 64) + "\\\r\n" + value.substr(64, 74) +
                           "\\\r\n" + value.substr(138) + "\r\n";
    EXPECT_EQ(out, expected);

    // 9 + 1 + 64 characters still fit the first line; one more starts a second.
    for (std::size_t size : {64u, 65u}) {
        out.clear();
        const std::string x(size, 'x');
        cfgWriteKey(out, "REMOTE_TP", 9, x.data(), x.size());
        EXPECT_EQ(out, "REMOTE_TP=" + x.substr(0, 64) + (size > 64 ? "\\\r\nx" : "") + "\r\n");
    }
}

// The check that guards every save must agree with the reader exactly: a store it passes
// reads back as written, and a store it refuses does not. The names and values of every
// other round may hold any byte but a line feed, and most of those stores pass.
TEST(Writer, UnwritableCheckAgreesWithTheRoundTrip) {
    std::mt19937 rng(99);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const std::string tricky = "\n\r\\=]; [\0\xFF"s;
    bool anyByte = false;
    auto text = [&](int max) {
        std::string s(static_cast<std::size_t>(pick(0, max)), 'a');
        for (char& c : s) {
            if (anyByte) {
                const int b = pick(1, 253); // byte 254 stands in for the line feed
                c = static_cast<char>(b == '\n' ? 254 : b);
            } else {
                c = pick(0, 3) == 0 ? tricky[static_cast<std::size_t>(pick(0, 9))]
                                    : static_cast<char>(pick('A', 'Z'));
            }
        }
        return s;
    };
    int refused = 0, passedAnyByte = 0;
    for (int round = 0; round < 2000; ++round) {
        anyByte = round % 2 == 1;
        CfgStore store;
        // Wide rounds keep to the limits of names (15) and values (282).
        const int name = anyByte ? 15 : 17, value = anyByte ? 282 : 290;
        for (int i = pick(1, anyByte ? 6 : 3); i > 0; --i) {
            store.appendSection(text(name));
            for (int j = pick(0, 3); j > 0; --j)
                testing_support::appendKeyToLast(store, text(name), text(pick(0, 1) ? value : 6));
        }
        CfgUnwritable where;
        bool unwritable = cfgFindUnwritable(store, where);
        std::string bytes = cfgWriteBuffer(store);
        CfgStore back;
        bool same = cfgReadBuffer(back, bytes.data(), bytes.size()) == 0 &&
                    snapshot(back) == snapshot(store);
        ASSERT_EQ(unwritable, !same) << "round " << round << ": " << where.reason;
        refused += unwritable;
        passedAnyByte += anyByte && !unwritable;
    }
    EXPECT_GT(refused, 100); // both outcomes were met many times
    EXPECT_LT(refused, 1900);
    EXPECT_GT(passedAnyByte, 500); // most wide stores are written and read back
}
