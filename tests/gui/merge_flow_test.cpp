// Changes by record in the editor: the review names the record and the field, and Save on a
// file another program changed meanwhile merges instead of overwriting, with the records
// changed on both sides to choose in. With APICFG_SCREENSHOT_DIR set, both windows are
// saved as pictures (docs/screenshots).
#include "gui_fixture.h"

#include "cpic_records.h"
#include "record_changes_view.h"
#include "review_dialog.h"
#include "screenshots.h"

#include <QPlainTextEdit>

using namespace gui_testing;

namespace {

Sections entries(const std::string& modeA, const std::string& modeB) {
    Sections all;
    for (const auto& [name, mode] : {std::pair{"A", modeA}, std::pair{"B", modeB}})
        all.push_back(
            {"CPIC_INFO",
             {{"SYMB_NAME", name}, {"LOCAL_LU", "*"}, {"MODE", mode}, {"REMOTE_TP", "TP1"}}});
    return all;
}

// The rows of a list, their columns joined by "|".
QStringList rows(const QTreeWidget& list, int columns) {
    QStringList out;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        QStringList cells;
        for (int c = 0; c < columns; ++c)
            cells << list.topLevelItem(i)->text(c);
        out << cells.join('|');
    }
    return out;
}

} // namespace

class MergeFlowTest : public AppTest {
protected:
    // The editor's sheet for entry A stores `mode` as its MODE.
    void editA(const std::string& mode) {
        setEditorRunner(cpicModeEditor(mode));
        selectKind(kKindCpic);
        view().editRecord("A");
    }
    std::string modes() {
        CfgStore store;
        cfgReadFile(store, encoded(path("a.ini")));
        std::string out;
        for (const char* name : {"A", "B"}) {
            CpicSideInfoRecord r;
            r.symbName = name;
            cpicReadEntry(store, r);
            out += r.mode + " ";
        }
        return out;
    }
};

TEST_F(MergeFlowTest, ReviewNamesTheChangedFieldAndOpensItsRecord) {
    start({writeConfig("a.ini", entries("M1", "M1"))});
    editA("#BATCH");
    std::vector<std::string> opened;
    setEditorRunner([&](CCfgDoc&, const RecordKind&, const std::string&, const std::string& name) {
        opened.push_back(name);
        return 0;
    });
    script.answerDialog([](QDialog& d) {
        auto& review = static_cast<ReviewDialog&>(d);
        // The rewritten entry moved first: one row says what changed; the lines say more.
        EXPECT_EQ(rows(review.records(), 5), QStringList{text(307) + "|A|MODE|\"M1\"|\"#BATCH\""});
        EXPECT_TRUE(review.view().toPlainText().contains("+MODE=#BATCH"));
        saveScreenshot(review, "review-changes");
        emit review.records().itemActivated(review.records().topLevelItem(0), 0);
        return d.result();
    });
    frame().ui().actionFileReview->trigger();
    EXPECT_EQ(opened, std::vector<std::string>{"A"});
    EXPECT_EQ(script.unanswered(), 0);
}

TEST_F(MergeFlowTest, SaveOnAChangedFileMergesAndLetsTheUserChoose) {
    const QString file = writeConfig("a.ini", entries("M1", "M1"));
    struct Case {
        const char* what;
        std::string mine;
        Sections theirs;
        bool keepMine; // in the one conflict, when there is one
        int result;    // of the review
        std::string onDisk;
    } cases[] = {
        {"both changed A: the file's change chosen", "MINE", entries("DISK", "DISK"), false,
         QDialog::Accepted, "DISK DISK "},
        {"both changed A: the user's change kept", "MINE", entries("DISK", "M1"), true,
         QDialog::Accepted, "MINE M1 "},
        {"cancelled: the file stays as the other program left it", "MINE", entries("M1", "DISK"),
         true, QDialog::Rejected, "M1 DISK "},
    };
    for (const Case& c : cases) {
        writeConfig("a.ini", entries("M1", "M1"));
        start({file});
        editA(c.mine);
        writeConfig("a.ini", c.theirs);
        script.answerMessage(QMessageBox::Apply);
        script.answerDialog([&](QDialog& d) {
            auto* conflicts = d.findChild<QTreeWidget*>("mergeConflicts");
            const bool both = c.theirs.front().second[2].second != "M1";
            EXPECT_EQ(conflicts != nullptr, both) << c.what;
            if (both && !c.keepMine)
                saveScreenshot(d, "merge-changes");
            if (conflicts && !c.keepMine) {
                conflicts->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
                EXPECT_FALSE(
                    static_cast<ReviewDialog&>(d).view().toPlainText().contains("+MODE=MINE"))
                    << c.what;
            }
            return c.result;
        });
        frame().ui().actionFileSave->trigger();
        EXPECT_EQ(modes(), c.onDisk) << c.what;
        EXPECT_EQ(doc().IsModified(), c.result != QDialog::Accepted) << c.what;
        ASSERT_TRUE(script.allAnswersUsed()) << c.what;
        EXPECT_EQ(script.unanswered(), 0) << c.what;
        script.clearShown();
    }
}
