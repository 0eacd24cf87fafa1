// The unified difference: hand-checked hunks against diff -u, and random edits whose
// difference, applied to the first text by patch, gives the second.
#include "test_helpers.h"
#include "unified_diff.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

struct DiffCase {
    const char* before;
    const char* after;
    const char* hunks; // what diff -u prints after its two header lines
};

TEST(UnifiedDiff, HunksAreThoseOfDiffU) {
    const DiffCase cases[] = {
        {"a\nb\n", "a\nb\n", ""},
        {"a\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl\n", "a\nB\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl\nm",
         "@@ -1,5 +1,5 @@\n a\n-b\n+B\n c\n d\n e\n"
         "@@ -10,3 +10,4 @@\n j\n k\n l\n+m\n\\ No newline at end of file\n"},
        {"x\n", "", "@@ -1 +0,0 @@\n-x\n"},
        {"", "x\n", "@@ -0,0 +1 @@\n+x\n"},
        // Six kept lines between two changes still make one hunk.
        {"a\nb\nc\nd\ne\nf\ng\nh\ni\nj\n", "a\nb\nc\nX\ne\nf\ng\nh\nY\nj\n",
         "@@ -1,10 +1,10 @@\n a\n b\n c\n-d\n+X\n e\n f\n g\n h\n-i\n+Y\n j\n"},
        // Line ends are part of a line; so is the last line feed.
        {"a\r\nb\r\n", "a\nb",
         "@@ -1,2 +1,2 @@\n-a\r\n-b\r\n+a\n+b\n\\ No newline at end of file\n"},
        {"a\nb", "a\nb\n", "@@ -1,2 +1,2 @@\n a\n-b\n\\ No newline at end of file\n+b\n"},
    };
    for (const DiffCase& c : cases) {
        const std::string hunks = c.hunks;
        EXPECT_EQ(unifiedDiff(c.before, c.after, "old", "new"),
                  hunks.empty() ? "" : "--- old\n+++ new\n" + hunks)
            << c.before << "->" << c.after;
    }
}

// What patch makes of text and a unified difference.
std::string patched(const std::string& text, const std::string& diff) {
    const std::string dir = ::testing::TempDir();
    std::ofstream(dir + "/before", std::ios::binary) << text;
    std::ofstream(dir + "/diff", std::ios::binary) << diff;
    const std::string command =
        "patch -s -o '" + dir + "/after' '" + dir + "/before' < '" + dir + "/diff' >/dev/null 2>&1";
    std::remove((dir + "/after").c_str());
    if (std::system(command.c_str()) != 0)
        return "patch refused the difference";
    return testing_support::slurp(dir + "/after");
}

TEST(UnifiedDiff, RandomEditsApplyBack) {
    std::mt19937 random(7);
    for (int round = 0; round < 100; ++round) {
        std::vector<std::string> a;
        const int n = static_cast<int>(random() % 30);
        for (int i = 0; i < n; ++i)
            a.push_back(std::string(1, static_cast<char>('a' + random() % 4)));
        std::vector<std::string> b = a;
        for (int edits = static_cast<int>(random() % 5); edits > 0; --edits) {
            const std::size_t at = b.empty() ? 0 : random() % b.size();
            if (random() % 2 && !b.empty())
                b.erase(b.begin() + static_cast<long>(at));
            else
                b.insert(b.begin() + static_cast<long>(at), std::string(1, 'x'));
        }
        auto join = [&](const std::vector<std::string>& v) {
            std::string s;
            for (const std::string& l : v)
                s += l + "\n";
            if (!s.empty() && random() % 4 == 0)
                s.pop_back(); // now and then without the last line feed
            return s;
        };
        const std::string before = join(a), after = join(b);
        const std::string diff = unifiedDiff(before, after, "a", "b");
        EXPECT_EQ(diff.empty(), before == after);
        EXPECT_EQ(diff.empty() ? before : patched(before, diff), after) << before << "\n--\n"
                                                                        << diff;
    }
}

} // namespace
