#include "cfg_store.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

using namespace testing_support;

// Finding a section by a key's value: the model test's plain walk, and the records' readers
// for the letter case of names (CpicRecords finds no "pay" for PAY).
TEST(Store, FindSectionAndFindKeyRulesAndClear) {
    CfgStore store;
    fill(store, {{"CPIC_INFO", {{"SYMB_NAME", "ONE"}}},
                 {"X", {}},
                 {"CPIC_INFO", {{"OTHER", "TWO"}, {"SYMB_NAME", "TWO"}}}});
    const CfgSection* exact = cfgFindSection(store, 1, 1, "CPIC_INFO");
    const CfgSection* next = cfgFindSection(store, 0, 0, "CPIC_INFO");
    ASSERT_NE(exact, nullptr);
    EXPECT_EQ(exact, next);
    EXPECT_EQ(cfgFindSection(store, 1, -1, "CPIC_INFO"), nullptr);
    EXPECT_NE(cfgFindSection(store, 0, -1, "CPIC_INFO"), nullptr);
    EXPECT_EQ(cfgFindSection(store, 0, 1, "CPIC_INFO"), nullptr);
    const CfgKey* key = cfgFindKey(store, exact, 0, -1, "SYMB_NAME");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->value, "TWO");
    EXPECT_EQ(cfgFindKey(store, exact, 1, 1, "SYMB_NAME"), nullptr);

    cfgClear(store);
    EXPECT_TRUE(store.empty());
    EXPECT_FALSE(store.endOfInput);
}
