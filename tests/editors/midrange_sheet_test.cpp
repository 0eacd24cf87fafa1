// The midrange systems sheet and its System Properties dialog as a user meets them: a
// store, the sheet or dialog filled, OK pressed, the store checked. The dialog, modal over
// the sheet, is acted on while it runs, as the sheet is.
#include "cfg_doc.h"
#include "midrange_records.h"
#include "midrange_sheet.h"
#include "midrange_system_dialog.h"
#include "sheet_test_support.h"
#include "string_ids.h"
#include "tela_combo_box.h"
#include "tela_list_box.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

using Form = MidrangeSystemForm;
using Common = CPgNODEXCommom;

class MidrangeSheet : public SheetTest {
protected:
    CCfgDoc doc;

    void storeSystem(const std::string& host, const std::string& user, const std::string& pw) {
        int flag = 0;
        ErrorCode code = ErrorCode::None;
        ASSERT_EQ(midrangeWriteSystem(doc.store(), host, user, pw, flag, code), 1) << code;
    }
    MidrangeSystemRecord system(const std::string& host) {
        MidrangeSystemRecord record;
        record.hostName = host;
        EXPECT_EQ(midrangeReadSystem(doc.store(), record), 1) << host;
        return record;
    }
    std::vector<std::string> systems() {
        std::vector<std::string> names;
        std::string defaultName;
        midrangeListSystems(doc.store(), names, defaultName);
        return names;
    }
    std::string defaultSystem() {
        std::vector<std::string> names;
        std::string defaultName;
        midrangeListSystems(doc.store(), names, defaultName);
        return defaultName;
    }
    static QLineEdit& field(CDlgNODEXSystem& dialog, int id) {
        return *dialog.form().controlAs<QLineEdit>(id);
    }
    // Clicks button, which opens the System Properties dialog, and acts on that dialog.
    void inDialog(QPushButton& button, const std::function<void(CDlgNODEXSystem&)>& act) {
        whileOpen([&](QDialog& shown) { act(static_cast<CDlgNODEXSystem&>(shown)); },
                  [&] {
                      button.click();
                      return 0;
                  });
    }
    // Adds a system through the sheet's Add button and the dialog's OK.
    void add(CPsNODEX& sheet, const char* host) {
        inDialog(*sheet.basicPage().controlAs<QPushButton>(CPgNODEXBas::kAdd),
                 [&](CDlgNODEXSystem& dialog) {
                     QTest::keyClicks(&field(dialog, Form::kHost), host);
                     dialog.accept();
                 });
    }
    QStringList listed(CPsNODEX& sheet) {
        QStringList names;
        for (int i = 0; i < sheet.basicPage().systems().GetCount(); ++i)
            names << sheet.basicPage().systems().GetText(i);
        return names;
    }
    std::vector<std::string> shownTexts() {
        std::vector<std::string> texts;
        for (const ShownMessage& m : messages) {
            texts.push_back(m.text);
            EXPECT_EQ(m.style, kMbIconStop) << m.text;
        }
        return texts;
    }
};

TEST_F(MidrangeSheet, AnEmptyStoreNeedsASystemAndAModeOfEightCharacters) {
    CPsNODEX sheet("Midrange Systems");
    const int result = whileOpen(
        [&](QDialog&) {
            EXPECT_EQ(sheet.basicPage().systems().GetCount(), 0);
            ASSERT_TRUE(sheet.setActivePage(1));
            auto& mode = *sheet.commonPage().controlAs<TelaComboBox>(Common::kMode);
            EXPECT_EQ(mode.currentText(), "XLNKMOD");
            EXPECT_EQ(QApplication::focusWidget(), sheet.commonPage().control(Common::kLocalLu));
            sheet.accept(); // no system
            ASSERT_TRUE(sheet.setActivePage(0));
            add(sheet, "  host1 "); // trimmed, in capitals
            EXPECT_EQ(listed(sheet), QStringList{"HOST1"});
            ASSERT_TRUE(sheet.setActivePage(1));
            retype(*mode.lineEdit(), "longmode9");
            sheet.accept();
            retype(*mode.lineEdit(), "#inter");
            sheet.accept();
        },
        [&] { return sheet.Run(doc, "ignored"); });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{text(ids::kMidMsgNoSystem),
                                                      text(ids::kMidMsgModeInvalid)}));
    EXPECT_EQ(systems(), std::vector<std::string>{"HOST1"});
    MidrangeCommonRecord common;
    midrangeReadCommon(doc.store(), common);
    EXPECT_EQ(common.mode, "#INTER");
}

TEST_F(MidrangeSheet, TheSystemDialogKeepsReplacesOrRefusesPasswords) {
    struct Case {
        const char* what;
        std::string user, password; // stored
        std::function<void(CDlgNODEXSystem&)> act;
        std::string written; // the password afterwards
        int message;         // shown, 0 for none
    };
    const QString placeholder(10, '*');
    const std::vector<Case> cases{
        {"the placeholder keeps the password", "U1", "PW1", [](CDlgNODEXSystem&) {}, "PW1", 0},
        {"two equal new fields replace it", "U1", "PW1",
         [](CDlgNODEXSystem& d) {
             retype(field(d, Form::kPassword), "newpw");
             retype(field(d, Form::kVerify), "newpw");
         },
         "NEWPW", 0},
        {"a new password in one field only", "U1", "PW1",
         [](CDlgNODEXSystem& d) { retype(field(d, Form::kPassword), "newpw"); }, "PW1",
         ids::kMsgPasswordMismatch},
        {"a user ID without password keeps the empty one", "U2", "", [](CDlgNODEXSystem&) {}, "",
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages.clear();
        help.clear();
        storeSystem("SYS1", c.user, c.password);
        CDlgNODEXSystem dialog;
        whileOpen(
            [&](QDialog&) {
                EXPECT_FALSE(field(dialog, Form::kHost).isEnabled());
                EXPECT_EQ(field(dialog, Form::kHost).text(), "SYS1");
                EXPECT_EQ(field(dialog, Form::kPassword).text(), placeholder);
                EXPECT_EQ(field(dialog, Form::kVerify).text(), placeholder);
                if (c.message == 0 && c.password == "PW1")
                    saveScreenshot(dialog, "midrange-system-existing");
                c.act(dialog);
                dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help)->click();
                // F1 in a field of the security group is the field's help, not the group's.
                field(dialog, Form::kPassword).setFocus();
                dialog.helpRequest();
                dialog.accept();
                // A refusal keeps the dialog open with what was typed; Escape stores nothing.
                EXPECT_EQ(dialog.isVisible(), c.message != 0);
                if (dialog.isVisible()) {
                    EXPECT_EQ(field(dialog, Form::kPassword).text(), "NEWPW");
                    QTest::keyClick(&dialog, Qt::Key_Escape);
                }
            },
            [&] { return dialog.ShowSystem(doc, "SYS1"); });
        EXPECT_EQ(system("SYS1").password, c.written);
        EXPECT_EQ(system("SYS1").userId, c.user);
        EXPECT_EQ(messages.size(), c.message ? 1u : 0u);
        EXPECT_EQ(help, (std::vector<HelpRef>{helpTopic(53), helpTopic(51)}));
    }
}

TEST_F(MidrangeSheet, TheBasicPageWritesAtOnceAndGuardsTheDefault) {
    storeSystem("SYS2", "", "");
    storeSystem("SYS1", "", "");
    ASSERT_EQ(midrangeSetDefault(doc.store(), "SYS2"), 1);
    CPsNODEX sheet("Midrange Systems");
    const int result = whileOpen(
        [&](QDialog&) {
            CPgNODEXBas& basic = sheet.basicPage();
            EXPECT_EQ(listed(sheet), (QStringList{"SYS1", "SYS2"}));
            EXPECT_EQ(basic.systems().GetCurSel(), 0);
            EXPECT_EQ(basic.defaultChoice().currentText(), "SYS2");
            // A system added under a name that exists replaces it and keeps its mark.
            add(sheet, "sys2");
            EXPECT_EQ(defaultSystem(), "SYS2");
            retype(*basic.defaultChoice().lineEdit(), "nope");
            EXPECT_FALSE(sheet.setActivePage(1)); // not a listed system: the page stays
            retype(*basic.defaultChoice().lineEdit(), "sys1");
            EXPECT_TRUE(sheet.setActivePage(1));
            EXPECT_EQ(defaultSystem(), "SYS2") << "a choice is stored with the sheet's OK";
            ASSERT_TRUE(sheet.setActivePage(0));
            EXPECT_EQ(basic.defaultChoice().currentText(), "SYS1") << "and stays chosen";
            auto& remove = *basic.controlAs<QPushButton>(CPgNODEXBas::kRemove);
            remove.click(); // SYS1, the first and selected one: no question
            EXPECT_EQ(listed(sheet), QStringList{"SYS2"});
            remove.click();
            sheet.accept(); // nothing left
            EXPECT_TRUE(sheet.isVisible());
        },
        [&] { return sheet.Run(doc, ""); });
    EXPECT_EQ(result, 0); // cancelled, but the removals stay
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{text(ids::kMidMsgDefaultUnknown),
                                                      text(ids::kMidMsgNoSystem)}));
    EXPECT_TRUE(systems().empty());
}

} // namespace
