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

// Any store whose names and values respect the limits, and whose values do not end with a
// backslash, reads back exactly as written.
TEST(Writer, RoundTripOnGeneratedStores) {
    std::mt19937 rng(20261206);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    // Bytes 1-254 except a line feed; `forbidden` cannot stand in the kind of name.
    auto text = [&](std::size_t max, char forbidden) {
        std::string s(static_cast<std::size_t>(pick(0, static_cast<int>(max))), ' ');
        for (char& c : s) {
            int b;
            do {
                b = pick(1, 254);
            } while (b == '\n' || b == forbidden);
            c = static_cast<char>(b);
        }
        return s;
    };
    for (int round = 0; round < 300; ++round) {
        CfgStore store;
        int sections = pick(0, 12);
        for (int i = 0; i < sections; ++i) {
            store.appendSection(text(15, ']'));
            int keys = pick(0, 8);
            for (int j = 0; j < keys; ++j) {
                std::string name = text(15, '=');
                // A key line must not look like a comment, a section or a blank line.
                if (!name.empty() && (name[0] == ' ' || name[0] == ';' || name[0] == '['))
                    name[0] = 'K';
                std::string value = text(static_cast<std::size_t>(pick(0, 1) ? 282 : 20), '\n');
                while (!value.empty() && value.back() == '\\')
                    value.pop_back();
                store.appendKeyToLast(name, value);
            }
        }
        std::string bytes = cfgWriteBuffer(store);
        CfgStore back;
        CfgReadResult detail;
        ASSERT_EQ(cfgReadBuffer(back, bytes.data(), bytes.size(), &detail), 0)
            << "round " << round << " line " << detail.line << ": "
            << cfgParseErrorText(detail.error);
        ASSERT_EQ(snapshot(back), snapshot(store)) << "round " << round;
    }
}

// The check that guards every save must agree with the reader exactly: a store it passes
// reads back as written, and a store it refuses does not.
TEST(Writer, UnwritableCheckAgreesWithTheRoundTrip) {
    std::mt19937 rng(99);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const std::string tricky = "\n\r\\=]; [\0\xFF"s;
    auto text = [&](int max) {
        std::string s(static_cast<std::size_t>(pick(0, max)), 'a');
        for (char& c : s)
            c = pick(0, 3) == 0 ? tricky[static_cast<std::size_t>(pick(0, 9))]
                                : static_cast<char>(pick('A', 'Z'));
        return s;
    };
    int refused = 0;
    for (int round = 0; round < 2000; ++round) {
        CfgStore store;
        for (int i = pick(1, 3); i > 0; --i) {
            store.appendSection(text(17));
            for (int j = pick(0, 3); j > 0; --j)
                store.appendKeyToLast(text(17), text(pick(0, 1) ? 290 : 6));
        }
        CfgUnwritable where;
        bool unwritable = cfgFindUnwritable(store, where);
        std::string bytes = cfgWriteBuffer(store);
        CfgStore back;
        bool same = cfgReadBuffer(back, bytes.data(), bytes.size()) == 0 &&
                    snapshot(back) == snapshot(store);
        ASSERT_EQ(unwritable, !same) << "round " << round << ": " << where.reason;
        refused += unwritable;
    }
    EXPECT_GT(refused, 100); // both outcomes were met many times
    EXPECT_LT(refused, 1900);
}
