// The CPI-C sheet reached the way a user reaches it: from the main window's New button,
// a double click on an entry, and View/Change/Add.
#ifdef APICFG_HAVE_MAIN_WINDOW

#include "cfg_doc.h"
#include "cfg_frm_view.h"
#include "cpic_records.h"
#include "cpic_sheet.h"
#include "editor_dispatch.h"
#include "main_frame.h"
#include "option_kinds.h"
#include "sheet_test_support.h"

#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

class MainWindowCpic : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        setEditorRunner(runEditorSheet);
        CpicSideInfoRecord first;
        first.symbName = "FIRST";
        first.localLu = "*";
        first.partnerLu = "HOSTPLU";
        first.mode = "#INTER";
        first.remoteTp = "OLDTP";
        int flag = 0, code = 0;
        ASSERT_EQ(cpicWriteEntry(doc.store(), first, flag, code), 1);
        frame = std::make_unique<CMainFrame>(doc);
        frame->show();
        frame->view()->OnInitialUpdate();
        auto* options = frame->findChild<QListWidget*>("optionsList");
        ASSERT_NE(options, nullptr);
        for (int row = 0; row < options->count(); ++row)
            if (options->item(row)->data(Qt::UserRole).toInt() == kKindCpic)
                options->setCurrentRow(row);
        ASSERT_EQ(frame->view()->currentKind(), kKindCpic);
        list = frame->findChild<QListView*>("recordsList");
        ASSERT_NE(list, nullptr);
    }
    void TearDown() override {
        frame.reset();
        setEditorRunner({});
        SheetTest::TearDown();
    }

    QStringList listed() const {
        QStringList names;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            names << list->model()->index(row, 0).data().toString();
        return names;
    }
    QModelIndex row(const QString& name) const {
        return list->model()->index(static_cast<int>(listed().indexOf(name)), 0);
    }
    static CPsCpic& cpic(QDialog& shown) {
        auto* sheet = qobject_cast<CPsCpic*>(&shown);
        EXPECT_NE(sheet, nullptr);
        return *sheet;
    }
    static QLineEdit& field(CPsCpic& sheet, int id) {
        return *sheet.basicPage().controlAs<QLineEdit>(id);
    }
    void press(const char* button) {
        whileOpen(act, [&] {
            QTest::mouseClick(frame->findChild<QPushButton*>(button), Qt::LeftButton);
            return 0;
        });
    }

    CCfgDoc doc;
    std::unique_ptr<CMainFrame> frame;
    QListView* list = nullptr;
    std::function<void(QDialog&)> act;
};

TEST_F(MainWindowCpic, NewDoubleClickAndViewChangeOpenTheSheetAndTheListFollows) {
    act = [&](QDialog& shown) {
        CPsCpic& sheet = cpic(shown);
        QTest::keyClicks(&field(sheet, CPgCpicBas::kSymbName), "second");
        QTest::keyClicks(&field(sheet, CPgCpicBas::kRemoteTp), "NEWTP");
        sheet.accept();
    };
    press("newButton");
    EXPECT_TRUE(sheetWasShown);
    EXPECT_EQ(listed(), (QStringList{"SECOND", "FIRST"}));
    EXPECT_TRUE(doc.IsModified());

    doc.SetModifiedFlag(false);
    act = [&](QDialog& shown) {
        CPsCpic& sheet = cpic(shown);
        EXPECT_EQ(field(sheet, CPgCpicBas::kSymbName).text(), "FIRST");
        EXPECT_EQ(field(sheet, CPgCpicBas::kPartnerAlias).text(), "HOSTPLU");
        QLineEdit& tp = field(sheet, CPgCpicBas::kRemoteTp);
        tp.selectAll();
        QTest::keyClicks(&tp, "CHANGEDTP");
        sheet.accept();
    };
    const QModelIndex first = row("FIRST");
    list->setCurrentIndex(first);
    QApplication::processEvents();
    const QPoint at = list->visualRect(first).center();
    ASSERT_TRUE(list->viewport()->rect().contains(at));
    whileOpen(act, [&] {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        return 0;
    });
    EXPECT_TRUE(sheetWasShown);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(listed(), (QStringList{"FIRST", "SECOND"})); // a written entry comes first
    CpicSideInfoRecord stored;
    stored.symbName = "FIRST";
    ASSERT_EQ(cpicReadEntry(doc.store(), stored), 1);
    EXPECT_EQ(stored.remoteTp, "CHANGEDTP");

    doc.SetModifiedFlag(false);
    list->setCurrentIndex(row("SECOND"));
    act = [&](QDialog& shown) {
        EXPECT_EQ(field(cpic(shown), CPgCpicBas::kSymbName).text(), "SECOND");
        shown.reject();
    };
    press("changeButton");
    EXPECT_TRUE(sheetWasShown);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(listed(), (QStringList{"FIRST", "SECOND"}));
}

} // namespace

#endif
