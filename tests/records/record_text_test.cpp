// Number conversion and comma pieces as the record readers use them.
#include "record_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(DecimalValue, LeadingDigitsAsTheClientsRuntimeReadsThem) {
    EXPECT_EQ(records::decimalValue("7"), 7);
    EXPECT_EQ(records::decimalValue("12abc"), 12);
    EXPECT_EQ(records::decimalValue("  \t-5"), -5);
    EXPECT_EQ(records::decimalValue("+3"), 3);
    EXPECT_EQ(records::decimalValue(""), 0);
    EXPECT_EQ(records::decimalValue("x1"), 0);
    EXPECT_EQ(records::decimalValue("- 1"), 0);
    EXPECT_EQ(records::decimalValue("--1"), 0);
    EXPECT_EQ(records::decimalValue("2147483647"), INT_MAX);
    EXPECT_EQ(records::decimalValue(std::string(400, '9')), INT_MAX);
    EXPECT_EQ(records::decimalValue("-" + std::string(400, '9')), INT_MIN);
}

TEST(CommaPieces, RunsOfCommasAreOneSeparator) {
    using V = std::vector<std::string>;
    EXPECT_EQ(records::commaPieces("a,b,c"), (V{"a", "b", "c"}));
    EXPECT_EQ(records::commaPieces(",,a,,b,"), (V{"a", "b"}));
    EXPECT_EQ(records::commaPieces(",,,"), V{});
    EXPECT_EQ(records::commaPieces(""), V{});
    EXPECT_EQ(records::commaPieces(" a , b"), (V{" a ", " b"}));
}

} // namespace
