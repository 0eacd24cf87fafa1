// Midrange systems and their common settings: the default mark read from one character,
// the last marked system winning, and the write that keeps a system's mark.
#include "midrange_records.h"
#include "record_fixture.h"
#include "record_rename.h"

namespace {

class MidrangeRecords : public RecordTest {
protected:
    int writeSystem(const std::string& host, const std::string& password = "pw") {
        return write(midrangeWriteSystem, host, "clerk", password);
    }
    int writeCommon(const std::string& mode, const std::string& user = "") {
        return write(midrangeWriteCommon, "LOCALLU", mode, user, "secret");
    }
    std::string defaultName() {
        std::vector<std::string> names;
        std::string def;
        EXPECT_EQ(midrangeListSystems(store, names, def), 1);
        return def;
    }
};

// The records list's one midrange entry, or none: ListCommand.
TEST_F(MidrangeRecords, ListingAndTheDefaultMark) {
    std::vector<std::string> names;
    std::string def;
    load("[NODEX_SYSTEM]|HOST_NAME=SYS1|DEFAULT=10|[NODEX_SYSTEM]|HOST_NAME=SYS2|DEFAULT= 1|"
         "[NODEX_SYSTEM]|HOST_NAME=SYS3LONGX|DEFAULT=1|[NODEX_SYSTEM]|USER_NAME=nameless|"
         "[NODEX_SYSTEM]|HOST_NAME=SYS5|DEFAULT=1");
    EXPECT_EQ(midrangeListSystems(store, names, def), 0);
    EXPECT_EQ(names, (std::vector<std::string>{"SYS1", "SYS2", "SYS3LONG", "SYS5"}));
    EXPECT_EQ(def, "SYS5"); // "10" marks, " 1" does not, the later mark wins
}

// Rename refuses what the record checks refuse: no name, a host name with blanks at its ends.
TEST_F(MidrangeRecords, RenameRefusesTheNamesTheChecksRefuse) {
    load("[NODEX_SYSTEM]|HOST_NAME=SYS1|[CLIENT_ATTACH]|TP_NAME=TP1|TP_TYPE=2");
    RecordRefusal refusal;
    for (const char* name : {"", " AS1", "AS1 "}) {
        EXPECT_EQ(renameRecord(store, RecordFamily::MidrangeSystem, 0, name, refusal),
                  RenameResult::Refused)
            << '"' << name << '"';
        EXPECT_EQ(refusal.code, ErrorCode::HostName);
    }
    EXPECT_EQ(renameRecord(store, RecordFamily::Tp, 0, "", refusal), RenameResult::Refused);
    EXPECT_EQ(refusal.code, ErrorCode::AppTpName);
    EXPECT_EQ(renameRecord(store, RecordFamily::MidrangeSystem, 0, "AS1", refusal),
              RenameResult::Renamed);
}

TEST_F(MidrangeRecords, WrittenSystemStandsFirstAndKeepsItsMark) {
    load("[NODEX_SYSTEM]|HOST_NAME=OTHER|DEFAULT=0|[NODEX_SYSTEM]|HOST_NAME=HOSTX|DEFAULT=1|"
         "[TRACE]");
    const auto before = testing_support::snapshot(store);
    EXPECT_EQ(writeSystem("HOSTX", "Pass!0wrd9"), 0);
    EXPECT_EQ(code, ErrorCode::HostPassword);
    EXPECT_EQ(testing_support::snapshot(store), before);

    ASSERT_EQ(writeSystem("HOSTX", "Pass_0wrd9"), 1);
    EXPECT_EQ(layout(), "NODEX_SYSTEM NODEX_SYSTEM TRACE");
    EXPECT_EQ(keys(0), "HOST_NAME=HOSTX|USER_NAME=clerk|PASSWORD=" + scrambledHex("Pass_0wrd9") +
                           "|DEFAULT=1");
    MidrangeSystemRecord r;
    r.hostName = "HOSTX";
    ASSERT_EQ(midrangeReadSystem(store, r), 1);
    EXPECT_EQ(r.password, "Pass_0wrd9");
    EXPECT_EQ(r.defaultFlag, "1");

    ASSERT_EQ(writeSystem("NEW", ""), 1);
    EXPECT_EQ(keys(0), "HOST_NAME=NEW|USER_NAME=clerk|PASSWORD=|DEFAULT=0");
}

// Moving the mark from one system to another: PutCommand's test of DEFAULT.
TEST_F(MidrangeRecords, MarkingAnUnknownSystemDeletingTheDefaultAndRepeatedDefaultKeys) {
    load("[NODEX_SYSTEM]|HOST_NAME=SYS1|DEFAULT=0|[NODEX_SYSTEM]|HOST_NAME=SYS2|DEFAULT=1");
    const auto before = testing_support::snapshot(store);
    EXPECT_EQ(midrangeMarkDefault(store, "NONE", "1"), 1);
    EXPECT_EQ(testing_support::snapshot(store), before);
    EXPECT_EQ(midrangeDeleteSystem(store, "SYS2"), 1);
    EXPECT_EQ(defaultName(), "");
    EXPECT_EQ(midrangeDeleteSystem(store, "SYS2"), 1);

    // The new mark replaces the first DEFAULT key and goes to the end of the section.
    load("[NODEX_SYSTEM]|HOST_NAME=S|DEFAULT=0|DEFAULT=1|X=y");
    EXPECT_EQ(midrangeMarkDefault(store, "S", "1"), 1);
    EXPECT_EQ(keys(0), "HOST_NAME=S|DEFAULT=1|X=y|DEFAULT=1");

    // Of several marked systems each is unmarked, so that the chosen one is the only default;
    // a system not marked keeps its keys as they stand.
    load("[NODEX_SYSTEM]|HOST_NAME=C|DEFAULT=0|U=c|[NODEX_SYSTEM]|HOST_NAME=X|DEFAULT=1|U=x|"
         "[NODEX_SYSTEM]|HOST_NAME=D|DEFAULT=0|U=d|[NODEX_SYSTEM]|HOST_NAME=B|DEFAULT=1|U=b");
    EXPECT_EQ(midrangeSetDefault(store, "C"), 1);
    EXPECT_EQ(keys(0) + "/" + keys(1) + "/" + keys(2) + "/" + keys(3),
              "HOST_NAME=C|U=c|DEFAULT=1/HOST_NAME=X|U=x|DEFAULT=0/HOST_NAME=D|DEFAULT=0|U=d/"
              "HOST_NAME=B|U=b|DEFAULT=0");
}

TEST_F(MidrangeRecords, CommonSettingsAreOneSectionAndDeleteAllClears) {
    MidrangeCommonRecord c;
    ASSERT_EQ(midrangeReadCommon(store, c), 1);
    EXPECT_EQ(c.mode, "XLNKMOD");
    load("[NODEX_COMMON]|USER_NAME=u|[TRACE]");
    c.mode = "kept";
    ASSERT_EQ(midrangeReadCommon(store, c), 1);
    EXPECT_EQ(c.mode, "kept"); // a present section without MODE gets no standard mode

    const auto before = testing_support::snapshot(store);
    EXPECT_EQ(writeCommon("XLNKMOD", "us]er"), 0);
    EXPECT_EQ(code, ErrorCode::HostUserId);
    EXPECT_EQ(testing_support::snapshot(store), before);

    ASSERT_EQ(writeCommon("XLNKMOD", "clerk"), 1);
    ASSERT_EQ(writeCommon("#INTER", "clerk"), 1);
    EXPECT_EQ(layout(), "TRACE NODEX_COMMON");
    EXPECT_EQ(keys(1), "USER_NAME=clerk|PASSWORD=" + scrambledHex("secret") +
                           "|LOCAL_LU=LOCALLU|MODE=#INTER");
    ASSERT_EQ(midrangeReadCommon(store, c), 1);
    EXPECT_EQ(c.password, "secret");

    ASSERT_EQ(writeSystem("SYS1"), 1);
    ASSERT_EQ(writeSystem("SYS2"), 1);
    EXPECT_EQ(midrangeDeleteAll(store), 1);
    EXPECT_EQ(layout(), "TRACE");
}

} // namespace
