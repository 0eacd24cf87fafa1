// The main window as a user meets it: the options, the records of each kind, and New,
// View/Change/Add, double click and Delete with their messages and focus moves.
#include "gui_fixture.h"
#include "lazy_icon.h"

#include "messages.h"
#include "string_ids.h"

using namespace gui_testing;

namespace {

const Sections kNodex = {
    {"NODEX_SYSTEM", {{"HOST_NAME", "AS400A"}, {"USER_NAME", "QUSER"}, {"DEFAULT", "1"}}},
    {"NODEX_SYSTEM", {{"HOST_NAME", "AS400B"}, {"USER_NAME", "QUSER"}, {"DEFAULT", "0"}}},
    {"NODEX_COMMON", {{"USER_NAME", "QUSER"}, {"LOCAL_LU", "LOCLU01"}, {"MODE", "QPCSUPP"}}},
};
const Sections kGlobal = {{"GLOBAL", {{"USER_NAME", "OPERATOR"}}}};
const Sections kAppc = {{"APPC", {{"SELECT", "SERVER"}, {"SERVER", "srv1,TCP/IP,ENC_OFF"}}}};

struct EditCall {
    int kind;
    std::string title;
    std::string name;
};

} // namespace

class MainWindowTest : public AppTest {
protected:
    // An editor that records what it was asked and answers as told, changing the store
    // the way a sheet's OK would.
    void installEditor(int result, Sections added = {}) {
        setEditorRunner([this, result, added](CCfgDoc& d, int kind, const std::string& title,
                                              const std::string& name) {
            calls.push_back({kind, title, name});
            if (result)
                testing_support::fill(d.store(), added);
            return result;
        });
    }
    std::vector<EditCall> calls;
};

TEST_F(MainWindowTest, EmptyDocumentShowsSixOptionsInOrderWithGlobalSettingsSelected) {
    start();
    QListWidget* options = ui().optionsList;
    ASSERT_EQ(options->count(), 6);
    const int kinds[] = {16, 26, 12, 13, 27, 28};
    const int labels[] = {ids::kOptionGlobal, ids::kOptionAppc, ids::kOptionCpic,
                          ids::kOptionTp,     ids::kOptionLux,  ids::kOptionMidrange};
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(options->item(row)->data(Qt::UserRole).toInt(), kinds[row]);
        EXPECT_EQ(options->item(row)->text(), text(labels[row]));
        EXPECT_FALSE(options->item(row)->text().isEmpty());
    }
    EXPECT_EQ(options->currentRow(), 0);
    EXPECT_EQ(view().currentKind(), kKindGlobal);
    EXPECT_EQ(ui().description->text(), text(ids::kDescGlobal));
    EXPECT_EQ(ui().groupRecords->title(), text(ids::kGroupGlobal));
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_TRUE(ui().newButton->isEnabled());
    EXPECT_TRUE(ui().newButton->isDefault());
    EXPECT_FALSE(ui().changeButton->isEnabled());
    EXPECT_FALSE(ui().deleteButton->isEnabled());
    EXPECT_EQ(frame().windowTitle(), text(ids::kAppTitle) + QStringLiteral(" - Untitled"));

    // The frame cannot be resized or maximised, and its size is the form's.
    EXPECT_EQ(frame().minimumSize(), frame().maximumSize());
    EXPECT_FALSE(frame().windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(frame().windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(script.shown().empty());
}

TEST_F(MainWindowTest, OneRecordKindsShowOneShortEntryAndDisableNew) {
    const QString file = writeConfig(
        "one.ini", join({kGlobal, kAppc, cpic("ZETA"), cpic("ALPHA"), cpic("MIDDLE"), kNodex}));
    start({file});
    const struct {
        int kind;
        int entry;
    } single[] = {{kKindGlobal, ids::kEntryGlobal},
                  {kKindAppc, ids::kEntryAppc},
                  {kKindMidrange, ids::kEntryMidrange}};
    for (const auto& [kind, entry] : single) {
        selectKind(kind);
        EXPECT_EQ(listed(), QStringList{text(entry)}) << kind;
        EXPECT_EQ(ui().recordsList->height(), view().shortListHeight()) << kind;
        EXPECT_FALSE(ui().newButton->isEnabled()) << kind;
        EXPECT_TRUE(ui().changeButton->isEnabled()) << kind;
        EXPECT_TRUE(ui().deleteButton->isEnabled()) << kind;
        EXPECT_EQ(selectedRow(), 0) << kind;
    }
    // One and a half entries high: one entry shows whole, the list is clearly not full size.
    const int entryHeight = ui().recordsList->sizeHintForRow(0);
    EXPECT_EQ(view().shortListHeight(), static_cast<int>(entryHeight * 1.5));
    EXPECT_GT(view().fullListHeight(), 3 * view().shortListHeight());

    // Many-record kinds: the full height, New always enabled, entries in file order.
    selectKind(kKindCpic);
    EXPECT_EQ(listed(), (QStringList{"ZETA", "ALPHA", "MIDDLE"}));
    EXPECT_EQ(ui().recordsList->height(), view().fullListHeight());
    EXPECT_TRUE(ui().newButton->isEnabled());
    EXPECT_EQ(ui().description->text(), text(ids::kDescRecords));
    EXPECT_EQ(ui().groupRecords->title(), text(ids::kGroupCpic));
    selectKind(kKindTp);
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_TRUE(ui().newButton->isEnabled());
    EXPECT_FALSE(ui().deleteButton->isEnabled());
}

TEST_F(MainWindowTest, NewOnAOneRecordKindMovesFocusAndDefaultToViewChange) {
    start();
    frame().activateWindow();
    selectKind(kKindMidrange);
    ASSERT_TRUE(ui().newButton->isEnabled());
    installEditor(1, {{"NODEX_SYSTEM", {{"HOST_NAME", "AS400A"}, {"DEFAULT", "1"}}}});
    click(ui().newButton);

    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].kind, kKindMidrange);
    EXPECT_EQ(calls[0].name, "");
    EXPECT_EQ(calls[0].title, TelaEnvironment::GetUserString(ids::kTitleMidrange));
    EXPECT_EQ(listed(), QStringList{text(ids::kEntryMidrange)});
    EXPECT_FALSE(ui().newButton->isEnabled());
    EXPECT_TRUE(ui().changeButton->isDefault());
    EXPECT_FALSE(ui().newButton->isDefault());
    EXPECT_FALSE(ui().deleteButton->isDefault());
    EXPECT_EQ(QApplication::focusWidget(), ui().changeButton);
    EXPECT_TRUE(doc().IsModified());

    // Enter now presses View/Change/Add on the one entry.
    QTest::keyClick(ui().recordsList, Qt::Key_Return);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].name, TelaEnvironment::GetUserString(ids::kEntryMidrange));

    // Enter presses the button that has the focus; the focus passing over the buttons
    // leaves the default where it was.
    ui().deleteButton->setFocus();
    script.answerMessage(QMessageBox::Cancel);
    QTest::keyClick(ui().deleteButton, Qt::Key_Return);
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.shown()[0].icon, QMessageBox::Question);
    ui().recordsList->setFocus();
    QTest::keyClick(ui().recordsList, Qt::Key_Enter);
    EXPECT_EQ(calls.size(), 3u);
    EXPECT_TRUE(ui().changeButton->isDefault());
    EXPECT_FALSE(ui().deleteButton->isDefault());
}

TEST_F(MainWindowTest, CancelledOrFailedNewChangesNothing) {
    start({writeConfig("c.ini", cpic("FIRST"))});
    selectKind(kKindCpic);
    installEditor(0);
    click(ui().newButton);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].kind, kKindCpic);
    EXPECT_FALSE(doc().IsModified());
    EXPECT_EQ(listed(), QStringList{"FIRST"});
    EXPECT_TRUE(ui().newButton->isDefault());

    // Without any editor installed, New opens nothing and changes nothing.
    setEditorRunner({});
    click(ui().newButton);
    EXPECT_FALSE(doc().IsModified());
    EXPECT_TRUE(script.shown().empty());
}

TEST_F(MainWindowTest, MidrangeDeleteRemovesEverySystemAndTheCommonSettings) {
    const QString file = writeConfig("m.ini", join({kGlobal, kNodex, cpic("KEEP")}));
    start({file});
    frame().activateWindow();
    selectKind(kKindMidrange);
    script.answerMessage(QMessageBox::Ok);
    click(ui().deleteButton);

    ASSERT_EQ(script.shown().size(), 1u);
    const PromptScript::Shown& question = script.shown()[0];
    QString expected = text(ids::kMsgConfirmDelete);
    expected.replace(QStringLiteral("%1"), text(ids::kEntryMidrange));
    EXPECT_EQ(question.text, expected);
    EXPECT_EQ(question.title, text(ids::kAppTitle));
    EXPECT_EQ(question.icon, QMessageBox::Question);
    EXPECT_EQ(question.buttons, QMessageBox::Ok | QMessageBox::Cancel);

    EXPECT_EQ(testing_support::order(doc().store()),
              (std::vector<std::string>{"GLOBAL", "CPIC_INFO"}));
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_TRUE(doc().IsModified());
    EXPECT_TRUE(ui().newButton->isEnabled());
    EXPECT_TRUE(ui().newButton->isDefault());
    EXPECT_FALSE(ui().deleteButton->isDefault());
    EXPECT_FALSE(ui().deleteButton->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), ui().newButton);
}

TEST_F(MainWindowTest, CancelledDeleteLeavesTheDocumentAndItsModifiedFlag) {
    start({writeConfig("d.ini", join({cpic("ONE"), cpic("TWO")}))});
    selectKind(kKindCpic);
    const Sections before = testing_support::snapshot(doc().store());
    for (bool modified : {false, true}) {
        doc().SetModifiedFlag(modified);
        script.answerMessage(QMessageBox::Cancel);
        click(ui().deleteButton);
        EXPECT_EQ(testing_support::snapshot(doc().store()), before);
        EXPECT_EQ(doc().IsModified(), modified);
        EXPECT_EQ(listed(), (QStringList{"ONE", "TWO"}));
    }
    ASSERT_EQ(script.shown().size(), 2u);
    EXPECT_EQ(script.shown()[0].text, text(ids::kMsgConfirmDelete).replace("%1", "ONE"));
}

TEST_F(MainWindowTest, FirstRecordIsSelectedAfterEveryChangeAndDelete) {
    start({writeConfig("f.ini", join({cpic("ONE"), cpic("TWO"), cpic("THREE")}))});
    selectKind(kKindCpic);
    EXPECT_EQ(selectedRow(), 0);

    installEditor(1);
    selectRow(2);
    click(ui().changeButton);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].name, "THREE");
    EXPECT_EQ(selectedRow(), 0);

    // A double click on an entry edits that entry.
    selectRow(1);
    const QRect second = ui().recordsList->visualRect(ui().recordsList->model()->index(1, 0));
    QTest::mouseClick(ui().recordsList->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(ui().recordsList->viewport(), Qt::LeftButton, {}, second.center());
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].name, "TWO");
    EXPECT_EQ(selectedRow(), 0);

    selectRow(1);
    script.answerMessage(QMessageBox::Ok);
    click(ui().deleteButton);
    EXPECT_EQ(listed(), (QStringList{"ONE", "THREE"}));
    EXPECT_EQ(selectedRow(), 0);
}

TEST_F(MainWindowTest, NoSelectionShowsMessage328AndDoesNothing) {
    start({writeConfig("n.ini", cpic("ONE"))});
    selectKind(kKindCpic);
    installEditor(1);
    ui().recordsList->clearSelection();
    click(ui().deleteButton);
    click(ui().changeButton);
    ASSERT_EQ(script.shown().size(), 2u);
    for (const PromptScript::Shown& shown : script.shown()) {
        EXPECT_EQ(shown.text, text(ids::kMsgNoSelection));
        EXPECT_EQ(shown.icon, QMessageBox::NoIcon);
        EXPECT_EQ(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(listed(), QStringList{"ONE"});
    EXPECT_FALSE(doc().IsModified());
}

TEST_F(MainWindowTest, RecordNamesAreTheFilesBytes) {
    // A name with a byte above 127 shows as its Latin-1 character and goes back unchanged.
    start({writeConfig("l.ini", cpic("CAF\xC9"))});
    selectKind(kKindCpic);
    EXPECT_EQ(listed(), QStringList{QString::fromLatin1("CAF\xC9")});
    installEditor(1);
    click(ui().changeButton);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].name, "CAF\xC9");
}

TEST_F(MainWindowTest, ListingFailureReportsCode66AndShowsWhatWasListed) {
    const Sections broken =
        join({cpic("GOOD"), {{"CPIC_INFO", {{"MODE", "#INTER"}}}}, cpic("LATE")});
    start({writeConfig("b.ini", broken)});
    script.clearShown();
    selectKind(kKindCpic);
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.shown()[0].text, text(errorMessageId(kErrStore)));
    EXPECT_EQ(listed(), QStringList{"GOOD"});
    EXPECT_TRUE(ui().deleteButton->isEnabled());
}

TEST_F(MainWindowTest, ThousandsOfRecordsAreListedAsAModel) {
    Sections many;
    for (int i = 0; i < 5000; ++i)
        many.push_back(cpic("E" + std::to_string(i)).front());
    start({writeConfig("big.ini", many)});
    selectKind(kKindCpic);
    EXPECT_EQ(view().records().rowCount(), 5000);
    EXPECT_EQ(ui().recordsList->model()->index(4999, 0).data().toString(), "E4999");
    EXPECT_EQ(selectedRow(), 0);
}

TEST_F(MainWindowTest, WithoutTheTextsEveryKindIsStillThere) {
    // A library that holds none of the texts, found before any other.
    QFile library(path("LHCENU.lang"));
    ASSERT_TRUE(library.open(QIODevice::WriteOnly));
    library.write("# no texts\n");
    library.close();
    const QByteArray kept = qgetenv("APICFG_LANG_DIR");
    qputenv("APICFG_LANG_DIR", m_dir.path().toLocal8Bit());
    m_app = std::make_unique<CCfgApp>();
    CCfgApp::Options options;
    options.singleInstance = false;
    options.programDir = m_dir.path();
    ASSERT_EQ(m_app->InitInstance({}, options), CCfgApp::Start::Running);
    qputenv("APICFG_LANG_DIR", kept);

    QListWidget* list = ui().optionsList;
    ASSERT_EQ(list->count(), 6);
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(list->item(row)->text(), "");
    EXPECT_EQ(list->item(5)->data(Qt::UserRole).toInt(), kKindMidrange);
    frame().ui().actionFileNew->trigger();
    EXPECT_EQ(list->count(), 6);
    EXPECT_EQ(frame().windowTitle(), "Untitled");
}

// The program's icon reads its images only when asked, and then has every size.
TEST(ProgramIcon, GivesEachSizeWhenAskedFor) {
    const QIcon icon = lazyProgramIcon();
    EXPECT_FALSE(icon.isNull());
    for (int side : {16, 32, 48, 64}) {
        const QPixmap pixmap = icon.pixmap(side, side);
        EXPECT_EQ(pixmap.size(), QSize(side, side)) << side;
        EXPECT_FALSE(pixmap.toImage().allGray()) << side; // a picture, not an empty square
    }
}
