// CPI-C side information entries: listing, reading limits, placement of a written entry,
// the password in the store, and the results the main window relies on.
#include "cpic_records.h"
#include "record_fixture.h"

using namespace testing_support;

namespace {

class CpicRecords : public RecordTest {
protected:
    static CpicSideInfoRecord entry(const std::string& name) {
        CpicSideInfoRecord r;
        r.symbName = name;
        r.localLu = "*";
        r.partnerLu = "NETA.HOSTLU";
        r.pluType = 1;
        r.mode = "#INTER";
        r.remoteTp = "PayTp";
        r.secType = 2;
        r.userId = "clerk";
        r.password = "secret";
        return r;
    }
    int write(const CpicSideInfoRecord& r) {
        flag = code = 0;
        return cpicWriteEntry(store, r, flag, code);
    }
    int flag = 0, code = 0;
};

TEST_F(CpicRecords, ListsNamesInDocumentOrderAndStopsAtANamelessEntry) {
    fill(store, {{"CPIC_INFO", {{"SYMB_NAME", "B"}}},
                 {"GLOBAL", {}},
                 {"CPIC_INFO", {{"SYMB_NAME", "LONGNAME9"}}},
                 {"CPIC_INFO", {{"SYMB_NAME", "B"}}},
                 {"CPIC_INFO", {{"MODE", "X"}}},
                 {"CPIC_INFO", {{"SYMB_NAME", "LAST"}}}});
    std::vector<std::string> list;
    EXPECT_EQ(cpicListEntries(store, list), 0);
    EXPECT_EQ(list, (std::vector<std::string>{"B", "LONGNAME", "B"}));

    CfgStore empty;
    list.clear();
    EXPECT_EQ(cpicListEntries(empty, list), 1);
    EXPECT_TRUE(list.empty());
}

TEST_F(CpicRecords, NewEntryGetsDefaultsWithoutReadingTheStore) {
    fill(store, {{"CPIC_INFO", {{"SYMB_NAME", ""}, {"MODE", "FROMFILE"}}}});
    CpicSideInfoRecord r;
    r.remoteTp = "kept";
    r.localLu = "X";
    r.secType = 5;
    EXPECT_EQ(cpicReadEntry(store, r), 1);
    EXPECT_EQ(r.localLu, "*");
    EXPECT_EQ(r.mode, "BLANK");
    EXPECT_EQ(r.partnerLu, "");
    EXPECT_EQ(r.secType, 0);
    EXPECT_EQ(r.tpType, 0);
    EXPECT_EQ(r.pluType, 0);
    EXPECT_EQ(r.remoteTp, "kept");
}

TEST_F(CpicRecords, ReadingCutsValuesAndConvertsLeadingDigits) {
    std::string tp65(65, 't');
    fill(store, {{"CPIC_INFO",
                  {{"SYMB_NAME", "OTHER"},
                   {"SYMB_NAME", "PAY"},
                   {"LOCAL_LU", "LOCALLU12"},
                   {"PART_LU", "NETWORK1.LUNAME01XYZ"},
                   {"MODE", "#INTER"},
                   {"REMOTE_TP", tp65 + "extra"},
                   {"SEC_TYPE", "  2 and more"},
                   {"TP_TYPE", "12"},
                   {"SEC_USERID", "user1234567"},
                   {"PLU_TYPE", "x1"}}}});
    CpicSideInfoRecord r;
    r.symbName = "PAY";
    r.password = "untouched";
    EXPECT_EQ(cpicReadEntry(store, r), 1);
    EXPECT_EQ(r.symbName, "OTHER"); // found by any SYMB_NAME, re-read from the first
    EXPECT_EQ(r.localLu, "LOCALLU1");
    EXPECT_EQ(r.partnerLu, "NETWORK1.LUNAME01");
    EXPECT_EQ(r.remoteTp, tp65);
    EXPECT_EQ(r.secType, 2);
    EXPECT_EQ(r.tpType, 1); // one character read
    EXPECT_EQ(r.pluType, 0);
    EXPECT_EQ(r.userId, "user123456");
    EXPECT_EQ(r.password, "untouched"); // no SEC_PW key

    CpicSideInfoRecord wrongCase;
    wrongCase.symbName = "pay";
    wrongCase.mode = "same";
    EXPECT_EQ(cpicReadEntry(store, wrongCase), 0);
    EXPECT_EQ(wrongCase.mode, "same");
}

TEST_F(CpicRecords, PasswordIsScrambledUpToTenCharactersAndReadBackAsStored) {
    auto r = entry("PAY");
    r.password = "Pass_word1";
    ASSERT_EQ(write(r), 1);
    EXPECT_EQ(value("CPIC_INFO", 0, "SEC_PW"), scrambledHex("Pass_word1"));
    CpicSideInfoRecord back;
    back.symbName = "PAY";
    ASSERT_EQ(cpicReadEntry(store, back), 1);
    EXPECT_EQ(back.password, "Pass_word1");

    r.password = "";
    ASSERT_EQ(write(r), 1);
    EXPECT_EQ(value("CPIC_INFO", 0, "SEC_PW"), "");

    // Eleven characters cannot be scrambled: stored plain, and read back as they stand.
    r.secType = 0;
    r.password = "ElevenChars";
    ASSERT_EQ(write(r), 1);
    EXPECT_EQ(value("CPIC_INFO", 0, "SEC_PW"), "ElevenChars");
    ASSERT_EQ(cpicReadEntry(store, back), 1);
    EXPECT_EQ(back.password, "ElevenChars");

    cfgClear(store);
    fill(store, {{"CPIC_INFO", {{"SYMB_NAME", "PAY"}, {"SEC_PW", "7b3e"}}}});
    ASSERT_EQ(cpicReadEntry(store, back), 1);
    EXPECT_EQ(back.password, "7b3e");
}

TEST_F(CpicRecords, WrittenEntryHasTenKeysInFileOrderUnpadded) {
    auto r = entry("PAY");
    r.tpType = 0;
    r.secType = 1;
    r.pluType = 1;
    ASSERT_EQ(write(r), 1);
    Sections expected = {{"CPIC_INFO",
                          {{"SYMB_NAME", "PAY"},
                           {"LOCAL_LU", "*"},
                           {"PART_LU", "NETA.HOSTLU"},
                           {"MODE", "#INTER"},
                           {"REMOTE_TP", "PayTp"},
                           {"SEC_TYPE", "1"},
                           {"TP_TYPE", "0"},
                           {"SEC_PW", scrambledHex("secret")},
                           {"SEC_USERID", "clerk"},
                           {"PLU_TYPE", "1"}}}};
    EXPECT_EQ(snapshot(store), expected);
}

TEST_F(CpicRecords, WrittenEntryGoesBeforeTheFirstRemainingEntryOrToTheEnd) {
    fill(store, {{"GLOBAL", {}}, {"TRACE", {}}});
    ASSERT_EQ(write(entry("A")), 1);
    EXPECT_EQ(order(store), (std::vector<std::string>{"GLOBAL", "TRACE", "CPIC_INFO"}));

    cfgClear(store);
    fill(store, {{"CPIC_INFO", {{"SYMB_NAME", "A"}}},
                 {"GLOBAL", {}},
                 {"CPIC_INFO", {{"SYMB_NAME", "B"}}},
                 {"CPIC_INFO", {{"SYMB_NAME", "A"}}},
                 {"TRACE", {}}});
    // Both sections named A go; the new A stands first, before B.
    ASSERT_EQ(write(entry("A")), 1);
    std::vector<std::string> list;
    cpicListEntries(store, list);
    EXPECT_EQ(list, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(order(store),
              (std::vector<std::string>{"GLOBAL", "CPIC_INFO", "CPIC_INFO", "TRACE"}));

    // A changed name is a new entry: the old one stays.
    ASSERT_EQ(write(entry("C")), 1);
    list.clear();
    cpicListEntries(store, list);
    EXPECT_EQ(list, (std::vector<std::string>{"C", "A", "B"}));
    // Names are compared exactly.
    ASSERT_EQ(write(entry("c")), 1);
    list.clear();
    cpicListEntries(store, list);
    EXPECT_EQ(list, (std::vector<std::string>{"c", "C", "A", "B"}));
}

TEST_F(CpicRecords, RefusedEntryLeavesTheStoreAsItWas) {
    fill(store, {{"CPIC_INFO", {{"SYMB_NAME", "PAY"}, {"MODE", "OLD"}}}});
    Sections before = snapshot(store);
    auto r = entry("PAY");
    r.mode = "bad mode";
    EXPECT_EQ(write(r), 0);
    EXPECT_EQ(flag, 256);
    EXPECT_EQ(code, 56);
    EXPECT_EQ(snapshot(store), before);
}

TEST_F(CpicRecords, NameCutOnListingIsNotTakenForTheLongerNameInTheFile) {
    // The list shows SYMB_NAME cut to eight characters; writing that name finds no
    // section holding it exactly, so the write fails as a store failure and keeps the file.
    fill(store, {{"CPIC_INFO", {{"SYMB_NAME", "PAYROLL12"}}}});
    Sections before = snapshot(store);
    EXPECT_EQ(write(entry("PAYROLL1")), 0);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(code, 66);
    EXPECT_EQ(snapshot(store), before);
}

TEST_F(CpicRecords, DeleteReportsWhetherAnEntryWasRemoved) {
    fill(store, {{"CPIC_INFO", {{"SYMB_NAME", "A"}, {"MODE", "1"}}},
                 {"CPIC_INFO", {{"SYMB_NAME", "A"}, {"MODE", "2"}}}});
    Sections before = snapshot(store);
    EXPECT_EQ(cpicDeleteEntry(store, "a"), 0);
    EXPECT_EQ(cpicDeleteEntry(store, "B"), 0);
    EXPECT_EQ(snapshot(store), before);
    EXPECT_EQ(cpicDeleteEntry(store, "A"), 1);
    EXPECT_EQ(value("CPIC_INFO", 0, "MODE"), "2");
    EXPECT_EQ(store.sectionCount(), 1u);
}

} // namespace
