#include "cfg_file.h"
#include "cfg_store.h"
#include "test_helpers.h"

#include <gtest/gtest.h>
#include <random>

using namespace testing_support;

namespace {

const std::string kHead = "%Arvenco SNA Client Configuration File\n";

Sections read(const std::string& text, int expected = 0) {
    CfgStore store;
    EXPECT_EQ(readText(store, text), expected) << text;
    return snapshot(store);
}

CfgReadResult malformed(const std::string& text) {
    CfgStore store;
    store.appendSection("LEFTOVER");
    CfgReadResult detail;
    EXPECT_EQ(readText(store, text, &detail), 2) << text;
    EXPECT_TRUE(store.empty());
    return detail;
}

} // namespace

TEST(Reader, LinesReadAsTheClientReadsThem) {
    const std::pair<std::string, Sections> cases[] = {
        // Line kinds by their first character.
        {kHead + ";\n\n[GLOBAL]\n ignored=indented\n;comment\nUSER_NAME=ADMIN\n"
                 "[TRACE]junk after\nFILE=\nFLAGS=0x0000",
         {{"GLOBAL", {{"USER_NAME", "ADMIN"}}}, {"TRACE", {{"FILE", ""}, {"FLAGS", "0x0000"}}}}},
        // Names and values are taken as they stand: blanks, further "=", empty names.
        {kHead + "[]\nKEY = VALUE\nA=B=C\n=empty name\n",
         {{"", {{"KEY ", " VALUE"}, {"A", "B=C"}, {"", "empty name"}}}}},
        // CR LF reads as one line feed, before the backslash rule applies.
        {kHead + ";\r\n[A]\r\nK=first\\\r\nsecond\r\nL=\r\n",
         {{"A", {{"K", "firstsecond"}, {"L", ""}}}}},
        // A lone CR is a character of the line.
        {kHead + "[A]\nK=a\rb\n", {{"A", {{"K", "a\rb"}}}}},
        // Continuation joins any kind of line, also a section line.
        {kHead + "[SEC\\\nTION]\n", {{"SECTION", {}}}},
        // A comment continued by a backslash hides the next line.
        {kHead + "[A]\n;note\\\nK=hidden\nL=shown\n", {{"A", {{"L", "shown"}}}}},
        // A trailing backslash at the very end of the file is kept.
        {kHead + "[A]\nK=V\\", {{"A", {{"K", "V\\"}}}}},
        // Byte 255 ends the input.
        {kHead + "[A]\nK=ab\xFFtail\n[B]\n", {{"A", {{"K", "ab"}}}}},
        {"\xFF[A]\n", {}},
    };
    for (const auto& [text, sections] : cases)
        EXPECT_EQ(read(text), sections) << text;
}

TEST(Reader, LimitsOfNamesAndValues) {
    std::string name15(15, 'N');
    std::string value282(282, 'v');
    Sections s = read(kHead + "[" + name15 + "]\n" + name15 + "=" + value282 + "\n");
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].second[0].second.size(), 282u);

    EXPECT_EQ(malformed(kHead + "[A]\n[" + std::string(16, 'N') + "]\n").error,
              CfgParseError::SectionNameTooLong);
    CfgReadResult r =
        malformed(kHead + "[A]\n" + std::string(14, 'K') + "=" + std::string(283, 'v') + "\n");
    EXPECT_EQ(r.error, CfgParseError::ValueTooLong);
    EXPECT_EQ(r.line, 3);
    EXPECT_STREQ(cfgParseErrorText(r.error), "value longer than 282 characters");
    EXPECT_EQ(malformed(kHead + "[A]\n" + std::string(16, 'K') + "=v\n").error,
              CfgParseError::KeyNameTooLong);
    // A long comment line is just a comment.
    EXPECT_EQ(read(kHead + ";" + std::string(5000, 'c') + "\n[A]\n"), (Sections{{"A", {}}}));
    // A section line is judged by its name; what follows "]" is ignored at any length.
    EXPECT_EQ(read(kHead + "[A]" + std::string(400, 'x') + "\n"), (Sections{{"A", {}}}));
}

TEST(Reader, MalformedLinesNameTheLineAndEmptyTheStore) {
    CfgReadResult r = malformed(kHead + ";\n[A]\nK=V\n[BROKEN\n");
    EXPECT_EQ(r.error, CfgParseError::NoClosingBracket);
    EXPECT_EQ(r.line, 5);
    r = malformed(kHead + "[A]\nletters without equals\n");
    EXPECT_EQ(r.error, CfgParseError::NoEquals);
    EXPECT_EQ(r.line, 3);
    r = malformed(kHead + "K=before any section\n[A]\n");
    EXPECT_EQ(r.error, CfgParseError::KeyBeforeSection);
    EXPECT_EQ(r.line, 2);
    // The line number is that of the first physical line of a continued line.
    r = malformed(kHead + "[A]\nK=a\\\nb\\\nc\n" + std::string(16, 'K') + "=x\n");
    EXPECT_EQ(r.line, 6);
    // A NUL byte ends the line as the client's C reader sees it.
    r = malformed(kHead + "[A]\nKEY" + std::string(1, '\0') + "=V\n");
    EXPECT_EQ(r.error, CfgParseError::NoEquals);
    EXPECT_EQ(read(kHead + "[A]\nK=V" + std::string(1, '\0') + "rest\n"),
              (Sections{{"A", {{"K", "V"}}}}));
}

// A file large enough to cross many of the reader's blocks and to be laid out as a large
// store: sections of a few kinds whose keys mostly come in the same order (as the reader
// expects) but now and then differ, names of every length, values around every boundary.
TEST(Reader, FilesOnDisk) {
    CfgStore store;
    CfgReadResult detail;
    EXPECT_EQ(cfgReadFile(store, "/nonexistent/dir/lhntapi.ini", &detail), 1);
    EXPECT_EQ(detail.result, 1);

    std::mt19937 rng(42);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const std::vector<std::string> kinds{"CPIC_INFO", "CLIENT_ATTACH", "S"};
    const std::vector<std::string> names{"SYMB_NAME", "K",  "MODE",  "FIFTEEN_CHARS_X",
                                         "PART_LU",   "AB", "SEC_PW"};
    Sections expected;
    std::string text = kHead;
    while (text.size() < 4'500'000) {
        const std::string& kind = kinds[static_cast<std::size_t>(pick(0, 2))];
        Keys keys;
        int count = pick(0, 9);
        for (int j = 0; j < count; ++j) {
            // Usually the name this place had before; sometimes another one.
            std::size_t at = pick(0, 9) ? static_cast<std::size_t>(j) % names.size()
                                        : static_cast<std::size_t>(pick(0, 6));
            std::string value(static_cast<std::size_t>(pick(0, 3) ? pick(0, 12) : pick(0, 282)),
                              ' ');
            for (char& c : value)
                c = static_cast<char>(pick('0', 'z'));
            if (!value.empty() && value.back() == '\\')
                value.back() = 'x';
            keys.emplace_back(names[at], value);
        }
        text += ";\r\n[" + kind + "]\r\n";
        for (const auto& [k, v] : keys)
            text += k + "=" + v + (pick(0, 4) ? "\r\n" : "\n");
        expected.emplace_back(kind, std::move(keys));
    }
    std::string path = testing::TempDir() + "reader_disk.ini";
    {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_TRUE(f);
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    // Twice from disk (the second read reuses the memory the first one left), then from memory.
    for (int round = 0; round < 2; ++round) {
        cfgClear(store);
        ASSERT_EQ(cfgReadFile(store, path, &detail), 0);
        ASSERT_TRUE(snapshot(store) == expected) << "round " << round;
    }
    ASSERT_EQ(readText(store, text), 0);
    ASSERT_TRUE(snapshot(store) == expected);
    std::remove(path.c_str());
}
