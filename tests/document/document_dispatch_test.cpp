// The option dispatch the main window and the tool share: listing, editing through the
// installed editor runner, deleting, and the modified flag each of them sets.
#include "document_fixture.h"
#include "option_kinds.h"
#include "string_ids.h"

using namespace testing_support;

namespace {

class DocumentDispatch : public DocumentTest {
protected:
    void SetUp() override {
        DocumentTest::SetUp();
        fill(doc.store(), {{"GLOBAL", {{"USER_NAME", "u"}}},
                           {"CPIC_INFO", {{"SYMB_NAME", "SIDE2"}}},
                           {"CPIC_INFO", {{"SYMB_NAME", "SIDE1"}}},
                           {"CLIENT_ATTACH", {{"TP_NAME", "TPA"}}},
                           {"APPC", {{"SELECT", "SERVER"}}},
                           {"LUX_PROFILE", {{"PROFILE_NAME", "LUXB"}}},
                           {"LUX_PROFILE", {{"PROFILE_NAME", "LUXA"}}},
                           {"NODEX_SYSTEM", {{"HOST_NAME", "AS1"}}},
                           {"NODEX_SYSTEM", {{"HOST_NAME", "AS2"}}},
                           {"NODEX_COMMON", {{"MODE", "QPCSUPP"}}}});
    }
    void TearDown() override {
        setEditorRunner(nullptr);
        DocumentTest::TearDown();
    }
    std::vector<std::string> list(int kind, int expected = 1) {
        std::vector<std::string> out{"kept"};
        EXPECT_EQ(doc.ListOptionRecords(kind, out), expected);
        out.erase(out.begin());
        return out;
    }
};

} // namespace

TEST_F(DocumentDispatch, ListsTheRecordsOfEachKindInFileOrder) {
    EXPECT_EQ(list(kKindGlobal), std::vector<std::string>{"Global settings"});
    EXPECT_EQ(list(kKindAppc), std::vector<std::string>{"APPC servers"});
    EXPECT_EQ(list(kKindCpic), (std::vector<std::string>{"SIDE2", "SIDE1"}));
    EXPECT_EQ(list(kKindTp), std::vector<std::string>{"TPA"});
    EXPECT_EQ(list(kKindLux), (std::vector<std::string>{"LUXB", "LUXA"}));
    EXPECT_EQ(list(kKindMidrange), std::vector<std::string>{"Midrange systems"});
    for (int notAKind : {0, 11, 14, 29, -16})
        EXPECT_TRUE(list(notAKind, 0).empty());

    // A nameless entry fails the listing; what came before it stays.
    fill(doc.store(), {{"CPIC_INFO", {}}, {"CPIC_INFO", {{"SYMB_NAME", "AFTER"}}}});
    EXPECT_EQ(list(kKindCpic, 0), (std::vector<std::string>{"SIDE2", "SIDE1"}));
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocumentDispatch, OptionStringsForKindsOnly) {
    int description = -1, title = -1;
    EXPECT_EQ(GetOptionStrings(kKindLux, description, title), 1);
    EXPECT_EQ(description, ids::kDescRecords);
    EXPECT_EQ(title, ids::kGroupLux);
    EXPECT_EQ(GetOptionStrings(kKindMidrange, description, title), 1);
    EXPECT_EQ(description, ids::kDescMidrange);
    EXPECT_EQ(title, ids::kGroupMidrange);
    EXPECT_EQ(GetOptionStrings(15, description, title), 0);
    EXPECT_EQ(description, ids::kDescMidrange); // untouched
    EXPECT_EQ(title, ids::kGroupMidrange);

    std::vector<int> shownOrder;
    for (const OptionKind& k : optionKinds())
        shownOrder.push_back(k.kind);
    EXPECT_EQ(shownOrder, (std::vector<int>{16, 26, 12, 13, 27, 28}));
}

TEST_F(DocumentDispatch, EditRunsTheInstalledEditorAndMarksTheDocumentOnOk) {
    EXPECT_EQ(doc.EditOptionRecord(kKindCpic, "SIDE1"), 0); // no editor installed
    EXPECT_FALSE(doc.IsModified());

    struct Call {
        int kind;
        std::string title, name;
        bool operator==(const Call&) const = default;
    };
    std::vector<Call> calls;
    int result = 0;
    setEditorRunner([&](CCfgDoc& d, int kind, const std::string& title, const std::string& name) {
        EXPECT_EQ(&d, &doc);
        calls.push_back({kind, title, name});
        return result;
    });
    EXPECT_EQ(doc.EditOptionRecord(kKindCpic, "SIDE1"), 0); // cancelled
    EXPECT_FALSE(doc.IsModified());
    result = 1;
    EXPECT_EQ(doc.EditOptionRecord(kKindGlobal, ""), 1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.EditOptionRecord(99, "x"), 0);
    EXPECT_EQ(calls, (std::vector<Call>{{kKindCpic, "CPI-C Side Information", "SIDE1"},
                                        {kKindGlobal, "Global Settings", ""}}));
}

TEST_F(DocumentDispatch, DeleteRemovesTheRecordAndMarksTheDocument) {
    EXPECT_EQ(doc.DeleteOptionRecord(kKindCpic, "NOSUCH"), 0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.DeleteOptionRecord(42, "SIDE1"), 0);
    EXPECT_FALSE(doc.IsModified());

    EXPECT_EQ(doc.DeleteOptionRecord(kKindCpic, "SIDE1"), 1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(list(kKindCpic), std::vector<std::string>{"SIDE2"});

    doc.SetModifiedFlag(false);
    EXPECT_EQ(doc.DeleteOptionRecord(kKindMidrange, "ignored"), 1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.DeleteOptionRecord(kKindLux, "LUXA"), 1);
    EXPECT_EQ(doc.DeleteOptionRecord(kKindTp, "TPA"), 1);
    EXPECT_EQ(doc.DeleteOptionRecord(kKindAppc, ""), 1);
    EXPECT_EQ(doc.DeleteOptionRecord(kKindGlobal, ""), 1);
    EXPECT_EQ(order(doc.store()), (std::vector<std::string>{"CPIC_INFO", "LUX_PROFILE"}));
}
