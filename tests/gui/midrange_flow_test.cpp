// The midrange systems sheet from the main window: the systems it writes before its OK or
// Cancel reach the records list, the modified flag and undo.
#include "gui_fixture.h"

#include "editor_dispatch.h"
#include "midrange_sheet.h"
#include "midrange_system_dialog.h"
#include "modal_window.h"

#include <QAction>
#include <QLineEdit>

using namespace gui_testing;

class MidrangeFlowTest : public AppTest {};

TEST_F(MidrangeFlowTest, ASystemAddedBeforeCancelIsListedMarksTheDocumentAndUndoesAsOneStep) {
    const QString file = writeConfig("a.ini", cpic({"ONE"}));
    start({file});
    setEditorRunner(runEditorSheet);
    selectKind(kKindMidrange);
    bool added = false; // then the sheet is cancelled
    whileModal(
        [&](QWidget& shown) {
            auto* add =
                static_cast<CPsNODEX&>(shown).basicPage().controlAs<QPushButton>(CPgNODEXBas::kAdd);
            added = whileModal(
                [](QWidget& dialog) {
                    auto& system = static_cast<CDlgNODEXSystem&>(dialog);
                    QTest::keyClicks(system.form().controlAs<QLineEdit>(MidrangeSystemForm::kHost),
                                     "hosta");
                    system.accept();
                },
                [&] { add->click(); });
        },
        [&] { click(ui().newButton); });
    ASSERT_TRUE(added);
    EXPECT_EQ(listed(), QStringList{text(ids::kEntryMidrange)});
    EXPECT_TRUE(doc().IsModified());

    frame().findChild<QAction*>("actionEditUndo")->trigger();
    EXPECT_EQ(listed(), QStringList{});
    EXPECT_FALSE(doc().IsModified());
    EXPECT_FALSE(doc().store().hasSection("NODEX_SYSTEM"));
    setEditorRunner({});
}
