// The problems panel, the review of changes and undo, as a user meets them on a
// hand-edited file. With APICFG_SCREENSHOT_DIR set, the panel is saved as a picture
// (docs/screenshots).
#include "gui_fixture.h"

#include "messages.h"
#include "problems_panel.h"
#include "review_dialog.h"
#include "save_content.h"
#include "screenshots.h"
#include "unified_diff.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTableView>

using namespace gui_testing;

namespace {

// One fault of each family, two of TP entries' and a record without fault, in the order the
// panel lists them: the kind, the name the panel shows and the code. How the check finds each
// fault is the check command's test.
const Sections kFaults = {
    {"GLOBAL", {{"USER_NAME", "a:b"}}},
    {"APPC", {{"SELECT", "SERVER"}, {"SERVER", "BAD NAME,TCP/IP,ENC_OFF"}}},
    {"CPIC_INFO",
     {{"SYMB_NAME", "GOOD"}, {"LOCAL_LU", "*"}, {"MODE", "#INTER"}, {"REMOTE_TP", "TP"}}},
    {"CPIC_INFO",
     {{"SYMB_NAME", "LOWMODE"}, {"LOCAL_LU", "*"}, {"MODE", "inter"}, {"REMOTE_TP", "TP"}}},
    {"CLIENT_ATTACH", {{"TP_NAME", ""}, {"LU_NAME", "*"}}},
    {"CLIENT_ATTACH", {{"TP_NAME", "PAYROLL"}, {"LU_NAME", "*"}, {"TP_OP", "0"}}},
    {"CLIENT_ATTACH", {{"LU_NAME", "*"}}},
    {"LUX_PROFILE", {{"PROFILE_NAME", "P1"}, {"SESSION", ",*,1,,TCP/IP,,ENC_OFF"}}},
    {"NODEX_SYSTEM", {{"HOST_NAME", "bad host"}}},
    {"NODEX_COMMON", {{"MODE", "9X"}}},
};

struct Listed {
    int kind;
    QString name;
    ErrorCode code;
    int messageId = 0; // a message naming the field, with %1 as arg
    const char* arg = "";
};

} // namespace

class BeyondEditorTest : public AppTest {
protected:
    static QString messageOf(const Listed& e) {
        return e.messageId ? text(e.messageId).replace("%1", e.arg) : text(errorMessageId(e.code));
    }
    const ProblemsModel& problems() { return frame().problemsPanel()->model(); }
    // What the panel lists for kFaults, in order: kind, the name shown, code.
    static std::vector<Listed> faultRows() {
        using enum ErrorCode;
        return {
            {kKindGlobal, text(ids::kEntryGlobal), GlobalUserName},
            {kKindAppc, text(ids::kEntryAppc), ServerName, ids::kRuleServerName, "BAD NAME"},
            {kKindCpic, "LOWMODE", ModeName},
            {kKindTp, "", AppTpName},
            {kKindTp, "PAYROLL", TpPath},
            {kKindTp, text(ids::kProblemNoNameLine).replace("%1", "32"), Store}, // by its line
            {kKindLux, "P1", NoFirstLink},
            {kKindMidrange, "bad host", HostName},
            {kKindMidrange, text(ids::kReviewCommon), ModeName}, // the common settings
        };
    }
    QStringList row(int i) {
        QStringList texts;
        for (int c = 0; c < 4; ++c)
            texts << problems().index(i, c).data().toString();
        return texts;
    }
};

TEST_F(BeyondEditorTest, AFileWithFaultsShowsThemAllAndEachOpensItsRecordUntilItIsFixed) {
    start({writeConfig("faults.ini", kFaults)});
    ASSERT_NE(frame().problemsPanel(), nullptr) << "shown by itself on opening";
    EXPECT_TRUE(frame().ui().actionViewProblems->isChecked());
    const std::vector<Listed> expected = faultRows();
    ASSERT_EQ(problems().rowCount(), static_cast<int>(expected.size()));
    for (int i = 0; i < static_cast<int>(expected.size()); ++i) {
        const Listed& e = expected[i];
        EXPECT_EQ(row(i), (QStringList{text(findOptionKind(e.kind)->texts.labelId), e.name,
                                       QString::number(codeNumber(e.code)), messageOf(e)}))
            << i;
    }
    const QLabel* count = frame().findChild<QLabel*>("problemsCount");
    EXPECT_TRUE(count->isVisible());
    EXPECT_TRUE(count->text().contains(text(ids::kProblemsMany).replace("%1", "9")));
    frame().resize(frame().sizeHint());
    saveScreenshot(frame(), "main-problems-panel");
    // Activating a problem selects its kind and record and opens the sheet on it; the sheet
    // here mends the entry as a user would.
    std::vector<std::pair<int, std::string>> opened;
    setEditorRunner([&, mend = cpicModeEditor("#INTER")](CCfgDoc& d, const RecordKind& kind,
                                                         const std::string& title,
                                                         const std::string& name) {
        opened.emplace_back(kind.optionKind, name);
        return mend(d, kind, title, name);
    });
    frame().problemsPanel()->list().setCurrentIndex(problems().index(2, 0));
    QTest::keyClick(&frame().problemsPanel()->list(), Qt::Key_Return);
    ASSERT_EQ(opened, (std::vector<std::pair<int, std::string>>{{kKindCpic, "LOWMODE"}}));
    EXPECT_EQ(view().currentKind(), kKindCpic);
    EXPECT_EQ(problems().rowCount(), 8) << "the mended entry is gone";
    // A section that no record operation reaches selects its kind and opens nothing; the
    // records list passes over it, but not over a record named "".
    frame().problemsPanel()->activate(4);
    EXPECT_EQ(view().currentKind(), kKindTp);
    EXPECT_EQ(opened.size(), 1u);
    frame().problemsPanel()->activate(3);
    const QModelIndexList selected = view().ui().recordsList->selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(view().records().nameAt(selected.front().row()), "PAYROLL");
    EXPECT_TRUE(doc().IsModified());

    // The panel hides and comes back from the View menu; a file without faults opens
    // without it.
    frame().ui().actionViewProblems->trigger();
    EXPECT_FALSE(frame().problemsPanel()->isVisible());
    start({writeConfig("clean.ini", {kFaults[2]})});
    EXPECT_EQ(frame().problemsPanel(), nullptr);
    EXPECT_FALSE(frame().findChild<QLabel*>("problemsCount")->isVisible());
}

TEST_F(BeyondEditorTest, ReviewShowsExactlyWhatTheSaveThenWrites) {
    const QString file = writeConfig("a.ini", cpic({"ONE", "TWO"}));
    start({file});
    app().OnFileSave(); // now in the editor's layout, with its default sections
    const std::string saved = encoded(file);
    selectKind(kKindCpic);
    selectRow(1);
    deleteSelected();

    const ChangeReview review = reviewChanges(saved, savedBytes(doc().store()));
    const QString expected = QString("--- %1\n+++ %1\n"
                                     "@@ -5,10 +5,6 @@\n"
                                     " SYMB_NAME=ONE\n"
                                     " PART_LU=NETA.HOST\n"
                                     " ;\n"
                                     "-[CPIC_INFO]\n"
                                     "-SYMB_NAME=TWO\n"
                                     "-PART_LU=NETA.HOST\n"
                                     "-;\n"
                                     " [GLOBAL]\n"
                                     " USER_NAME=\n"
                                     " PASSWORD=\n")
                                 .arg(file);
    EXPECT_TRUE(review.changes);
    EXPECT_EQ(review.diff, expected);
    EXPECT_EQ(review.note, "");
    ReviewDialog shown(review, false);
    EXPECT_EQ(shown.view().toPlainText(), expected);

    // With the setting on, Save shows the review first; what it then writes is that change.
    const std::string before = testing_support::slurp(saved);
    app().setReviewBeforeSave(true);
    script.clearShown();
    app().OnFileSave();
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.shown()[0].kind, PromptScript::Shown::Dialog);
    EXPECT_EQ(script.shown()[0].title, review.title);
    QString written = QString::fromLatin1(
        unifiedDiff(before, testing_support::slurp(saved), saved, saved).c_str());
    EXPECT_EQ(written.remove('\r'), expected);
    EXPECT_FALSE(reviewChanges(saved, savedBytes(doc().store())).changes);
}

TEST_F(BeyondEditorTest, UndoOfADeleteRestoresTheRecordInItsPlaceAndTheCleanState) {
    start({writeConfig("a.ini", cpic({"ONE", "TWO", "THREE"}))});
    QAction* undo = frame().findChild<QAction*>("actionEditUndo");
    QAction* redo = frame().findChild<QAction*>("actionEditRedo");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->shortcut(), QKeySequence(QKeySequence::Undo));
    selectKind(kKindCpic);
    selectRow(1);
    deleteSelected();
    EXPECT_EQ(listed(), (QStringList{"ONE", "THREE"}));
    EXPECT_TRUE(shownCaption(frame()).endsWith("a.ini*"));

    undo->trigger();
    EXPECT_EQ(listed(), (QStringList{"ONE", "TWO", "THREE"}));
    EXPECT_FALSE(doc().IsModified());
    EXPECT_TRUE(shownCaption(frame()).endsWith("a.ini"));
    redo->trigger();
    EXPECT_EQ(listed(), (QStringList{"ONE", "THREE"}));
    EXPECT_TRUE(doc().IsModified());

    // Saving keeps the steps; going back from the saved state is a change again.
    app().OnFileSave();
    EXPECT_FALSE(doc().IsModified());
    undo->trigger();
    EXPECT_EQ(listed(), (QStringList{"ONE", "TWO", "THREE"}));
    EXPECT_TRUE(doc().IsModified());
    redo->trigger();
    EXPECT_FALSE(doc().IsModified());
}
