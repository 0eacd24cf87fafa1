// The midrange systems sheet from the main window: the systems it writes before its OK or
// Cancel reach the records list, the modified flag and undo.
#include "gui_fixture.h"

#include "editor_dispatch.h"
#include "midrange_sheet.h"
#include "midrange_system_dialog.h"

#include <QAction>
#include <QLineEdit>
#include <QTimer>

using namespace gui_testing;

namespace {

// Acts on the modal window that the next step opens, once it runs.
void whenModal(const std::function<void(QWidget&)>& act) {
    QTimer::singleShot(0, [act] {
        if (QWidget* shown = QApplication::activeModalWidget())
            act(*shown);
    });
}

} // namespace

class MidrangeFlowTest : public AppTest {};

TEST_F(MidrangeFlowTest, ASystemAddedBeforeCancelIsListedMarksTheDocumentAndUndoesAsOneStep) {
    const QString file = writeConfig("a.ini", cpic({"ONE"}));
    start({file});
    setEditorRunner(runEditorSheet);
    selectKind(kKindMidrange);
    bool added = false;
    whenModal([&](QWidget& shown) {
        auto& sheet = static_cast<CPsNODEX&>(shown);
        whenModal([&](QWidget& dialog) {
            auto& system = static_cast<CDlgNODEXSystem&>(dialog);
            QTest::keyClicks(system.form().controlAs<QLineEdit>(MidrangeSystemForm::kHost),
                             "hosta");
            system.accept();
            added = true;
        });
        sheet.basicPage().controlAs<QPushButton>(CPgNODEXBas::kAdd)->click();
        sheet.reject();
    });
    click(ui().newButton);
    ASSERT_TRUE(added);
    EXPECT_EQ(listed(), QStringList{text(ids::kEntryMidrange)});
    EXPECT_TRUE(doc().IsModified());
    EXPECT_TRUE(shownCaption(frame()).endsWith("a.ini*"));

    frame().findChild<QAction*>("actionEditUndo")->trigger();
    EXPECT_EQ(listed(), QStringList{});
    EXPECT_FALSE(doc().IsModified());
    EXPECT_FALSE(doc().store().hasSection("NODEX_SYSTEM"));
    setEditorRunner({});
}
