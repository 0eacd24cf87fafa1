// CPI-C side information entries: listing, reading limits, placement of a written entry,
// the password in the store, and the results the main window relies on.
#include "cpic_records.h"
#include "record_fixture.h"

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
        r.secType = 1;
        r.userId = "clerk";
        r.password = "secret";
        return r;
    }
};

TEST_F(CpicRecords, ListingPassesOverANamelessEntryAndReadingCutsAndConverts) {
    load("[CPIC_INFO]|SYMB_NAME=B|[CPIC_INFO]|SYMB_NAME=LONGNAME9|[CPIC_INFO]|MODE=X|"
         "[CPIC_INFO]|SYMB_NAME=LAST");
    std::vector<std::string> list;
    EXPECT_EQ(cpicListEntries(store, list), 0);
    EXPECT_EQ(list, (std::vector<std::string>{"B", "LONGNAME", "LAST"}));
    // A record without a name takes the defaults of a new entry.
    CpicSideInfoRecord r;
    r.remoteTp = "kept";
    r.secType = 5;
    EXPECT_EQ(cpicReadEntry(store, r), 1);
    EXPECT_EQ(r.localLu, "*");
    EXPECT_EQ(r.mode, "BLANK");
    EXPECT_EQ(r.secType, 0);
    EXPECT_EQ(r.remoteTp, "kept");
    // Found past the nameless one: replaced, not added (every family's writer replaces so).
    ASSERT_EQ(write(cpicWriteEntry, entry("LAST")), 1);
    EXPECT_EQ(store.countSections("CPIC_INFO"), 4u);

    // How much of each value is read, and numbers after blanks or with more after them:
    // read_lengths_test.cpp and TpRecords, through the same reader of keys.
    load("[CPIC_INFO]|SYMB_NAME=OTHER|SYMB_NAME=PAY|PLU_TYPE=x1");
    r = CpicSideInfoRecord{};
    r.symbName = "PAY";
    r.password = "untouched";
    EXPECT_EQ(cpicReadEntry(store, r), 1);
    EXPECT_EQ(r.symbName, "OTHER"); // found by any SYMB_NAME, re-read from the first
    EXPECT_EQ(r.pluType, 0);
    EXPECT_EQ(r.password, "untouched"); // no SEC_PW key
    r.symbName = "pay";
    EXPECT_EQ(cpicReadEntry(store, r), 0);
}

TEST_F(CpicRecords, PasswordIsScrambledUpToTenCharacters) {
    auto r = entry("PAY");
    CpicSideInfoRecord back;
    back.symbName = "PAY";
    // Too long to scramble: stored plain, read back as it stands.
    for (const auto& [password, stored] : std::vector<std::pair<std::string, std::string>>{
             {"Pass_word1", scrambledHex("Pass_word1")},
             {"", ""},
             {"ElevenChars", "ElevenChars"}}) {
        r.password = password;
        ASSERT_EQ(write(cpicWriteEntry, r), 1);
        EXPECT_EQ(value("CPIC_INFO", 0, "SEC_PW"), stored);
        ASSERT_EQ(cpicReadEntry(store, back), 1);
        EXPECT_EQ(back.password, password);
    }
}

TEST_F(CpicRecords, WrittenEntryReplacesEverySameNamedEntryAndStandsFirst) {
    load("[CPIC_INFO]|SYMB_NAME=A|[GLOBAL]|[CPIC_INFO]|SYMB_NAME=B|[CPIC_INFO]|SYMB_NAME=A");
    ASSERT_EQ(write(cpicWriteEntry, entry("A")), 1);
    EXPECT_EQ(listed(cpicListEntries), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(layout(), "GLOBAL CPIC_INFO CPIC_INFO");
    EXPECT_EQ(keys(1), "SYMB_NAME=A|LOCAL_LU=*|PART_LU=NETA.HOSTLU|MODE=#INTER|REMOTE_TP=PayTp|"
                       "SEC_TYPE=1|TP_TYPE=0|SEC_PW=" +
                           scrambledHex("secret") + "|SEC_USERID=clerk|PLU_TYPE=1");
    // A changed name (letter case included) is a new entry; the old one stays.
    ASSERT_EQ(write(cpicWriteEntry, entry("a")), 1);
    EXPECT_EQ(listed(cpicListEntries), (std::vector<std::string>{"a", "A", "B"}));

    load("[GLOBAL]|[TRACE]");
    ASSERT_EQ(write(cpicWriteEntry, entry("A")), 1);
    EXPECT_EQ(layout(), "GLOBAL TRACE CPIC_INFO");
}

TEST_F(CpicRecords, FailuresLeaveTheStoreAndDeleteReportsWhatItDid) {
    load("[CPIC_INFO]|SYMB_NAME=PAY|MODE=1|[CPIC_INFO]|SYMB_NAME=PAYROLL12|"
         "[CPIC_INFO]|SYMB_NAME=PAY|MODE=2");
    const auto before = testing_support::snapshot(store);
    auto r = entry("PAY");
    r.mode = "bad mode";
    EXPECT_EQ(write(cpicWriteEntry, r), 0);
    EXPECT_EQ(flag, 256);
    EXPECT_EQ(code, ErrorCode::ModeName);
    // The list shows PAYROLL12 cut to eight characters; no section holds the cut name, so
    // writing it cannot replace anything: a store failure, with the file kept as it was.
    EXPECT_EQ(write(cpicWriteEntry, entry("PAYROLL1")), 0);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(code, ErrorCode::Store);
    EXPECT_EQ(cpicDeleteEntry(store, "pay"), 0);
    EXPECT_EQ(testing_support::snapshot(store), before);

    EXPECT_EQ(cpicDeleteEntry(store, "PAY"), 1);
    EXPECT_EQ(value("CPIC_INFO", 1, "MODE"), "2");
    EXPECT_EQ(store.sectionCount(), 2u);
}

} // namespace
