// The sheet base, on a small sheet of its own: a name page and a password page whose
// record is a TEST section of the store.
#include "cfg_doc.h"
#include "password_placeholder.h"
#include "property_sheet.h"
#include "sheet_page.h"
#include "sheet_test_support.h"
#include "string_ids.h"
#include "tela_edit.h"
#include "tela_user_static.h"
#include "test_helpers.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

using testing_support::snapshot;

namespace {

constexpr int kPasswordLimit = kCpicPassword.fieldLimit();

class TestPage : public SheetPage {
public:
    TestPage(HelpRef topic, const char* title, ControlRow control, std::string* field)
        : SheetPage(topic) {
        setWindowTitle(title);
        auto* form = new QFormLayout(this);
        auto* label = new TelaUserStatic(this);
        label->setObjectName("label");
        auto* edit = new TelaEdit(this);
        edit->setObjectName(control.objectName);
        form->addRow(label, edit);
        control.value = field;
        setControls({{1, "label", {}, 0, kStyleNone, ids::kCpicLegendSymbName, 0}, control});
    }
    TelaEdit& edit() { return *findChild<TelaEdit*>(QString(), Qt::FindDirectChildrenOnly); }
};

class TestSheet : public PropertySheet {
public:
    TestSheet() : PropertySheet("Test", {helpTopic(11), {helpTopic(12)}, HelpRef{}}, kMbOk) {}

    int Run(CCfgDoc& doc, const std::string& name, const std::string& storedPassword) {
        addPage(names);
        addPage(passwords);
        setDocument(doc);
        name_ = name;
        password_ = name.empty() ? "" : placeholder.hold(storedPassword);
        return runModal();
    }

    std::string name_, password_;
    TestPage names{HelpRef{}, "Name", {2, "nameEdit", {}, 8, kStyleUpperCase, 0, 14}, &name_};
    TestPage passwords{helpTopic(1),
                       "Password",
                       {4, "passwordEdit", {}, kPasswordLimit, kStylePassword, 0, 25},
                       &password_};
    PasswordPlaceholder placeholder{kCpicPassword};
    ErrorCode failWithCode = ErrorCode::None; // a write that refuses the record with this code

protected:
    int writeRecord(int& failureFlag, ErrorCode& errorCode) override {
        if (failWithCode != ErrorCode::None) {
            failureFlag = 256;
            errorCode = failWithCode;
            return 0;
        }
        CfgStore& store = document().store();
        store.appendSection("TEST");
        testing_support::appendKeyToLast(store, "NAME", name_);
        testing_support::appendKeyToLast(store, "PASSWORD", placeholder.resolve(password_));
        return 1;
    }
};

class SheetBase : public SheetTest {
protected:
    CCfgDoc doc;
    TestSheet sheet;
};

TEST_F(SheetBase, AFieldOverItsLimitIsRefusedAndAnUntouchedPlaceholderKeepsThePassword) {
    const int result = whileOpen(
        [&](QDialog&) {
            TelaEdit& name = sheet.names.edit();
            EXPECT_EQ(name.text(), "TOOLONGNAME"); // from the record, shown whole
            EXPECT_FALSE(sheet.setActivePage(1));  // the page may not be left
            EXPECT_EQ(sheet.activeIndex(), 0);
            sheet.accept(); // nor may the sheet close
            EXPECT_TRUE(sheet.isVisible());
            ASSERT_EQ(messages.size(), 2u);
            EXPECT_EQ(messages[0].text, "Please enter no more than 8 characters.");
            EXPECT_EQ(messages[0].style, kMbExclamation);
            EXPECT_TRUE(name.hasFocus());
            EXPECT_EQ(name.selectedText(), "TOOLONGNAME");
            name.setText("SHORTER8");
            ASSERT_TRUE(sheet.setActivePage(1));
            EXPECT_EQ(sheet.passwords.edit().text(), "**********"); // the stored one, hidden
            EXPECT_EQ(sheet.passwords.edit().echoMode(), QLineEdit::Password);
            sheet.accept();
        },
        [&] { return sheet.Run(doc, "TOOLONGNAME", "SECRET"); });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(
        snapshot(doc.store()),
        (testing_support::Sections{{"TEST", {{"NAME", "SHORTER8"}, {"PASSWORD", "SECRET"}}}}));
}

TEST_F(SheetBase, AFailedWriteKeepsTheSheetOpenAndCancelLeavesStoreAndFlag) {
    sheet.failWithCode = ErrorCode::Store;
    const int result = whileOpen(
        [&](QDialog&) {
            ASSERT_TRUE(sheet.setActivePage(1));
            sheet.passwords.edit().selectAll();
            QTest::keyClicks(&sheet.passwords.edit(), "*********"); // one star short: new text
            sheet.accept();
            EXPECT_TRUE(sheet.isVisible());
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].text, text(ids::kErr66));
            sheet.failWithCode = ErrorCode::None; // the cause went away: OK now succeeds
            sheet.accept();
            EXPECT_FALSE(sheet.isVisible());
        },
        [&] { return sheet.Run(doc, "NAME", "SECRET"); });
    EXPECT_EQ(result, 1);
    const auto before = snapshot(doc.store());
    EXPECT_EQ(before,
              (testing_support::Sections{{"TEST", {{"NAME", "NAME"}, {"PASSWORD", "*********"}}}}));

    for (bool modified : {false, true}) {
        doc.SetModifiedFlag(modified);
        TestSheet cancelled;
        const int cancel = whileOpen(
            [&](QDialog&) {
                QTest::keyClicks(&cancelled.names.edit(), "X");
                cancelled.reject();
            },
            [&] { return cancelled.Run(doc, "OTHER", ""); });
        EXPECT_EQ(cancel, 0);
        EXPECT_EQ(snapshot(doc.store()), before);
        EXPECT_EQ(doc.IsModified(), modified);
    }
}

TEST_F(SheetBase, HelpGoesToTheControlOrTheSheet) {
    whileOpen(
        [&](QDialog&) {
            sheet.names.edit().setFocus();
            sheet.helpRequest(); // on a control with a topic
            sheet.findChild<QTabWidget*>()->tabBar()->setFocus();
            sheet.helpRequest();                 // reaching the sheet: the active page's topic
            ASSERT_TRUE(sheet.setActivePage(1)); // a page without one: the sheet's
            sheet.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help)->click();
        },
        [&] { return sheet.Run(doc, "NAME", ""); });
    EXPECT_EQ(help, (std::vector<HelpRef>{helpTopic(14), helpTopic(12), helpTopic(11)}));
}

} // namespace
