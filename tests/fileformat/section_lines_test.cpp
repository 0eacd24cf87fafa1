// The lines check names: each section line where the reader finds it, through header,
// comments, continued lines, CR LF and byte 255 alike; as many lines as sections read.
#include "cfg_file.h"
#include "cfg_lines.h"
#include "cfg_store.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

TEST(SectionLines, EachSectionLineIsFoundWhereTheReaderFindsItsSection) {
    struct Case {
        const char* what;
        std::string text;
        std::vector<long> lines;
    };
    const std::vector<Case> cases{
        {"header, comments and blank lines", "[HEADER]\n;\n[A]\nK=v\n\n ;x\n[B]\n", {3, 7}},
        {"CR LF line ends", "h\r\n[A]\r\nK=v\r\n[B]\r\n", {2, 4}},
        {"a key continued over two lines", "h\n[A]\nK=a\\\nb\n[B]\n", {2, 5}},
        {"a continued line that looks like a section", "h\n[A]\nK=a\\\n[B]\n[C]\n", {2, 5}},
        {"a section line continued", "h\n[A\\\nB]\n[C]\n", {2, 4}},
        {"a continued header", "h\\\n[A]\n[B]\n", {3}},
        {"an indented section line is a comment", "h\n [A]\n[B]\n", {3}},
        {"byte 255 ends the input", std::string("h\n[A]\n\xFF[B]\n[C]\n"), {2}},
        {"no line end at the end", "h\n[A]\n[B]", {2, 3}},
        {"a section line continued into the end", "h\n[A]\n[B]\\\n", {2, 3}},
    };
    for (const Case& c : cases) {
        CfgStore store;
        ASSERT_EQ(testing_support::readText(store, c.text), 0) << c.what;
        EXPECT_EQ(cfgSectionLines(c.text), c.lines) << c.what;
        EXPECT_EQ(c.lines.size(), store.sectionCount()) << c.what;
    }
}
