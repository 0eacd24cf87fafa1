// The CPI-C side information sheet as a user meets it: open an entry, change it, press OK,
// and find the entry in the store.
#include "cfg_doc.h"
#include "cfg_store.h"
#include "cpic_records.h"
#include "cpic_sheet.h"
#include "editor_dispatch.h"
#include "option_kinds.h"
#include "sheet_test_support.h"
#include "string_ids.h"
#include "tela_combo_box.h"
#include "tela_edit.h"
#include "test_helpers.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using testing_support::readText;
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
    static void retype(QLineEdit& field, const char* value) {
        field.selectAll();
        field.del();
        QTest::keyClicks(&field, value);
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
    void store(CpicSideInfoRecord record) {
        int flag = 0, code = 0;
        ASSERT_EQ(cpicWriteEntry(doc.store(), std::move(record), flag, code), 1) << code;
    }
    static CpicSideInfoRecord sample() {
        CpicSideInfoRecord r;
        r.symbName = "PAYROLL";
        r.localLu = "LOCAL1";
        r.partnerLu = "NETA.HOSTLU";
        r.pluType = 1;
        r.mode = "#INTER";
        r.remoteTp = "PAYTP";
        r.secType = 2;
        r.userId = "CLERK";
        r.password = "SECRET";
        return r;
    }
};

TEST_F(CpicSheet, ANewEntryOpensWithTheDefaultsAndTheRulesApplied) {
    const int result = run("", [&](QDialog& shown) {
        EXPECT_EQ(shown.windowTitle(), "CPI-C");
        EXPECT_EQ(shown.focusWidget(), &basic(Bas::kSymbName));
        EXPECT_EQ(basic(Bas::kSymbName).text(), "");
        EXPECT_EQ(basic(Bas::kLocalLu).text(), "*");
        auto& mode = basic<TelaComboBox>(Bas::kMode);
        EXPECT_EQ(mode.currentText(), "BLANK");
        ASSERT_EQ(mode.count(), 6);
        EXPECT_EQ(mode.itemText(0), "#BATCH"); // the box sorts the standard names
        EXPECT_TRUE(basic<QRadioButton>(Bas::kAliasRadio).isChecked());
        EXPECT_FALSE(basic<QRadioButton>(Bas::kQualifiedRadio).isChecked());
        EXPECT_TRUE(basic(Bas::kPartnerAlias).isEnabled());
        EXPECT_EQ(basic(Bas::kPartnerAlias).text(), "");
        EXPECT_FALSE(basic(Bas::kNetworkId).isEnabled());
        EXPECT_FALSE(basic(Bas::kLuName).isEnabled());
        EXPECT_EQ(basic<QCheckBox>(Bas::kServiceTp).text().toStdString(),
                  text(ids::kCpicLegendServiceTp)); // legends replace the layout's texts

        ASSERT_TRUE(sheet.setActivePage(1));
        auto& type = security<TelaComboBox>(Sec::kSecType);
        ASSERT_EQ(type.count(), 4);
        EXPECT_EQ(type.itemText(3).toStdString(), text(ids::kCpicSecStrong));
        EXPECT_EQ(type.currentIndex(), 0);
        EXPECT_FALSE(security(Sec::kUserId).isEnabled());
        EXPECT_FALSE(security(Sec::kPassword).isEnabled());
        EXPECT_EQ(security(Sec::kPassword).text(), "");
    });
    EXPECT_TRUE(sheetWasShown);
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(doc.store().empty());
}

TEST_F(CpicSheet, OkOnANewEntryStoresAStarForAnUntouchedPartnerLu) {
    const int result = run("", [&](QDialog&) {
        QTest::keyClicks(&basic(Bas::kSymbName), "dest1"); // typed letters become capitals
        QTest::keyClicks(&basic(Bas::kRemoteTp), "AppTp");
        sheet.accept();
    });
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(messages.empty());
    const CpicSideInfoRecord stored = entry("DEST1");
    EXPECT_EQ(stored.partnerLu, "*");
    EXPECT_EQ(stored.pluType, 0);
    EXPECT_EQ(stored.localLu, "*");
    EXPECT_EQ(stored.mode, "BLANK");
    EXPECT_EQ(stored.remoteTp, "AppTp");
    EXPECT_EQ(stored.secType, 0);
    EXPECT_EQ(stored.tpType, 0);
}

TEST_F(CpicSheet, TheNameRadioWithEmptyFieldsIsRefusedByCode24AndNothingIsWritten) {
    const int result = run("", [&](QDialog&) {
        QTest::keyClicks(&basic(Bas::kSymbName), "DEST1");
        QTest::keyClicks(&basic(Bas::kRemoteTp), "APPTP");
        auto& alias = basic<QRadioButton>(Bas::kAliasRadio);
        alias.setFocus();
        QTest::keyClick(&alias, Qt::Key_Up); // the arrow keys choose as a click does
        EXPECT_TRUE(basic<QRadioButton>(Bas::kQualifiedRadio).isChecked());
        EXPECT_TRUE(basic(Bas::kNetworkId).isEnabled());
        EXPECT_FALSE(basic(Bas::kPartnerAlias).isEnabled());
        alias.click();
        EXPECT_FALSE(basic(Bas::kNetworkId).isEnabled());
        EXPECT_TRUE(basic(Bas::kPartnerAlias).isEnabled());
        basic<QRadioButton>(Bas::kQualifiedRadio).click();
        sheet.accept();
        EXPECT_TRUE(sheet.isVisible());
    });
    EXPECT_EQ(result, 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, text(ids::kErr14And24));
    EXPECT_TRUE(doc.store().empty());
}

TEST_F(CpicSheet, AQualifiedNameIsSplitIntoItsFieldsAndWrittenBackUnchanged) {
    store(sample());
    CpicSideInfoRecord other = sample();
    other.symbName = "OTHER";
    store(other); // now first: the edited entry stands second
    const auto before = snapshot(doc.store());
    const int result = run("PAYROLL", [&](QDialog&) {
        EXPECT_EQ(basic(Bas::kNetworkId).text(), "NETA");
        EXPECT_EQ(basic(Bas::kLuName).text(), "HOSTLU");
        EXPECT_TRUE(basic<QRadioButton>(Bas::kQualifiedRadio).isChecked());
        EXPECT_FALSE(basic(Bas::kPartnerAlias).isEnabled());
        EXPECT_EQ(basic<TelaComboBox>(Bas::kMode).currentText(), "#INTER");
        sheet.accept();
    });
    EXPECT_EQ(result, 1);
    const auto after = snapshot(doc.store());
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0], before[1]); // the same values, moved to the first place
    EXPECT_EQ(after[1], before[0]);
}

TEST_F(CpicSheet, SecurityTypeFiveShowsAsTheFourthEntryAndIsWrittenBackAsFive) {
    CpicSideInfoRecord strong = sample();
    strong.secType = 5;
    store(strong);
    const int result = run("PAYROLL", [&](QDialog&) {
        ASSERT_TRUE(sheet.setActivePage(1));
        EXPECT_EQ(security<TelaComboBox>(Sec::kSecType).currentIndex(), 3);
        EXPECT_TRUE(security(Sec::kUserId).isEnabled());
        EXPECT_TRUE(security(Sec::kPassword).isEnabled());
        sheet.accept();
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(entry("PAYROLL").secType, 5);
}

TEST_F(CpicSheet, SameSecurityNeedsAUserIdButNoPassword) {
    store(sample());
    const auto before = snapshot(doc.store());
    run("PAYROLL", [&](QDialog&) {
        ASSERT_TRUE(sheet.setActivePage(1));
        security<TelaComboBox>(Sec::kSecType).setCurrentIndex(1);
        EXPECT_TRUE(security(Sec::kUserId).isEnabled());
        EXPECT_FALSE(security(Sec::kPassword).isEnabled());
        security(Sec::kUserId).clear();
        sheet.accept();
        EXPECT_TRUE(sheet.isVisible());
    });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, text(ids::kCpicMsgUserIdRequired));
    EXPECT_EQ(messages[0].style, kMbIconStop);
    EXPECT_EQ(snapshot(doc.store()), before);
}

TEST_F(CpicSheet, AModeNameOverEightCharactersIsRefusedBeforeAnythingIsWritten) {
    store(sample());
    const auto before = snapshot(doc.store());
    run("PAYROLL", [&](QDialog&) {
        retype(*basic<TelaComboBox>(Bas::kMode).lineEdit(), "longmode9");
        sheet.accept();
        EXPECT_TRUE(sheet.isVisible());
    });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, text(ids::kCpicMsgModeTooLong));
    EXPECT_EQ(messages[0].style, kMbIconStop);
    EXPECT_EQ(snapshot(doc.store()), before);
}

TEST_F(CpicSheet, TheStoredPasswordIsKeptBehindThePlaceholderAndReplacedByNewText) {
    store(sample());
    run("PAYROLL", [&](QDialog&) {
        ASSERT_TRUE(sheet.setActivePage(1));
        EXPECT_EQ(security(Sec::kPassword).text(), "**********");
        sheet.accept();
    });
    EXPECT_EQ(entry("PAYROLL").password, "SECRET");

    CPsCpic again("CPI-C");
    whileOpen(
        [&](QDialog&) {
            ASSERT_TRUE(again.setActivePage(1));
            retype(*again.securityPage().controlAs<QLineEdit>(Sec::kPassword), "NEWPW");
            again.accept();
        },
        [&] { return again.Run(doc, "PAYROLL"); });
    EXPECT_EQ(entry("PAYROLL").password, "NEWPW");
}

TEST_F(CpicSheet, AChangedNameWritesASecondEntryAndKeepsTheFirst) {
    store(sample());
    const int result = run("PAYROLL", [&](QDialog&) {
        retype(basic(Bas::kSymbName), "PAYROLL2");
        sheet.accept();
    });
    EXPECT_EQ(result, 1);
    std::vector<std::string> names;
    cpicListEntries(doc.store(), names);
    EXPECT_EQ(names, (std::vector<std::string>{"PAYROLL2", "PAYROLL"}));
    EXPECT_EQ(entry("PAYROLL2").password, "SECRET");
}

TEST_F(CpicSheet, AStoredModeThatNoStandardNameBeginsLeavesTheModeFieldEmpty) {
    CpicSideInfoRecord own = sample();
    own.mode = "MYMODE";
    store(own);
    run("PAYROLL", [&](QDialog&) {
        EXPECT_EQ(basic<TelaComboBox>(Bas::kMode).currentIndex(), -1);
        EXPECT_EQ(basic<TelaComboBox>(Bas::kMode).currentText(), "");
    });
}

TEST_F(CpicSheet, AnEntryThatIsGoneIsReportedAsCode66WithoutASheet) {
    const int result = run("NOSUCH", [&](QDialog&) { ADD_FAILURE() << "no sheet expected"; });
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(sheetWasShown);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, text(ids::kErr66));
}

TEST_F(CpicSheet, HelpShowsTheTopicsOfTheSheetItsPagesAndItsControls) {
    run("", [&](QDialog&) {
        basic(Bas::kSymbName).setFocus();
        sheet.helpRequest();
        basic<TelaComboBox>(Bas::kMode).lineEdit()->setFocus();
        sheet.helpRequest();
        EXPECT_EQ(sheet.basicPage().helpFor(sheet.basicPage().control(Bas::kModeLabel)),
                  helpTopic(1));
        ASSERT_TRUE(sheet.setActivePage(1));
        sheet.findChild<QDialogButtonBox*>()->setFocus();
        sheet.helpRequest();
    });
    EXPECT_EQ(help, (std::vector<HelpRef>{helpTopic(14), helpTopic(16), helpTopic(13)}));
}

// Through the option dispatch, as the main window reaches it.
TEST_F(CpicSheet, TheDispatchRunsTheSheetForKind12AndCancelLeavesStoreAndFlagAlone) {
    setEditorRunner(runEditorSheet);
    store(sample());
    doc.SetModifiedFlag(false);
    const auto before = snapshot(doc.store());
    int result = whileOpen(
        [&](QDialog& shown) {
            EXPECT_EQ(shown.windowTitle().toStdString(), text(ids::kTitleCpic));
            auto* cpic = qobject_cast<CPsCpic*>(&shown);
            ASSERT_NE(cpic, nullptr);
            retype(*cpic->basicPage().controlAs<QLineEdit>(Bas::kRemoteTp), "OTHERTP");
            shown.reject();
        },
        [&] { return doc.EditOptionRecord(kKindCpic, "PAYROLL"); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(snapshot(doc.store()), before);
    EXPECT_FALSE(doc.IsModified());

    result = whileOpen([&](QDialog& shown) { shown.accept(); },
                       [&] { return doc.EditOptionRecord(kKindCpic, "PAYROLL"); });
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(runEditorSheet(doc, kKindTp, "TP", ""), 0); // no sheet for that kind here
    setEditorRunner({});
}

} // namespace
