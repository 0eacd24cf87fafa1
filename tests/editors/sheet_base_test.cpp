// The sheet base, on a small sheet of its own: a name page and a password page whose
// record is a TEST section of the store.
#include "cfg_doc.h"
#include "cfg_store.h"
#include "password_placeholder.h"
#include "property_sheet.h"
#include "sheet_browse.h"
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
#include <QTest>

using testing_support::snapshot;

namespace {

constexpr int kNameLimit = 8;
constexpr int kPathLimit = 20;
constexpr int kPasswordLimit = 10;

class NamePage : public SheetPage {
public:
    NamePage() : SheetPage(HelpRef{}) {
        setWindowTitle("Name");
        auto* form = new QFormLayout(this);
        auto* label = new TelaUserStatic(this);
        label->setObjectName("nameLabel");
        auto* name = new TelaEdit(this);
        name->setObjectName("nameEdit");
        auto* path = new TelaEdit(this);
        path->setObjectName("pathEdit");
        form->addRow(label, name);
        form->addRow(QString(), path);
        setControls({
            {1, "nameLabel", {}, 0, kStyleNone, ids::kCpicLegendSymbName, 0},
            {2, "nameEdit", &name_, kNameLimit, kStyleUpperCase, 0, 14},
            {3, "pathEdit", &path_, kPathLimit, kStyleNone, 0, 0},
        });
    }
    std::string name_;
    std::string path_;
};

class PasswordPage : public SheetPage {
public:
    PasswordPage() : SheetPage(helpTopic(1)) {
        setWindowTitle("Password");
        auto* form = new QFormLayout(this);
        auto* password = new TelaEdit(this);
        password->setObjectName("passwordEdit");
        form->addRow(QString(), password);
        setControls({{4, "passwordEdit", &password_, kPasswordLimit, kStylePassword, 0, 25}});
    }
    std::string password_;
};

class TestSheet : public PropertySheet {
public:
    TestSheet() : PropertySheet("Test", {helpTopic(11), {helpTopic(12)}, HelpRef{}}, kMbOk) {}

    int Run(CCfgDoc& doc, const std::string& name, const std::string& storedPassword) {
        addPage(names);
        addPage(passwords);
        setDocument(doc);
        names.name_ = name;
        passwords.password_ = name.empty() ? "" : placeholder.hold(storedPassword);
        return runModal();
    }

    NamePage names;
    PasswordPage passwords;
    PasswordPlaceholder placeholder{kPasswordLimit};
    int failWithCode = 0; // a write that refuses the record with this code

protected:
    int writeRecord(int& failureFlag, int& errorCode) override {
        if (failWithCode) {
            failureFlag = 256;
            errorCode = failWithCode;
            return 0;
        }
        CfgStore& store = document().store();
        store.appendSection("TEST");
        store.appendKeyToLast("NAME", names.name_);
        store.appendKeyToLast("PASSWORD", placeholder.resolve(passwords.password_));
        return 1;
    }
};

TelaEdit& edit(SheetPage& page, int id) {
    return *page.controlAs<TelaEdit>(id);
}

class SheetBase : public SheetTest {
protected:
    CCfgDoc doc;
    TestSheet sheet;
};

TEST_F(SheetBase, AFieldOverItsLimitIsShownWholeAndRefusedOnLeavingWithTheFocusOnIt) {
    const int result = whileOpen(
        [&](QDialog&) {
            TelaEdit& name = edit(sheet.names, 2);
            EXPECT_EQ(name.text(), "TOOLONGNAME"); // from the record, shown whole

            EXPECT_FALSE(sheet.setActivePage(1)); // the page may not be left
            EXPECT_EQ(sheet.activeIndex(), 0);
            sheet.accept(); // nor may the sheet close
            EXPECT_TRUE(sheet.isVisible());
            ASSERT_EQ(messages.size(), 2u);
            EXPECT_EQ(messages[0].text, "Please enter no more than 8 characters.");
            EXPECT_EQ(messages[0].style, kMbExclamation);
            EXPECT_TRUE(name.hasFocus());
            EXPECT_EQ(name.selectedText(), "TOOLONGNAME");

            name.setText("SHORT");
            EXPECT_TRUE(sheet.setActivePage(1));
            sheet.accept();
        },
        [&] { return sheet.Run(doc, "TOOLONGNAME", ""); });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(messages.size(), 2u);
    ASSERT_EQ(snapshot(doc.store()).size(), 1u);
    EXPECT_EQ(snapshot(doc.store())[0].second[0].second, "SHORT");
}

TEST_F(SheetBase, ThePasswordPlaceholderKeepsTheStoredPasswordAndAnyOtherTextReplacesIt) {
    PasswordPlaceholder rule(kPasswordLimit);
    EXPECT_EQ(rule.hold("SECRET"), "**********");
    EXPECT_EQ(rule.resolve("**********"), "SECRET");
    EXPECT_EQ(rule.resolve("*********"), "*********");
    EXPECT_EQ(rule.resolve(""), "");

    whileOpen(
        [&](QDialog&) {
            ASSERT_TRUE(sheet.setActivePage(1));
            EXPECT_EQ(edit(sheet.passwords, 4).text(), "**********");
            EXPECT_EQ(edit(sheet.passwords, 4).echoMode(), QLineEdit::Password);
            sheet.accept();
        },
        [&] { return sheet.Run(doc, "KEEP", "SECRET"); });
    TestSheet second;
    whileOpen(
        [&](QDialog&) {
            ASSERT_TRUE(second.setActivePage(1));
            TelaEdit& password = edit(second.passwords, 4);
            password.selectAll();
            QTest::keyClicks(&password, "NEWPW");
            second.accept();
        },
        [&] { return second.Run(doc, "CHANGE", "SECRET"); });
    const auto sections = snapshot(doc.store());
    ASSERT_EQ(sections.size(), 2u);
    EXPECT_EQ(sections[0].second[1].second, "SECRET");
    EXPECT_EQ(sections[1].second[1].second, "NEWPW");
}

TEST_F(SheetBase, AFailedWriteIsReportedByItsCodeAndKeepsTheSheetOpen) {
    sheet.failWithCode = 66;
    const int result = whileOpen(
        [&](QDialog&) {
            sheet.accept();
            EXPECT_TRUE(sheet.isVisible());
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].text, text(ids::kErr66));
            EXPECT_EQ(messages[0].style, kMbOk);
            sheet.failWithCode = 0; // the cause went away: OK now succeeds
            sheet.accept();
            EXPECT_FALSE(sheet.isVisible());
        },
        [&] { return sheet.Run(doc, "NAME", ""); });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(snapshot(doc.store()).size(), 1u);
}

TEST_F(SheetBase, CancelWritesNothing) {
    const int result = whileOpen(
        [&](QDialog&) {
            QTest::keyClicks(&edit(sheet.names, 2), "X");
            sheet.reject();
        },
        [&] { return sheet.Run(doc, "NAME", ""); });
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(doc.store().empty());
}

TEST_F(SheetBase, HelpGoesToTheControlThePageOrTheSheet) {
    whileOpen(
        [&](QDialog&) {
            TelaEdit& name = edit(sheet.names, 2);
            name.setFocus();
            sheet.helpRequest(); // on a control with a topic
            sheet.findChild<QTabWidget*>()->tabBar()->setFocus();
            sheet.helpRequest(); // reaching the sheet: the active page's topic
            EXPECT_EQ(sheet.names.helpFor(sheet.names.control(1)), HelpRef{}); // a static
            EXPECT_EQ(sheet.names.helpFor(sheet.names.control(3)), HelpRef{}); // no topic
            ASSERT_TRUE(sheet.setActivePage(1));
            edit(sheet.passwords, 4).setFocus();
            QTest::keyClick(&edit(sheet.passwords, 4), Qt::Key_F1);
            sheet.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help)->click();
        },
        [&] { return sheet.Run(doc, "NAME", ""); });
    const std::vector<HelpRef> expected{helpTopic(14), helpTopic(12), helpTopic(25), helpTopic(11)};
    EXPECT_EQ(help, expected);
}

TEST_F(SheetBase, BrowsePutsThePathIntoTheFieldAndChecksItsLengthAtOnce) {
    const QString longPath = "/opt/client/programs/a-rather-long-name.exe";
    QString askedFilter;
    setFileDialogHook([&](QWidget*, const QString&, const QString& filter) {
        askedFilter = filter;
        return longPath;
    });
    whileOpen(
        [&](QDialog&) {
            EXPECT_TRUE(
                browseForPath(sheet.names, 3, "(*.exe)|*.exe|(*.*)|*.*||", ids::kTpBrowseTitle));
            TelaEdit& path = edit(sheet.names, 3);
            EXPECT_EQ(path.text(), longPath);
            EXPECT_TRUE(path.hasFocus());
            EXPECT_EQ(path.selectedText(), longPath);
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].text, "Please enter no more than 20 characters.");
        },
        [&] { return sheet.Run(doc, "NAME", ""); });
    setFileDialogHook({});
    EXPECT_EQ(askedFilter, "(*.exe) (*.exe);;(*.*) (*.*)");
    EXPECT_TRUE(doc.store().empty());
}

} // namespace
