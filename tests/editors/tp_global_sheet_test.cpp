// The attach transaction program and global settings sheets as a user meets them: a store,
// the sheet filled, OK pressed, the store checked.
#include "cfg_doc.h"
#include "global_records.h"
#include "global_sheet.h"
#include "sheet_browse.h"
#include "sheet_test_support.h"
#include "string_ids.h"
#include "test_helpers.h"
#include "tp_records.h"
#include "tp_sheet.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace {

class TpSheet : public SheetTest {
protected:
    CCfgDoc doc;
    CPsTP sheet{"Transaction Program"};

    template <typename W = QLineEdit> W& field(int id) {
        return *sheet.basicPage().controlAs<W>(id);
    }
    int run(const std::string& name, const std::function<void(QDialog&)>& act) {
        return whileOpen(act, [&] { return sheet.Run(doc, name); });
    }
    AttachTpRecord entry(const std::string& name) {
        AttachTpRecord record;
        record.tpName = name;
        EXPECT_EQ(tpReadEntry(doc.store(), record), 1) << name;
        return record;
    }
};

using Tp = CPgTPBas;

TEST_F(TpSheet, ANewEntryOpensWithTheDefaultsAndKeepsTheCaseOfItsName) {
    const int result = run("", [&](QDialog&) {
        EXPECT_EQ(field(Tp::kLuName).text(), "*");
        EXPECT_EQ(field(Tp::kPath).text(), "");
        EXPECT_EQ(field(Tp::kParameters).text(), "");
        EXPECT_FALSE(field<QCheckBox>(Tp::kServiceTp).isChecked());
        EXPECT_TRUE(field<QCheckBox>(Tp::kDynamicLoad).isChecked());
        QTest::keyClicks(&field(Tp::kTpName), "PayRoll");
        field<QCheckBox>(Tp::kDynamicLoad).click(); // not loaded by the client: no path needed
        sheet.accept();
    });
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(messages.empty());
    const AttachTpRecord stored = entry("PayRoll"); // the case as typed
    EXPECT_EQ(stored.tpOp, 1);
    EXPECT_EQ(stored.tpType, 0);
    EXPECT_EQ(stored.luName, "*");
}

TEST_F(TpSheet, BrowseFillsThePathAndAPathTooLongIsToldAtOnce) {
    int flag = 0;
    ErrorCode code = ErrorCode::None;
    ASSERT_EQ(tpWriteEntry(doc.store(), {"PAY", "LU1", "/opt/pay", "-v", 0, 0}, flag, code), 1);
    const std::string longPath = "/opt/" + std::string(80, 'p');
    std::vector<QString> filters, titles;
    QString chosen = QString::fromStdString(longPath);
    setFileDialogHook([&](QWidget*, const QString& title, const QString& filter) {
        titles.push_back(title);
        filters.push_back(filter);
        return chosen;
    });
    const int result = run("PAY", [&](QDialog&) {
        EXPECT_EQ(field(Tp::kPath).text(), "/opt/pay");
        EXPECT_TRUE(field<QCheckBox>(Tp::kDynamicLoad).isChecked());
        field<QPushButton>(Tp::kBrowse).click();
        // The length message comes at once, with the focus on the whole path.
        EXPECT_EQ(messages.size(), 1u);
        EXPECT_EQ(QApplication::focusWidget(), &field(Tp::kPath));
        EXPECT_EQ(field(Tp::kPath).selectedText().size(), static_cast<int>(longPath.size()));
        // A byte the file cannot carry is refused on OK, not by the save.
        field(Tp::kPath).setText(QStringLiteral("/opt/pay\u00ff"));
        sheet.accept();
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[1].text, text(ids::kRuleLineBreak));
        EXPECT_EQ(QApplication::focusWidget(), &field(Tp::kPath));
        chosen = "/opt/pay/bin/payroll";
        field<QPushButton>(Tp::kBrowse).click();
        EXPECT_EQ(field(Tp::kPath).text(), chosen);
        sheet.accept();
    });
    setFileDialogHook({});
    EXPECT_EQ(result, 1);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[0].text.find("80"), std::string::npos) << messages[0].text;
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_EQ(titles[0].toStdString(), text(ids::kTpBrowseTitle));
    EXPECT_EQ(filters[0].toStdString(), text(ids::kTpBrowseFilter));
    EXPECT_EQ(entry("PAY").path, "/opt/pay/bin/payroll");
    EXPECT_EQ(entry("PAY").parmString, "-v");
}

class GlobalSheet : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        ASSERT_TRUE(m_dir.isValid());
        const std::string conf = m_dir.filePath("installation.conf").toStdString();
        std::ofstream(conf) << "[Install Summary]\nInstallation Directory=/opt/sna\n";
        ::setenv("APICFG_INSTALLATION_FILE", conf.c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("APICFG_INSTALLATION_FILE");
        SheetTest::TearDown();
    }

    CCfgDoc doc;
    QTemporaryDir m_dir;

    GlobalRecord stored() {
        GlobalRecord record;
        globalRead(doc.store(), record);
        return record;
    }
    // Opens the sheet on the store, acts, presses OK; the sheet's result.
    int runWith(const std::function<void(CPgUIPWBas&, CPsUIPW&)>& act) {
        CPsUIPW sheet("Global Settings");
        return whileOpen([&](QDialog&) { act(sheet.basicPage(), sheet); },
                         [&] { return sheet.Run(doc, "ignored"); });
    }
};

using Gl = CPgUIPWBas;
QLineEdit& at(Gl& page, int id) {
    return *page.controlAs<QLineEdit>(id);
}

struct GlobalCase {
    const char* what;
    std::function<void(Gl&)> act;
    int result;              // of the sheet: 0 for a refusal that keeps it open
    int message;             // the string id shown, 0 for none
    std::string table;       // TRANSLATE_TABLE afterwards
    std::string password;    // PASSWORD afterwards
    bool tableEmpty = false; // the table field as OK left it
};

// The cases run in turn on one store: once the second has stored the password Secret1,
// the others start from it.
std::vector<GlobalCase> globalCases(const std::string& kDefault) {
    return {
        {"untouched: the default table is shown and written",
         [kDefault](Gl& p) { EXPECT_EQ(at(p, Gl::kTranslate).text().toStdString(), kDefault); }, 1,
         0, kDefault, ""},
        {"a password typed twice",
         [](Gl& p) {
             QTest::keyClicks(&at(p, Gl::kPassword), "Secret1");
             QTest::keyClicks(&at(p, Gl::kVerify), "Secret1");
         },
         1, 0, kDefault, "Secret1"},
        {"a stored password opens as the placeholder and is kept",
         [](Gl& p) {
             EXPECT_EQ(at(p, Gl::kPassword).text(), QString(14, '*'));
             EXPECT_EQ(at(p, Gl::kVerify).text(), QString(14, '*'));
             at(p, Gl::kTranslate).clear(); // written as the default, the field stays empty
         },
         1, 0, kDefault, "Secret1", true},
        {"a new password in the first field only",
         [](Gl& p) { retype(at(p, Gl::kPassword), "Other"); }, 0, ids::kMsgPasswordMismatch,
         kDefault, "Secret1"},
        {"a default LU alias that is no LU name",
         [](Gl& p) { QTest::keyClicks(&at(p, Gl::kDefLu), "A-B"); }, 0, ids::kRuleDefLu, kDefault,
         "Secret1"},
        {"both password fields cleared",
         [](Gl& p) {
             at(p, Gl::kPassword).clear();
             at(p, Gl::kVerify).clear();
             retype(at(p, Gl::kTranslate), "/etc/sna/table.dat");
         },
         1, 0, "/etc/sna/table.dat", ""},
    };
}

TEST_F(GlobalSheet, TheDefaultTableThePlaceholderAndThePasswordPair) {
    EXPECT_EQ(defaultTranslateTable(), "/opt/sna\\COMTBLG.DAT");
    // The load-balancing switch of the server list lives in the same section.
    testing_support::fill(doc.store(), {{"GLOBAL", {{"LU62_LB", "1"}}}});
    const std::string kDefault = defaultTranslateTable();
    for (const GlobalCase& c : globalCases(kDefault)) {
        SCOPED_TRACE(c.what);
        messages.clear();
        bool stayedOpen = false;
        QString tableField;
        const int result = runWith([&](Gl& page, CPsUIPW& sheet) {
            c.act(page);
            sheet.accept();
            stayedOpen = sheet.isVisible();
            // A refusal leaves the cursor in the field it is about.
            if (c.message == ids::kMsgPasswordMismatch || c.message == ids::kRuleDefLu) {
                const int field = c.message == ids::kRuleDefLu ? Gl::kDefLu : Gl::kPassword;
                EXPECT_EQ(QApplication::focusWidget(), &at(page, field));
            }
            tableField = at(page, Gl::kTranslate).text();
        });
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(stayedOpen, c.result == 0);
        ASSERT_EQ(messages.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(messages[0].text, text(c.message));
            if (c.message == ids::kMsgPasswordMismatch) {
                EXPECT_EQ(messages[0].style, kMbIconStop);
            }
        }
        const testing_support::Keys global = sectionsNamed(doc.store(), "GLOBAL").front();
        EXPECT_NE(std::find(global.begin(), global.end(),
                            std::pair<std::string, std::string>{"LU62_LB", "1"}),
                  global.end());
        EXPECT_EQ(stored().translateTable, c.table);
        EXPECT_EQ(stored().password, c.password);
        EXPECT_EQ(tableField.isEmpty(), c.tableEmpty);
    }
}

} // namespace
