// The main window as a user meets it: the options, the records of each kind, and New,
// View/Change/Add, double click and Delete with their messages and focus moves, and the
// message boxes they show; help by F1 and the Help menu, and the About box.
#include "app_message_box.h"
#include "gui_fixture.h"
#include "help_viewer.h"
#include "help_window.h"
#include "messages.h"

#include <QDir>
#include <QTextBrowser>
#include <QTimer>

using namespace gui_testing;

namespace {

const Sections kNodex = {
    {"NODEX_SYSTEM", {{"HOST_NAME", "HOSTA"}, {"USER_NAME", "QUSER"}, {"DEFAULT", "1"}}},
    {"NODEX_SYSTEM", {{"HOST_NAME", "HOSTB"}, {"USER_NAME", "QUSER"}, {"DEFAULT", "0"}}},
    {"NODEX_COMMON", {{"USER_NAME", "QUSER"}, {"LOCAL_LU", "LOCLU01"}, {"MODE", "QPCSUPP"}}},
};

QString shownTopic(const HtmlHelp& help) {
    return help.window() ? help.window()->browser()->source().fileName() : QString();
}

Sections join(std::initializer_list<Sections> parts) {
    Sections all;
    for (const Sections& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

} // namespace

class MainWindowTest : public AppTest {
protected:
    // An editor that records the names it was asked for and answers as told, changing the
    // store the way a sheet's OK would.
    void installEditor(int result, Sections added = {}) {
        setEditorRunner([this, result, added](CCfgDoc& d, const RecordKind&, const std::string&,
                                              const std::string& name) {
            calls.push_back(name);
            if (result)
                testing_support::fill(d.store(), added);
            return result;
        });
    }
    std::vector<std::string> calls;
};

TEST_F(MainWindowTest, EmptyDocumentNewAndDeleteOfTheMidrangeSystems) {
    start();
    frame().activateWindow();
    EXPECT_EQ(view().currentKind(), kKindGlobal);
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_FALSE(ui().changeButton->isEnabled());
    EXPECT_FALSE(ui().deleteButton->isEnabled());

    // New on a one-record kind moves the focus to View/Change/Add (the default and Enter:
    // KeyboardAccessTest).
    selectKind(kKindMidrange);
    installEditor(1, join({kNodex, cpic({"KEEP"})}));
    click(ui().newButton);
    EXPECT_EQ(listed(), QStringList{text(ids::kEntryMidrange)});
    EXPECT_FALSE(ui().newButton->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), ui().changeButton);
    EXPECT_TRUE(doc().IsModified());

    // Delete removes every system and the common settings, and gives New back the focus.
    deleteSelected();
    ASSERT_EQ(script.shown().size(), 1u);
    const PromptScript::Shown& question = script.shown()[0];
    EXPECT_EQ(question.text, text(ids::kMsgConfirmDelete).replace("%1", text(ids::kEntryMidrange)));
    EXPECT_EQ(question.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(testing_support::order(doc().store()), (std::vector<std::string>{"CPIC_INFO"}));
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_TRUE(ui().newButton->isDefault());
    EXPECT_EQ(QApplication::focusWidget(), ui().newButton);
}

TEST_F(MainWindowTest, RecordListsInFileOrderWithTheFirstSelectedAfterEveryChange) {
    const Sections global = {{"GLOBAL", {{"USER_NAME", "OPERATOR"}}}};
    const Sections appc = {{"APPC", {{"SELECT", "SERVER"}, {"SERVER", "srv1,TCP/IP,ENC_OFF"}}}};
    start({writeConfig("f.ini", join({global, appc, cpic({"ZETA", "CAF\xC9", "ALPHA"}), kNodex}))});
    // One-record kinds: one short entry, New disabled.
    for (const auto& [kind, entry] : {std::pair{kKindGlobal, ids::kEntryGlobal},
                                      {kKindAppc, ids::kEntryAppc},
                                      {kKindMidrange, ids::kEntryMidrange}}) {
        selectKind(kind);
        EXPECT_EQ(listed(), QStringList{text(entry)}) << kind;
        EXPECT_EQ(ui().recordsList->height(), view().shortListHeight()) << kind;
        EXPECT_FALSE(ui().newButton->isEnabled()) << kind;
        EXPECT_EQ(selectedRow(), 0) << kind;
    }
    EXPECT_GT(view().fullListHeight(), 3 * view().shortListHeight());
    // Many-record kinds: the full height, New enabled, entries in file order; a name with a
    // byte above 127 shows as its Latin-1 character and goes back unchanged.
    selectKind(kKindCpic);
    EXPECT_EQ(listed(), (QStringList{"ZETA", QString::fromLatin1("CAF\xC9"), "ALPHA"}));
    EXPECT_GE(ui().recordsList->height(), view().fullListHeight());
    EXPECT_TRUE(ui().newButton->isEnabled());
    const Sections before = testing_support::snapshot(doc().store());
    for (bool modified : {false, true}) { // a cancelled delete leaves document and flag
        doc().SetModifiedFlag(modified);
        script.answerMessage(QMessageBox::Cancel);
        click(ui().deleteButton);
        EXPECT_EQ(testing_support::snapshot(doc().store()), before);
        EXPECT_EQ(doc().IsModified(), modified);
    }
    EXPECT_EQ(selectedRow(), 0);
    // OK that changed nothing leaves the list as it was: UntouchedTest.
    selectRow(2);
    installEditor(1, {{"TRACE", {}}});
    click(ui().changeButton);
    EXPECT_EQ(selectedRow(), 0);
    selectRow(1);
    const QRect second = ui().recordsList->visualRect(ui().recordsList->model()->index(1, 0));
    QTest::mouseClick(ui().recordsList->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(ui().recordsList->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(calls, (std::vector<std::string>{"ALPHA", "CAF\xC9"}));
    EXPECT_EQ(selectedRow(), 0);
    selectRow(1);
    deleteSelected();
    EXPECT_EQ(listed(), (QStringList{"ZETA", "ALPHA"}));
    EXPECT_EQ(selectedRow(), 0);
    ui().recordsList->clearSelection(); // with nothing selected, Delete only says so
    click(ui().deleteButton);
    EXPECT_EQ(script.shown().back().text, text(ids::kMsgNoSelection));
    EXPECT_EQ(listed(), (QStringList{"ZETA", "ALPHA"}));
}

TEST(AppMessageBox, StylesBecomeIconsAndButtonsAndButtonsBecomeNumbers) {
    installAppMessagePresenter();
    {
        PromptScript script;
        EXPECT_EQ(AppMessageBox("stop", kMbIconStop), kIdOk);
        EXPECT_EQ(AppMessageBox("closed", kMbOkCancelQuestion), kIdCancel); // Escape
        EXPECT_EQ(script.shown().at(0).icon, QMessageBox::Critical);
        EXPECT_EQ(script.shown().at(1).icon, QMessageBox::Question);
    }
    // Without a script, a real box: answered from inside its own event loop, as a user would.
    QString seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(AppMessageBox("Delete \"CAF\xC3\x89\"?", kMbOkCancelQuestion), kIdOk);
    EXPECT_EQ(seen, QString::fromUtf8("Delete \"CAF\xC3\x89\"?"));
}

TEST_F(MainWindowTest, F1AndTheHelpMenuOpenTheProgramsHelpAndAboutItsBox) {
    start();
    frame().ui().actionHelpIndex->trigger();
    EXPECT_EQ(shownTopic(HtmlHelp::instance()), "index.html");
    frame().activateWindow();
    QTest::keyClick(ui().optionsList, Qt::Key_F1);
    EXPECT_EQ(shownTopic(HtmlHelp::instance()), "ctx-128.html");
    EXPECT_TRUE(HtmlHelp::instance().window()->browser()->toPlainText().contains("Options"));
    EXPECT_TRUE(script.shown().empty());
    frame().ui().actionAppAbout->trigger();
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.shown()[0].title, "About ZEZ AZE Zoviru Ridorudororod");

    // Without its file, help shows nothing and does not try again.
    HtmlHelp missing;
    const QString file = QDir(QStringLiteral(APICFG_RUNTIME_DIR)).filePath("apicfg.qch");
    EXPECT_EQ(missing.call(nullptr, file + ".missing", kHtmlHelpDisplayTopic, 0), 0);
    EXPECT_EQ(missing.call(nullptr, file, kHtmlHelpDisplayTopic, 0), 0);
    EXPECT_EQ(missing.window(), nullptr);
}
