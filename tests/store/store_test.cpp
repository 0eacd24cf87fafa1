#include "cfg_store.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

using namespace testing_support;

TEST(Store, EmptyStoreAnswersEveryLookupWithItsFailureCode) {
    CfgStore store;
    int occ = -1;
    EXPECT_EQ(cfgNextSection(store, occ, "A"), 1);
    EXPECT_EQ(occ, -1);
    int keyOcc = -1;
    std::string value = "junk";
    EXPECT_EQ(cfgGetValue(store, 0, "A", keyOcc, "K", value, 10), 1);
    EXPECT_EQ(value, "");
    EXPECT_EQ(cfgInsertKey(store, 0, "A", 0, "K", "V"), 1);
    EXPECT_EQ(cfgFindSectionByValue(store, occ, "A", "K", "V"), 1);
    EXPECT_EQ(occ, -1);
    EXPECT_EQ(cfgDeleteSection(store, 0, "A"), 1);
    EXPECT_EQ(cfgAddSection(store, -1, "A"), 1);
    EXPECT_TRUE(store.empty());
}

TEST(Store, AddSectionPlacesBeforeTheOccurrenceOrAtTheEnd) {
    CfgStore store;
    fill(store, {{"A", {{"n", "a0"}}}, {"B", {}}, {"A", {{"n", "a1"}}}});
    ASSERT_EQ(cfgAddSection(store, 1, "A"), 0);
    EXPECT_EQ(order(store), (std::vector<std::string>{"A", "B", "A", "A"}));
    int keyOcc = -1;
    std::string v;
    EXPECT_EQ(cfgGetValue(store, 2, "A", keyOcc, "n", v, 10), 0);
    EXPECT_EQ(v, "a1"); // the old second A moved up to index 2
    EXPECT_EQ(cfgAddSection(store, 3, "A"), 0);
    EXPECT_EQ(cfgAddSection(store, 9, "B"), 0);
    EXPECT_EQ(order(store), (std::vector<std::string>{"A", "B", "A", "A", "A", "B"}));
    EXPECT_EQ(cfgAddSection(store, 0, "C"), 0); // new name: to the very end
    EXPECT_EQ(order(store).back(), "C");
    // Names are compared exactly.
    int occ = -1;
    EXPECT_EQ(cfgNextSection(store, occ, "a"), 1);
}

TEST(Store, DeleteMendsTheEndsAndShiftsLaterOccurrences) {
    CfgStore store;
    fill(store, {{"A", {}}, {"B", {{"k", "1"}}}, {"A", {{"k", "2"}}}});
    EXPECT_EQ(cfgDeleteSection(store, 0, "A"), 0);
    EXPECT_EQ(order(store), (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(cfgDeleteSection(store, 1, "A"), 1);
    EXPECT_EQ(cfgDeleteSection(store, 0, "A"), 0);
    EXPECT_EQ(order(store), (std::vector<std::string>{"B"}));
    EXPECT_EQ(cfgAddSection(store, 0, "Z"), 0);
    EXPECT_EQ(order(store), (std::vector<std::string>{"B", "Z"}));
    EXPECT_EQ(cfgDeleteSection(store, 0, "B"), 0);
    EXPECT_EQ(cfgDeleteSection(store, 0, "Z"), 0);
    EXPECT_TRUE(store.empty());
    EXPECT_EQ(cfgAddSection(store, 0, "N"), 0);
    EXPECT_EQ(order(store), (std::vector<std::string>{"N"}));
}

TEST(Store, KeysReadInsertAndDeleteByOccurrence) {
    CfgStore store;
    fill(store, {{"APPC", {{"SERVER", "s1"}, {"EMPTY", ""}, {"SERVER", "s2"}, {"SERVER", "s3"}}}});
    std::string v;
    int k = -1;
    std::vector<std::string> servers;
    while (cfgGetValue(store, 0, "APPC", k, "SERVER", v, 76) == 0)
        servers.push_back(v);
    EXPECT_EQ(servers, (std::vector<std::string>{"s1", "s2", "s3"}));
    EXPECT_EQ(k, 2);
    k = -1;
    EXPECT_EQ(cfgGetValue(store, 0, "APPC", k, "EMPTY", v, 76), 0);
    EXPECT_EQ(v, "");
    k = -1;
    EXPECT_EQ(cfgGetValue(store, 0, "APPC", k, "MISSING", v, 76), 2);
    k = -1;
    EXPECT_EQ(cfgGetValue(store, 0, "APPC", k, "SERVER", v, 1), 0);
    EXPECT_EQ(v, "s");

    EXPECT_EQ(cfgInsertKey(store, 0, "APPC", 0, "SERVER", "new0"), 0);
    EXPECT_EQ(cfgInsertKey(store, 0, "APPC", 2, "SERVER", "new2"), 0);
    EXPECT_EQ(cfgInsertKey(store, 0, "APPC", 9, "SERVER", "end"), 2);
    EXPECT_EQ(cfgInsertKey(store, 1, "APPC", 0, "SERVER", "x"), 1);
    Keys expected{{"SERVER", "new0"}, {"SERVER", "s1"}, {"EMPTY", ""},    {"SERVER", "new2"},
                  {"SERVER", "s2"},   {"SERVER", "s3"}, {"SERVER", "end"}};
    EXPECT_EQ(snapshot(store)[0].second, expected);

    EXPECT_EQ(cfgDeleteKey(store, 0, "APPC", 6, "SERVER"), 2);
    EXPECT_EQ(cfgDeleteKey(store, 0, "APPC", 5, "SERVER"), 0); // the last key
    EXPECT_EQ(cfgDeleteKey(store, 0, "APPC", 0, "SERVER"), 0); // the first key
    EXPECT_EQ(cfgDeleteKey(store, 0, "NONE", 0, "SERVER"), 1);
    EXPECT_EQ(cfgInsertKey(store, 0, "APPC", 9, "TAIL", "t"), 2); // appended after the new last
    Keys after{{"SERVER", "s1"}, {"EMPTY", ""},    {"SERVER", "new2"},
               {"SERVER", "s2"}, {"SERVER", "s3"}, {"TAIL", "t"}};
    EXPECT_EQ(snapshot(store)[0].second, after);
}

TEST(Store, FindSectionByValueAndFindSectionRules) {
    CfgStore store;
    fill(store, {{"CPIC_INFO", {{"SYMB_NAME", "ONE"}}},
                 {"X", {}},
                 {"CPIC_INFO", {{"OTHER", "TWO"}, {"SYMB_NAME", "TWO"}}}});
    int occ = 7;
    EXPECT_EQ(cfgFindSectionByValue(store, occ, "CPIC_INFO", "SYMB_NAME", "TWO"), 0);
    EXPECT_EQ(occ, 1);
    EXPECT_EQ(cfgFindSectionByValue(store, occ, "CPIC_INFO", "SYMB_NAME", "two"), 2);
    EXPECT_EQ(occ, -1);
    EXPECT_EQ(cfgFindSectionByValue(store, occ, "CPIC_INFO", "NOKEY", "TWO"), 2);
    EXPECT_EQ(cfgFindSectionByValue(store, occ, "NOSECTION", "SYMB_NAME", "TWO"), 1);

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
