// Untouched means unchanged: a sheet opened on a stored record and closed with OK without an
// edit, or cancelled, changes nothing: not a byte of what a save would write, not the
// modified mark, no undo step. The records hold values the sheets cannot show as they are
// (a mode the list lacks, small letters in capital fields, a security type no entry names,
// keys no writer knows) and stand after another record of their kind.
#include "gui_fixture.h"

#include "document_history.h"
#include "editor_dispatch.h"
#include "midrange_sheet.h"
#include "midrange_system_dialog.h"
#include "modal_window.h"
#include "property_sheet.h"
#include "save_content.h"

#include <QComboBox>
#include <QLineEdit>
#include <QUndoStack>

using namespace gui_testing;

namespace {

const Sections kFirst = {
    {"CPIC_INFO", {{"SYMB_NAME", "FIRST"}, {"PART_LU", "NETA.HOST"}}},
    {"CLIENT_ATTACH", {{"TP_NAME", "FIRST"}, {"LU_NAME", "*"}, {"TP_OP", "1"}}},
    {"LUX_PROFILE", {{"PROFILE_NAME", "FIRST"}, {"SESSION", "HOSTA,*,0,LU01,TCP/IP,,ENC_OFF"}}},
    {"NODEX_SYSTEM", {{"HOST_NAME", "first"}, {"DEFAULT", "0"}}},
};

struct Case {
    const char* what;
    int kind;
    int row; // in the records list
    Sections sections;
};

const Case kCases[] = {
    {"global settings in small letters, an unknown key, no table",
     kKindGlobal,
     0,
     {{"GLOBAL", {{"ODD", "1"}, {"USER_NAME", "joe"}, {"DEF_LU_ALIAS", "lu1"}}}}},
    {"servers of either case, keys in another order",
     kKindAppc,
     0,
     {{"APPC", {{"SERVER", "hosta,TCP/IP,ENC_OPT"}, {"SELECT", "SERVER"}, {"X", ""}}}}},
    {"a mode of the site's own, a security type no entry names",
     kKindCpic,
     1,
     {{"CPIC_INFO",
       {{"SYMB_NAME", "odd"},
        {"LOCAL_LU", "*"},
        {"MODE", "MYMODE"},
        {"SEC_TYPE", "7"},
        {"SEC_USERID", "user"},
        {"PLU_TYPE", "1"},
        {"PART_LU", "NETA.HOST"},
        {"REMOTE_TP", "TP"}}}}},
    {"a shortened mode and an empty partner alias",
     kKindCpic,
     1,
     {{"CPIC_INFO",
       {{"SYMB_NAME", "BAT"},
        {"LOCAL_LU", "*"},
        {"MODE", "#BAT"},
        {"PLU_TYPE", "0"},
        {"PART_LU", ""},
        {"REMOTE_TP", "TP"}}}}},
    {"a program without its path, an operation no box names",
     kKindTp,
     1,
     {{"CLIENT_ATTACH", {{"TP_NAME", "tp"}, {"TP_OP", "7"}, {"TP_TYPE", "2"}, {"LU_NAME", "lu"}}}}},
    {"a link of a category the list lacks",
     kKindLux,
     1,
     {{"LUX_PROFILE",
       {{"PROFILE_NAME", "ODD"}, {"SESSION", "hosta,*,9,LU01,TCP/IP,,ENC_OFF"}, {"Z", "1"}}}}},
    {"a default system in small letters, a mode of the site's own",
     kKindMidrange,
     0,
     {{"NODEX_SYSTEM", {{"DEFAULT", "1"}, {"HOST_NAME", "hosta"}, {"USER_NAME", "u"}}},
      {"NODEX_COMMON", {{"MODE", "MYMODE"}, {"LOCAL_LU", "lu"}}}}},
    {"systems with none marked default, no common settings",
     kKindMidrange,
     0,
     {{"NODEX_SYSTEM", {{"HOST_NAME", "HOSTB"}}}}},
};

} // namespace

class UntouchedTest : public AppTest {
protected:
    // Opens the sheet on the case's record, acts on it, and checks that nothing changed.
    void expectUnchanged(const Case& c, const std::function<void(QWidget&)>& act,
                         const std::string& how) {
        selectKind(c.kind);
        selectRow(c.row);
        const std::string before = savedBytes(doc().store());
        const QString caption = shownCaption(frame());
        const bool acted = whileModal(
            [&](QWidget& sheet) {
                act(sheet);
                // A sheet that refused its OK is closed after this: the test goes on to say so.
                if (sheet.isVisible())
                    ADD_FAILURE() << c.what << ", " << how << ": the sheet stayed open";
            },
            [&] { click(ui().changeButton); });
        ASSERT_TRUE(acted) << c.what << ", " << how;
        EXPECT_EQ(savedBytes(doc().store()), before) << c.what << ", " << how;
        EXPECT_FALSE(doc().IsModified()) << c.what << ", " << how;
        EXPECT_EQ(shownCaption(frame()), caption) << c.what << ", " << how;
        EXPECT_EQ(frame().history().stack().count(), 0) << c.what << ", " << how;
        EXPECT_EQ(selectedRow(), c.row) << c.what << ", " << how;
    }
};

TEST_F(UntouchedTest, OkWithoutAnEditAndCancelChangeNothing) {
    for (const Case& c : kCases) {
        Sections sections = kFirst;
        sections.insert(sections.end(), c.sections.begin(), c.sections.end());
        start({writeConfig("odd.ini", sections)});
        setEditorRunner(runEditorSheet);
        const auto ok = [](QWidget& w) { static_cast<PropertySheet&>(w).accept(); };
        // Every page seen, then OK or Cancel (what a page's showing could change, Cancel
        // must leave too).
        const auto everyPage = [](bool confirm) {
            return [confirm](QWidget& w) {
                auto& sheet = static_cast<PropertySheet&>(w);
                for (int page : {1, 0})
                    sheet.setActivePage(page);
                confirm ? sheet.accept() : sheet.reject();
                EXPECT_FALSE(sheet.isVisible());
            };
        };
        expectUnchanged(c, ok, "OK");
        expectUnchanged(c, everyPage(true), "every page, OK");
        expectUnchanged(c, everyPage(false), "every page, Cancel");
    }
    setEditorRunner({});
}

TEST_F(UntouchedTest, AValueTheListLacksIsWrittenBackAsStoredWhenAnotherFieldChanges) {
    struct Edit {
        int kind;
        Sections stored;
        const char* field; // the one field typed into
        const char* key;   // its key
    } const edits[] = {
        // a mode of the site's own, a security type no entry names
        {kKindCpic, kCases[2].sections, "remoteTpEdit", "REMOTE_TP"},
        // a shortened mode, an empty partner alias
        {kKindCpic, kCases[3].sections, "remoteTpEdit", "REMOTE_TP"},
        {kKindCpic,
         {{"CPIC_INFO",
           {{"SYMB_NAME", "TYPE2"},
            {"LOCAL_LU", "*"},
            {"MODE", "#INTER"},
            {"PLU_TYPE", "2"},
            {"PART_LU", "NETA.HOST"},
            {"REMOTE_TP", "TP"}}}},
         "remoteTpEdit",
         "REMOTE_TP"},
        {kKindTp,
         {{"CLIENT_ATTACH", {{"TP_NAME", "TP"}, {"TP_OP", "7"}, {"TP_TYPE", "0"}, {"PATH", "/a"}}}},
         "pathEdit",
         "PATH"},
    };
    for (const Edit& e : edits) {
        start({writeConfig("odd.ini", e.stored)});
        setEditorRunner(runEditorSheet);
        selectKind(e.kind);
        whileModal(
            [&](QWidget& sheet) {
                QLineEdit* field = sheet.findChild<QLineEdit*>(e.field);
                field->selectAll();
                QTest::keyClicks(field, "NEW");
                static_cast<PropertySheet&>(sheet).accept();
                if (sheet.isVisible())
                    ADD_FAILURE() << e.key << " refused";
            },
            [&] { click(ui().changeButton); });
        const testing_support::Keys written = testing_support::snapshot(doc().store()).at(0).second;
        for (const auto& [key, value] : e.stored.front().second) {
            const auto at = std::find_if(written.begin(), written.end(),
                                         [&](const auto& kv) { return kv.first == key; });
            ASSERT_NE(at, written.end()) << key;
            EXPECT_EQ(at->second, key == e.key ? "NEW" : value) << key;
        }
        EXPECT_TRUE(doc().IsModified());
        EXPECT_EQ(frame().history().stack().count(), 1);
        setEditorRunner({});
    }
}

TEST_F(UntouchedTest, TheMidrangeSystemDialogStoresNothingUntouched) {
    // The system's name is valid (a refused one keeps the dialog open); its user is not capital.
    start({writeConfig("odd.ini", {{"NODEX_SYSTEM",
                                    {{"DEFAULT", "1"}, {"HOST_NAME", "HOSTA"}, {"USER_NAME", "u"}}},
                                   {"NODEX_COMMON", {{"MODE", "MYMODE"}}}})});
    setEditorRunner(runEditorSheet);
    selectKind(kKindMidrange);
    const std::string before = savedBytes(doc().store());
    whileModal(
        [](QWidget& w) {
            auto& sheet = static_cast<CPsNODEX&>(w);
            auto* properties = sheet.basicPage().controlAs<QPushButton>(CPgNODEXBas::kProperties);
            whileModal(
                [](QWidget& dialog) {
                    static_cast<CDlgNODEXSystem&>(dialog).accept();
                    if (dialog.isVisible())
                        ADD_FAILURE() << "refused";
                },
                [&] { properties->click(); });
            sheet.accept();
        },
        [&] { click(ui().changeButton); });
    EXPECT_EQ(savedBytes(doc().store()), before);
    EXPECT_FALSE(doc().IsModified());
    setEditorRunner({});
}
