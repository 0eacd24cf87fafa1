// The APPC server list sheet as a user meets it: a new server list, the rows filled
// and OK pressed, the settings found in the store and shown again on reopening; the checks
// of OK; settings read from a file; and the layout at two font sizes (with
// APICFG_SCREENSHOT_DIR set, pictures for docs/screenshots).
#include "cfg_doc.h"
#include "server_sheet.h"
#include "sheet_test_support.h"
#include "string_ids.h"
#include "tela_combo_box.h"
#include "tela_edit.h"
#include "test_helpers.h"

#include <QCheckBox>
#include <QRadioButton>

using testing_support::Keys;

namespace {

using Page = CPgServerList;

// What one server row shows, or is given.
struct Row {
    std::string name;
    int transport = -1;
    int encryption = 0;
    bool operator==(const Row&) const = default;
};
using Rows = std::array<Row, 4>;

void PrintTo(const Row& row, std::ostream* os) {
    *os << "{" << row.name << ", " << row.transport << ", " << row.encryption << "}";
}

class ServerSheet : public SheetTest {
protected:
    CCfgDoc doc;
    CPsServ* open = nullptr; // the sheet the controls are taken from

    template <typename W = TelaEdit> W& control(int id) {
        return *open->serverListPage().controlAs<W>(id);
    }
    Rows shownRows() {
        Rows rows;
        for (std::size_t r = 0; r < rows.size(); ++r)
            rows[r] = {control(Page::kRows[r].name).text().toStdString(),
                       control<TelaComboBox>(Page::kRows[r].transport).currentIndex(),
                       control<TelaComboBox>(Page::kRows[r].encryption).currentIndex()};
        return rows;
    }
    void fillRows(const Rows& rows) {
        for (std::size_t r = 0; r < rows.size(); ++r) {
            QTest::keyClicks(&control(Page::kRows[r].name), QString::fromStdString(rows[r].name));
            control<TelaComboBox>(Page::kRows[r].transport).setCurrentIndex(rows[r].transport);
            control<TelaComboBox>(Page::kRows[r].encryption).setCurrentIndex(rows[r].encryption);
        }
    }
    bool rowsEnabled() {
        bool all = true;
        for (const auto& ids : Page::kRows)
            for (int id : {ids.name, ids.transport, ids.encryption})
                all = all && control<QWidget>(id).isEnabled();
        return all;
    }
    int run(const std::function<void(QDialog&)>& act, const std::string& entry = "") {
        CPsServ sheet(text(ids::kTitleServers));
        open = &sheet;
        return whileOpen(act, [&] { return sheet.Run(doc, entry); });
    }
    void load(const std::string& sections) { loadSections(doc.store(), sections); }
    Keys section(const std::string& name) const {
        const std::vector<Keys> found = sectionsNamed(doc.store(), name);
        return found.empty() ? Keys{} : found.front();
    }
    // The APPC section as the sheet writes it: SELECT, four SERVER keys and SCOPE.
    static Keys appc(const char* select, const std::array<std::string, 4>& servers,
                     const std::string& scope) {
        Keys keys{{"SELECT", select}};
        for (const std::string& server : servers)
            keys.emplace_back("SERVER", server);
        keys.emplace_back("SCOPE", scope);
        return keys;
    }
    std::string t1() const { return text(ids::kTransportFirst); }
    std::string t2() const { return text(ids::kTransportSecond); }
};

TEST_F(ServerSheet, NewStoresRowsTwoAndFourAsOneAndTwoAndTheLoadBalancingAndReopensThem) {
    load("[GLOBAL]\nLU62_LB=1\n"); // not read while there is no APPC section
    run([&](QDialog&) {
        EXPECT_EQ(shownRows(), Rows{});
        EXPECT_TRUE(control<QRadioButton>(Page::kServerListRadio).isChecked());
        EXPECT_FALSE(control<QCheckBox>(Page::kLoadBalancing).isChecked());
        EXPECT_FALSE(control(Page::kScopeName).isEnabled());
        EXPECT_EQ(control<TelaComboBox>(Page::kRows[0].transport).itemText(1).toStdString(),
                  t2()); // the list shows the stored texts themselves
        fillRows({Row{}, {"hostb", 0, 1}, Row{}, {"nw4", 1, 2}});
        control<QCheckBox>(Page::kLoadBalancing).click();
        open->accept();
    });
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(section("APPC"),
              appc("SERVER", {"hostb," + t1() + ",ENC_ON", "NW4," + t2() + ",ENC_OPT", "", ""},
                   "*,TCP,ENC_OFF"));
    EXPECT_EQ(section("GLOBAL"), (Keys{{"LU62_LB", "1"}}));
    run([&](QDialog&) {
        EXPECT_EQ(shownRows(), (Rows{Row{"hostb", 0, 1}, {"NW4", 1, 2}, Row{}, Row{}}));
        EXPECT_EQ(control(Page::kScopeName).text(), "");
        EXPECT_TRUE(control<QCheckBox>(Page::kLoadBalancing).isChecked());
    });
}

struct OkCase {
    const char* what;
    Rows rows;
    int selection;
    const char* scopeName;
    int scopeEncryption;
    int message; // the message shown, 0 none (then the settings are stored)
    std::array<std::string, 4> servers;
    std::string scope;
    const char* server = ""; // the server the message names
    int focus = 0;           // the control the cursor lands in
};

// What OK does with rows, choices and the scope: refuse with a message, or store.
std::vector<OkCase> okCases(const std::string& T1) {
    return {
        {"a name without a transport",
         {Row{"hosta", 0, 0}, Row{}, Row{"hostc", -1, 0}},
         0,
         "",
         0,
         ids::kRuleServerTransport,
         {},
         "",
         "hostc",
         Page::kRows[2].transport},
        {"a transport on a row without a name is not stored",
         {Row{"", 1, 2}, Row{"hosta", 0, 1}},
         0,
         "",
         0,
         0,
         {"hosta," + T1 + ",ENC_ON", "", "", ""},
         "*,TCP,ENC_OFF"},
        {"the scope with no server and no name", {}, 1, "", 1, 0, {"", "", "", ""}, "*,TCP,ENC_ON"},
        {"the scope stores the disabled rows too",
         {Row{}, Row{"hosta", 0, 2}},
         1,
         "Scope1",
         2,
         0,
         {"hosta," + T1 + ",ENC_OPT", "", "", ""},
         "Scope1,TCP,ENC_OPT"},
    };
}

TEST_F(ServerSheet, OkChecksTheRowsAndStoresThemClosedUpWithTheirOwnTransports) {
    for (const OkCase& c : okCases(t1())) {
        SCOPED_TRACE(c.what);
        cfgClear(doc.store());
        messages.clear();
        const int result = run([&](QDialog&) {
            fillRows(c.rows);
            if (c.selection == 1) {
                control<QRadioButton>(Page::kScopeRadio).click();
                EXPECT_FALSE(rowsEnabled());
            }
            QTest::keyClicks(&control(Page::kScopeName), c.scopeName);
            control<TelaComboBox>(Page::kScopeEncryption).setCurrentIndex(c.scopeEncryption);
            open->accept();
            EXPECT_EQ(open->isVisible(), c.message != 0);
            if (c.message) {
                EXPECT_EQ(QApplication::focusWidget(), open->serverListPage().control(c.focus));
            }
        });
        if (c.message) {
            EXPECT_EQ(result, 0);
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].text, formatMessage(text(c.message), {c.server}));
            EXPECT_EQ(messages[0].style, kMbOk);
            EXPECT_TRUE(doc.store().empty());
        } else {
            EXPECT_EQ(result, 1);
            EXPECT_TRUE(messages.empty());
            EXPECT_EQ(section("APPC"), appc(c.selection ? "SCOPE" : "SERVER", c.servers, c.scope));
        }
    }
}

TEST_F(ServerSheet, StoredSettingsAreShownAsTheirRowsAndTheScopeKeepsTheServerRows) {
    // A transport text of neither kind (another language's) shows as the first; a row
    // without a name has no transport; "*" is the scope left without a name.
    load("[APPC]\nSELECT=SCOPE\nSERVER=HOSTA," + t1() + ",ENC_ON\nSERVER=NW1," + t2() +
         ",ENC_OPT\nSERVER=HOSTC,TCP-IP-FR,ENC_XX\nSERVER=\nSCOPE=*,TCP,ENC_ON\n"
         "[GLOBAL]\nLU62_LB=0\n");
    const Rows shownAsStored{Row{"HOSTA", 0, 1}, {"NW1", 1, 2}, {"HOSTC", 0, 0}, Row{}};
    EXPECT_EQ(run([&](QDialog&) {
                  EXPECT_EQ(shownRows(), shownAsStored);
                  EXPECT_TRUE(control<QRadioButton>(Page::kScopeRadio).isChecked());
                  EXPECT_FALSE(rowsEnabled());
                  EXPECT_TRUE(control(Page::kScopeName).isEnabled());
                  EXPECT_EQ(control(Page::kScopeName).text(), "");
                  EXPECT_EQ(control<TelaComboBox>(Page::kScopeEncryption).currentIndex(), 1);
                  EXPECT_TRUE(control<QCheckBox>(Page::kLoadBalancing).isEnabled());
                  control<QRadioButton>(Page::kServerListRadio).click();
                  EXPECT_TRUE(rowsEnabled());
                  EXPECT_FALSE(control(Page::kScopeName).isEnabled());
                  EXPECT_EQ(shownRows(), shownAsStored);
                  control<QRadioButton>(Page::kScopeRadio).click();
                  open->accept();
              }),
              1);
    EXPECT_EQ(section("APPC"), appc("SCOPE",
                                    {"HOSTA," + t1() + ",ENC_ON", "NW1," + t2() + ",ENC_OPT",
                                     "HOSTC," + t1() + ",ENC_OFF", ""},
                                    "*,TCP,ENC_ON"));
}

class ServerLayout : public ServerSheet, public ::testing::WithParamInterface<int> {};

TEST_P(ServerLayout, EveryControlHasRoomForNewExistingAndScopeSettings) {
    withFontSize(GetParam(), [&] {
        for (const char* picture : {"new", "existing", "scope"}) {
            if (std::string(picture) != "new")
                load("[APPC]\nSELECT=SERVER\nSERVER=appc-host1.example.com," + t1() +
                     ",ENC_OPT\nSERVER=NWSERVER2," + t2() +
                     ",ENC_ON\nSERVER=\nSERVER=\nSCOPE=Branch1,TCP,ENC_OFF\n[GLOBAL]\nLU62_LB=1\n");
            run([&](QDialog& shown) {
                if (std::string(picture) == "scope")
                    control<QRadioButton>(Page::kScopeRadio).click();
                QApplication::processEvents();
                expectRoomForEveryControl(open->serverListPage());
                // The rows line up under their headings.
                for (const auto& ids : Page::kRows) {
                    EXPECT_EQ(control(ids.name).x(), control<QWidget>(Page::kNameHeading).x());
                    EXPECT_EQ(control<QWidget>(ids.transport).x(),
                              control<QWidget>(Page::kTransportHeading).x());
                    EXPECT_EQ(control<QWidget>(ids.encryption).x(),
                              control<QWidget>(Page::kEncryptionHeading).x());
                }
                if (GetParam() == 10)
                    saveScreenshot(shown, QString("servers-%1").arg(picture));
            });
            EXPECT_TRUE(sheetWasShown);
        }
    });
}

INSTANTIATE_TEST_SUITE_P(FontSizes, ServerLayout, ::testing::Values(10, 18));

} // namespace
