// The CPI-C side information sheet as a user meets it: open an entry, change it, press OK,
// and find the entry in the store.
#include "cfg_doc.h"
#include "cpic_records.h"
#include "cpic_sheet.h"
#include "password_keys.h"
#include "scramble.h"
#include "sheet_test_support.h"
#include "string_ids.h"
#include "tela_combo_box.h"
#include "test_helpers.h"

#include <QLineEdit>
#include <QRadioButton>

using testing_support::snapshot;

namespace {

using Bas = CPgCpicBas;
using Sec = CPgCpicSec;

class CpicSheet : public SheetTest {
protected:
    CCfgDoc doc;
    CPsCpic sheet{"CPI-C"};

    template <typename W = QLineEdit> W& basic(int id) {
        return *sheet.basicPage().controlAs<W>(id);
    }
    template <typename W = QLineEdit> W& security(int id) {
        return *sheet.securityPage().controlAs<W>(id);
    }
    int run(const std::string& name, const std::function<void(QDialog&)>& act) {
        return whileOpen(act, [&] { return sheet.Run(doc, name); });
    }
    CpicSideInfoRecord entry(const std::string& name) {
        CpicSideInfoRecord record;
        record.symbName = name;
        EXPECT_EQ(cpicReadEntry(doc.store(), record), 1) << name;
        return record;
    }
    // Stores PAYROLL with a qualified partner name and the strong security type.
    void storeSample() {
        loadSections(doc.store(), "[CPIC_INFO]\nSYMB_NAME=PAYROLL\nLOCAL_LU=LOCAL1\n"
                                  "PART_LU=NETA.HOSTLU\nPLU_TYPE=1\nMODE=#INTER\nREMOTE_TP=PAYTP\n"
                                  "SEC_TYPE=5\nSEC_USERID=CLERK\nSEC_PW=" +
                                      scramblePassword("SECRET", kCpicPassword.storedLength()) +
                                      "\n");
    }
};

TEST_F(CpicSheet, NewOpensWithTheDefaultsRefusesCode24AndStoresAStarForAnUntouchedPartnerLu) {
    run("", [&](QDialog& shown) {
        EXPECT_EQ(shown.focusWidget(), &basic(Bas::kSymbName));
        EXPECT_EQ(basic(Bas::kLocalLu).text(), "*");
        EXPECT_EQ(basic<TelaComboBox>(Bas::kMode).currentText(), "BLANK");
        EXPECT_TRUE(basic<QRadioButton>(Bas::kAliasRadio).isChecked());
        EXPECT_FALSE(basic(Bas::kNetworkId).isEnabled());
        QTest::keyClicks(&basic(Bas::kSymbName), "dest1"); // typed letters become capitals
        QTest::keyClicks(&basic(Bas::kRemoteTp), "AppTp");
        auto& alias = basic<QRadioButton>(Bas::kAliasRadio);
        alias.setFocus();
        QTest::keyClick(&alias, Qt::Key_Up); // the arrow keys choose as a click does
        EXPECT_TRUE(basic(Bas::kNetworkId).isEnabled());
        EXPECT_FALSE(basic(Bas::kPartnerAlias).isEnabled());
        sheet.accept(); // the name radio with empty fields
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_TRUE(doc.store().empty());
        alias.click();
        ASSERT_TRUE(sheet.setActivePage(1));
        EXPECT_EQ(security<TelaComboBox>(Sec::kSecType).currentIndex(), 0);
        EXPECT_FALSE(security(Sec::kUserId).isEnabled());
        sheet.accept();
    });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, text(ids::kErr14And24));
    const CpicSideInfoRecord stored = entry("DEST1");
    EXPECT_EQ(stored.partnerLu, "*");
    EXPECT_EQ(stored.pluType, 0);
    EXPECT_EQ(stored.mode, "BLANK");
    EXPECT_EQ(stored.remoteTp, "AppTp");
}

// How the other fields are shown is what writes them back unchanged (UntouchedTest).
TEST_F(CpicSheet, AStoredSecurityTypeAndPasswordAreShownAndWrittenBackUnchanged) {
    storeSample();
    const int result = run("PAYROLL", [&](QDialog&) {
        ASSERT_TRUE(sheet.setActivePage(1));
        EXPECT_EQ(security<TelaComboBox>(Sec::kSecType).currentIndex(), 3); // type 5
        EXPECT_TRUE(security(Sec::kPassword).isEnabled());
        EXPECT_EQ(security(Sec::kPassword).text(), "**********");
        sheet.accept();
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(entry("PAYROLL").secType, 5);
    EXPECT_EQ(entry("PAYROLL").password, "SECRET");
}

TEST_F(CpicSheet, RefusalsKeepTheSheetAndAChangedNameWritesASecondEntry) {
    storeSample();
    const auto before = snapshot(doc.store());
    const int result = run("PAYROLL", [&](QDialog&) {
        QLineEdit& mode = *basic<TelaComboBox>(Bas::kMode).lineEdit();
        retype(mode, "longmode9");
        sheet.accept();
        // The cursor lands in the refused field, its text selected.
        EXPECT_TRUE(mode.hasFocus());
        EXPECT_EQ(mode.selectedText(), "LONGMODE9");
        retype(mode, "#inter");
        ASSERT_TRUE(sheet.setActivePage(1));
        security<TelaComboBox>(Sec::kSecType).setCurrentIndex(1); // same: no password
        EXPECT_FALSE(security(Sec::kPassword).isEnabled());
        security(Sec::kUserId).clear();
        sheet.accept();
        EXPECT_TRUE(security(Sec::kUserId).hasFocus());
        EXPECT_EQ(snapshot(doc.store()), before);
        retype(security(Sec::kUserId), "CLERK");
        security<TelaComboBox>(Sec::kSecType).setCurrentIndex(3);
        retype(security(Sec::kPassword), "NEWPW");
        // A refusal on the other page brings that page forward.
        ASSERT_TRUE(sheet.setActivePage(0));
        retype(basic(Bas::kSymbName), "TWO WRDS");
        ASSERT_TRUE(sheet.setActivePage(1));
        sheet.accept();
        EXPECT_EQ(sheet.activeIndex(), 0);
        EXPECT_TRUE(basic(Bas::kSymbName).hasFocus());
        retype(basic(Bas::kSymbName), "PAYROLL2");
        sheet.accept();
    });
    EXPECT_EQ(result, 1);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].text, text(ids::kCpicMsgModeTooLong));
    EXPECT_EQ(messages[1].text, text(ids::kCpicMsgUserIdRequired));
    EXPECT_EQ(messages[1].style, kMbIconStop);
    EXPECT_EQ(messages[2].text, text(ids::kErr26));
    EXPECT_EQ(messages[2].style, kMbOk);
    std::vector<std::string> names;
    cpicListEntries(doc.store(), names);
    EXPECT_EQ(names, (std::vector<std::string>{"PAYROLL2", "PAYROLL"}));
    EXPECT_EQ(entry("PAYROLL2").password, "NEWPW");
    EXPECT_EQ(entry("PAYROLL").password, "SECRET");
}

TEST_F(CpicSheet, AnEntryThatIsGoneIsReportedAsCode66WithoutASheet) {
    EXPECT_EQ(run("NOSUCH", [&](QDialog&) { ADD_FAILURE() << "no sheet expected"; }), 0);
    EXPECT_FALSE(sheetWasShown);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, text(ids::kErr66));
}

} // namespace
