// The main window, with its problems panel, the review and merge windows, the About box and
// the help window worked from the keyboard alone, in each language; the sheets have their own pass
// in the editors' tests.
#include "gui_fixture.h"

#include "about_dialog.h"
#include "help_viewer.h"
#include "help_window.h"
#include "problems_panel.h"
#include "record_changes_view.h"
#include "record_merge.h"
#include "review_dialog.h"
#include "save_content.h"
#include "window_checks.h"

#include <QPlainTextEdit>
#include <QTreeView>
#include <QTreeWidget>

using namespace gui_testing;

class KeyboardAccessTest : public AppTest {
protected:
    // Starts the program with LANGUAGE set, as a desktop sets it.
    void startIn(const char* language, const QStringList& arguments) {
        qputenv("LANGUAGE", language);
        start(arguments);
        qunsetenv("LANGUAGE");
    }
    // Keys go where the focus is.
    static void press(const QKeySequence& keys) {
        QTest::keySequence(QApplication::focusWidget(), keys);
    }
    void activate(QWidget& window) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

TEST_F(KeyboardAccessTest, EveryWindowOfTheMainWindowIsReachedWithTabAndMnemonicsInEachLanguage) {
    const QString file =
        writeConfig("a.ini", {{"CPIC_INFO", {{"SYMB_NAME", "ONE"}, {"MODE", "bad mode"}}},
                              {"CPIC_INFO", {{"SYMB_NAME", "TWO"}, {"PART_LU", "NETA.HOST"}}}});
    for (const char* language : {"en", "de"}) {
        SCOPED_TRACE(language);
        startIn(language, {file});
        selectKind(kKindCpic);
        ASSERT_TRUE(frame().problemsPanel() && frame().problemsPanel()->isVisible());
        activate(frame());
        expectKeyboardAccess(frame(), ui().optionsList);

        ReviewDialog review(reviewChanges(encoded(file), savedBytes(doc().store())), true);
        activate(review);
        expectKeyboardAccess(review, &review.records());

        // The merge window: the review with the conflicts to choose in.
        std::vector<MergeConflict> conflicts(1);
        conflicts.front().id = {RecordFamily::Cpic, false, "CPIC_INFO", "ONE"};
        ReviewDialog merge(reviewChanges(encoded(file), savedBytes(doc().store())), true);
        merge.showConflicts(
            conflicts, [&] { return reviewChanges(encoded(file), savedBytes(doc().store())); });
        activate(merge);
        expectKeyboardAccess(merge, merge.findChild<QTreeWidget*>("mergeConflicts"));

        CAboutDlg about;
        activate(about);
        expectKeyboardAccess(about, about.focusWidget() ? about.focusWidget() : &about);

        frame().ui().actionHelpIndex->trigger();
        HelpWindow* help = HtmlHelp::instance().window();
        ASSERT_NE(help, nullptr);
        activate(*help);
        expectKeyboardAccess(*help, help->findChild<QTreeView*>());
        help->close();
    }
}

TEST_F(KeyboardAccessTest, EnterOpensARecordTheDefaultStaysEnabledAndCtrlQAndCtrlShiftSWork) {
    start({writeConfig("a.ini", cpic({"ONE", "TWO"}))});
    std::vector<std::string> opened;
    setEditorRunner(
        [&](CCfgDoc& d, const RecordKind&, const std::string&, const std::string& name) {
            opened.push_back(name);
            if (name.empty()) // New stores a midrange system, whatever the kind
                testing_support::fill(d.store(), {{"NODEX_SYSTEM", {{"HOST_NAME", "HOSTA"}}}});
            return 1;
        });
    activate(frame());
    selectKind(kKindCpic);
    selectRow(1);
    ui().recordsList->setFocus();
    QTest::keyClick(ui().recordsList, Qt::Key_Return); // the record, though New is the default
    EXPECT_EQ(opened, std::vector<std::string>{"TWO"});

    // New on a one-record kind makes View/Change/Add the default; a new document has no
    // record, and Enter presses New again.
    selectKind(kKindMidrange);
    QTest::keyClick(ui().newButton, Qt::Key_Space);
    ASSERT_TRUE(ui().changeButton->isDefault());
    script.answerMessage(QMessageBox::No);
    press(QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(pathName(), "");
    EXPECT_TRUE(ui().newButton->isDefault());
    ui().optionsList->setFocus();
    QTest::keyClick(ui().optionsList, Qt::Key_Return);
    EXPECT_EQ(opened, (std::vector<std::string>{"TWO", "", ""}));

    press(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    EXPECT_EQ(script.shown().back().kind, PromptScript::Shown::SaveFile);
    press(QKeySequence(Qt::CTRL | Qt::Key_Q)); // asks, Cancel stays
    EXPECT_EQ(script.shown().back().text, QStringLiteral("Save changes to Untitled?"));
    EXPECT_TRUE(frame().isVisible());
}
