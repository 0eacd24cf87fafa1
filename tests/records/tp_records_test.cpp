// Attach transaction programs: the same pattern as the side information entries, with
// their own limits, defaults, key order and delete result.
#include "record_fixture.h"
#include "tp_records.h"

using namespace testing_support;

namespace {

class TpRecords : public RecordTest {
protected:
    static AttachTpRecord program(const std::string& name) {
        AttachTpRecord r;
        r.tpName = name;
        r.luName = "*";
        r.path = "C:\\APPS\\PAY.EXE";
        r.parmString = "-q";
        return r;
    }
    int write(const AttachTpRecord& r) {
        flag = code = 0;
        return tpWriteEntry(store, r, flag, code);
    }
    int flag = 0, code = 0;
};

TEST_F(TpRecords, ListingAndReadingCutTheTpNameTo65) {
    std::string name(70, 'T');
    fill(store, {{"CLIENT_ATTACH", {{"TP_NAME", name}, {"LU_NAME", "LOCALLU12"}}},
                 {"CLIENT_ATTACH", {{"PATH", "x"}}},
                 {"CLIENT_ATTACH", {{"TP_NAME", "AFTER"}}}});
    std::vector<std::string> list;
    EXPECT_EQ(tpListEntries(store, list), 0);
    EXPECT_EQ(list, (std::vector<std::string>{name.substr(0, 65)}));

    AttachTpRecord r;
    r.tpName = name;
    ASSERT_EQ(tpReadEntry(store, r), 1);
    EXPECT_EQ(r.tpName, name.substr(0, 65));
    EXPECT_EQ(r.luName, "LOCALLU1");

    // Found only by the whole stored value.
    AttachTpRecord cut;
    cut.tpName = name.substr(0, 65);
    EXPECT_EQ(tpReadEntry(store, cut), 0);
}

TEST_F(TpRecords, NewProgramDefaultsAndNumbersReadFromLeadingDigits) {
    AttachTpRecord r;
    r.path = "kept";
    r.tpOp = 1;
    r.tpType = 1;
    ASSERT_EQ(tpReadEntry(store, r), 1);
    EXPECT_EQ(r.luName, "*");
    EXPECT_EQ(r.tpOp, 0);
    EXPECT_EQ(r.tpType, 0);
    EXPECT_EQ(r.path, "kept");

    fill(store, {{"CLIENT_ATTACH",
                  {{"TP_NAME", "PAY"}, {"TP_OP", "7"}, {"TP_TYPE", "1x"}, {"PATH", "p"}}}});
    r = {};
    r.tpName = "PAY";
    r.parmString = "kept";
    ASSERT_EQ(tpReadEntry(store, r), 1);
    EXPECT_EQ(r.tpOp, 7);
    EXPECT_EQ(r.tpType, 1);
    EXPECT_EQ(r.parmString, "kept");
    // A TP_OP the editor never offers is written back as it was read.
    r.tpType = 0;
    ASSERT_EQ(write(r), 1);
    EXPECT_EQ(value("CLIENT_ATTACH", 0, "TP_OP"), "7");
}

TEST_F(TpRecords, WrittenProgramHasSixKeysAndStandsFirst) {
    fill(store, {{"CLIENT_ATTACH", {{"TP_NAME", "OTHER"}}},
                 {"GLOBAL", {}},
                 {"CLIENT_ATTACH", {{"TP_NAME", "PAY"}}}});
    auto r = program("PAY");
    r.tpOp = 1;
    ASSERT_EQ(write(r), 1);
    Sections got = snapshot(store);
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0], (std::pair<std::string, Keys>{"CLIENT_ATTACH",
                                                    {{"TP_NAME", "PAY"},
                                                     {"LU_NAME", "*"},
                                                     {"PATH", "C:\\APPS\\PAY.EXE"},
                                                     {"PARM_STRING", "-q"},
                                                     {"TP_OP", "1"},
                                                     {"TP_TYPE", "0"}}}));
    EXPECT_EQ(value("CLIENT_ATTACH", 1, "TP_NAME"), "OTHER");
    EXPECT_EQ(got[2].first, "GLOBAL");

    // Renaming keeps the old program.
    ASSERT_EQ(write(program("PAY2")), 1);
    std::vector<std::string> list;
    tpListEntries(store, list);
    EXPECT_EQ(list, (std::vector<std::string>{"PAY2", "PAY", "OTHER"}));
}

TEST_F(TpRecords, ChecksComeBeforeAnyChange) {
    fill(store, {{"CLIENT_ATTACH", {{"TP_NAME", "PAY"}}}});
    Sections before = snapshot(store);
    auto r = program("9PAY");
    r.path = "";
    EXPECT_EQ(write(r), 0);
    EXPECT_EQ(code, 40);
    EXPECT_EQ(flag, 256);
    r.tpName = "PAY";
    EXPECT_EQ(write(r), 0);
    EXPECT_EQ(code, 46);
    EXPECT_EQ(snapshot(store), before);
    r.tpOp = 1; // not dynamically loaded: no path needed
    EXPECT_EQ(write(r), 1);
}

TEST_F(TpRecords, DeleteAlwaysSucceeds) {
    fill(store, {{"CLIENT_ATTACH", {{"TP_NAME", "PAY"}}}});
    EXPECT_EQ(tpDeleteEntry(store, "NONE"), 1);
    EXPECT_EQ(store.sectionCount(), 1u);
    EXPECT_EQ(tpDeleteEntry(store, "PAY"), 1);
    EXPECT_TRUE(store.empty());
}

} // namespace
