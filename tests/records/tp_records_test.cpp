// Attach transaction programs: their own limits, defaults, key order and delete result.
#include "record_fixture.h"
#include "tp_records.h"

#include <climits>

namespace {

class TpRecords : public RecordTest {};

TEST_F(TpRecords, ReadingCutsNamesAndKeepsNumbersTheEditorDoesNotOffer) {
    std::string name(70, 'T');
    load("[CLIENT_ATTACH]|TP_NAME=" + name + "|LU_NAME=LOCALLU12|TP_OP=7|TP_TYPE=0x|" +
         "[CLIENT_ATTACH]|PATH=x");
    std::vector<std::string> list;
    EXPECT_EQ(tpListEntries(store, list), 0);
    EXPECT_EQ(list, (std::vector<std::string>{name.substr(0, 65)}));

    AttachTpRecord r;
    r.tpName = name;
    r.parmString = "kept";
    ASSERT_EQ(tpReadEntry(store, r), 1);
    EXPECT_EQ(r.tpOp, 7);
    EXPECT_EQ(r.parmString, "kept");
    r.tpName = "PAYTP";
    ASSERT_EQ(write(tpWriteEntry, r), 1);
    EXPECT_EQ(value("CLIENT_ATTACH", 0, "TP_OP"), "7");

    // Numbers as the client's runtime reads them: sign and blanks taken, never overflowing.
    load("[CLIENT_ATTACH]|TP_NAME=A|TP_OP= -5x|[CLIENT_ATTACH]|TP_NAME=B|TP_OP=" +
         std::string(100, '9'));
    r.tpName = "A";
    ASSERT_EQ(tpReadEntry(store, r), 1);
    EXPECT_EQ(r.tpOp, -5);
    r.tpName = "B";
    ASSERT_EQ(tpReadEntry(store, r), 1);
    EXPECT_EQ(r.tpOp, INT_MAX);

    AttachTpRecord fresh;
    fresh.tpOp = 1;
    ASSERT_EQ(tpReadEntry(store, fresh), 1);
    EXPECT_EQ(fresh.luName, "*");
    EXPECT_EQ(fresh.tpOp, 0);
}

TEST_F(TpRecords, WrittenProgramHasSixKeysStandsFirstAndDeleteAlwaysSucceeds) {
    load("[CLIENT_ATTACH]|TP_NAME=OTHER|[GLOBAL]|[CLIENT_ATTACH]|TP_NAME=PAY");
    AttachTpRecord r{"PAY", "*", "", "-q", 0, 0};
    const auto before = testing_support::snapshot(store);
    EXPECT_EQ(write(tpWriteEntry, r), 0); // dynamically loaded without a path
    EXPECT_EQ(code, ErrorCode::TpPath);
    EXPECT_EQ(testing_support::snapshot(store), before);

    r.tpOp = 1;
    ASSERT_EQ(write(tpWriteEntry, r), 1);
    EXPECT_EQ(layout(), "CLIENT_ATTACH CLIENT_ATTACH GLOBAL");
    EXPECT_EQ(keys(0), "TP_NAME=PAY|LU_NAME=*|PATH=|PARM_STRING=-q|TP_OP=1|TP_TYPE=0");
    EXPECT_EQ(tpDeleteEntry(store, "NONE"), 1);
    EXPECT_EQ(store.sectionCount(), 3u);
    EXPECT_EQ(tpDeleteEntry(store, "PAY"), 1);
    EXPECT_EQ(layout(), "CLIENT_ATTACH GLOBAL");
}

} // namespace
