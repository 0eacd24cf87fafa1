// The main window, with its problems panel, the review window and the About box worked
// from the keyboard alone; the sheets have their own pass in the editors' tests.
#include "gui_fixture.h"

#include "about_dialog.h"
#include "problems_panel.h"
#include "record_changes_view.h"
#include "review_dialog.h"
#include "save_content.h"
#include "window_checks.h"

#include <QPlainTextEdit>

using namespace gui_testing;

class KeyboardAccessTest : public AppTest {};

TEST_F(KeyboardAccessTest,
       TheMainWindowTheReviewWindowAndTheAboutBoxAreReachedWithTabAndMnemonics) {
    const QString file =
        writeConfig("a.ini", {{"CPIC_INFO", {{"SYMB_NAME", "ONE"}, {"MODE", "bad mode"}}},
                              {"CPIC_INFO", {{"SYMB_NAME", "TWO"}, {"PART_LU", "NETA.HOST"}}}});
    start({file});
    selectKind(kKindCpic);
    ASSERT_TRUE(frame().problemsPanel() && frame().problemsPanel()->isVisible());
    frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    expectKeyboardAccess(frame(), ui().optionsList);

    ReviewDialog review(reviewChanges(encoded(file), savedBytes(doc().store())), true);
    review.show();
    review.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&review));
    expectKeyboardAccess(review, &review.records());

    CAboutDlg about;
    about.show();
    about.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    expectKeyboardAccess(about, about.focusWidget() ? about.focusWidget() : &about);
}
