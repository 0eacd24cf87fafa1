// A way out of every problem: Rename in the records list and the problems panel (a real
// rename: same place, same values, new name, one undo step), a midrange system whose name is
// refused renamed from the panel, and a section without its name key listed once with its
// line and deleted from the panel.
#include "gui_fixture.h"

#include "document_history.h"
#include "messages.h"
#include "modal_window.h"
#include "problems_panel.h"
#include "rename_dialog.h"
#include "screenshots.h"
#include "tela_edit.h"

#include <QTableView>
#include <QUndoStack>

using namespace gui_testing;

namespace {

// Runs open, which brings up the rename dialog, and acts on the dialog.
void renaming(const std::function<void(RenameDialog&)>& act, const std::function<void()>& open) {
    const bool shown = whileModal(
        [&](QWidget& window) {
            auto* dialog = qobject_cast<RenameDialog*>(&window);
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
        },
        open);
    EXPECT_TRUE(shown) << "no rename dialog";
}

// With APICFG_SCREENSHOT_DIR set, the dialog in English and German (docs/screenshots).
void saveDialogPictures(const std::string& name) {
    if (screenshotDir().isEmpty())
        return;
    for (const char* language : {"ENU", "DEU"}) {
        ASSERT_TRUE(TelaEnvironment::LoadLibrary(std::string(APICFG_SOURCE_DIR "/lang/LHC") +
                                                 language + ".lang"));
        RenameDialog dialog(name, 8, true, [](const std::string&) { return true; });
        dialog.show();
        const QString suffix = language == std::string("DEU") ? "-de" : "";
        saveScreenshot(dialog, "rename-dialog" + suffix);
    }
    ASSERT_TRUE(TelaEnvironment::LoadLibrary(APICFG_SOURCE_DIR "/lang/LHCENU.lang"));
}

void typeName(RenameDialog& dialog, const QString& name) {
    dialog.field().selectAll();
    dialog.field().del();
    QTest::keyClicks(&dialog.field(), name);
    dialog.accept();
}

const Sections kFaulty = {
    {"CPIC_INFO", {{"LOCAL_LU", "*"}, {"MODE", "#INTER"}}}, // no SYMB_NAME
    {"CPIC_INFO",
     {{"SYMB_NAME", "AFTER"},
      {"LOCAL_LU", "*"},
      {"PART_LU", "NETA.HOST"},
      {"PLU_TYPE", "1"},
      {"REMOTE_TP", "TP"}}},
    {"NODEX_SYSTEM", {{"HOST_NAME", "bad host"}, {"DEFAULT", "1"}, {"USER_NAME", "U"}}},
};

} // namespace

class RenameTest : public AppTest {
protected:
    ProblemsPanel& panel() { return *frame().problemsPanel(); }
    int problemRow(const QString& name) {
        const ProblemsModel& model = panel().model();
        for (int row = 0; row < model.rowCount(); ++row)
            if (model.index(row, 1).data().toString() == name)
                return row;
        return -1;
    }
    std::vector<std::string> messages() {
        std::vector<std::string> texts;
        for (const auto& shown : script.shown())
            texts.push_back(shown.text.toStdString());
        return texts;
    }
};

TEST_F(RenameTest, ARecordKeepsItsPlaceAndValuesUnderItsNewName) {
    start({writeConfig("a.ini", cpic({"ONE", "TWO", "THREE"}))});
    selectKind(kKindCpic);
    EXPECT_TRUE(view().renameButton()->isEnabled());
    selectRow(1);
    Sections expected = testing_support::snapshot(doc().store());
    expected[1].second[0].second = "ZWEI";
    view().renameButton()->setFocus();
    renaming(
        [&](RenameDialog& dialog) {
            EXPECT_EQ(dialog.field().text(), "TWO");
            typeName(dialog, "one"); // the field takes capitals, as the sheet's does
            EXPECT_TRUE(dialog.isVisible()) << "a name another record has is refused";
            typeName(dialog, "A B");
            EXPECT_TRUE(dialog.isVisible()) << "a name the check refuses is refused";
            typeName(dialog, "AB\\");
            EXPECT_TRUE(dialog.isVisible()) << "a name the file cannot carry is refused";
            typeName(dialog, "ZWEI");
            EXPECT_FALSE(dialog.isVisible());
        },
        // Enter presses the focused button.
        [&] { QTest::keyClick(view().renameButton(), Qt::Key_Return); });
    saveDialogPictures("TWO");
    EXPECT_EQ(messages(),
              (std::vector<std::string>{
                  text(ids::kRenameDuplicate).replace("%1", "ONE").toStdString(),
                  TelaEnvironment::GetUserString(errorMessageId(ErrorCode::SymbolicName)),
                  TelaEnvironment::GetUserString(ids::kRuleBackslash)}));
    EXPECT_EQ(testing_support::snapshot(doc().store()), expected);
    EXPECT_EQ(listed(), (QStringList{"ONE", "ZWEI", "THREE"}));
    EXPECT_EQ(selectedRow(), 1);
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(frame().history().stack().count(), 1); // undone as any step: BeyondEditorTest
    selectKind(kKindGlobal);
    EXPECT_FALSE(view().renameButton()->isEnabled()) << "one record per file: no name of its own";
}

TEST_F(RenameTest, EveryProblemOfAFaultyFileCanBeMendedFromThePanel) {
    start({writeConfig("faulty.ini", kFaulty)});
    EXPECT_EQ(messages(), std::vector<std::string>{}) << "no message at opening or refreshing";
    selectKind(kKindCpic);
    EXPECT_EQ(listed(), QStringList{"AFTER"}) << "the list goes on past the nameless section";
    // The nameless section listed once with its line: BeyondEditorTest's panel.
    ASSERT_EQ(panel().model().rowCount(), 2);

    // The midrange system whose name the check refuses gets a name it takes, in its place,
    // as the default it was.
    const int system = problemRow("bad host");
    ASSERT_GE(system, 0);
    EXPECT_FALSE(panel().canRemove(system)) << "a system is removed in its sheet";
    renaming([](RenameDialog& dialog) { typeName(dialog, "hostc"); },
             [&] { panel().rename(system); });
    EXPECT_EQ(testing_support::snapshot(doc().store())[2],
              (testing_support::Sections::value_type{
                  "NODEX_SYSTEM", {{"HOST_NAME", "HOSTC"}, {"DEFAULT", "1"}, {"USER_NAME", "U"}}}));
    EXPECT_EQ(panel().model().rowCount(), 1);

    // The section without its name key goes, after the question.
    script.answerMessage(QMessageBox::Ok);
    panel().remove(0);
    EXPECT_EQ(script.shown().back().text,
              text(ids::kConfirmDeleteSection).replace("%1", "CPIC_INFO").replace("%2", "4"));
    EXPECT_EQ(panel().model().rowCount(), 0);
    EXPECT_EQ(testing_support::order(doc().store()),
              (std::vector<std::string>{"CPIC_INFO", "NODEX_SYSTEM"}));
    EXPECT_EQ(frame().history().stack().count(), 2);
}
