// The File flow: the unsaved-changes question, saving with the defaults, reopening, recent
// files (and one whose file vanished), files changed on disk, dropped files, the command
// line.
#include "gui_fixture.h"

#include "command_line.h"
#include "messages.h"
#include "string_ids.h"

#include <QDir>
#include <QMimeData>
#include <QSignalSpy>

#include <cstdlib>
#include <fstream>

using namespace gui_testing;

namespace {

std::string fileText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

} // namespace

class FileFlowTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        // The installation puts the configuration folder in our temporary folder.
        QDir(m_dir.path()).mkpath(QStringLiteral("PRIVATE"));
        m_settings = path(QStringLiteral("installation.conf")).toStdString();
        std::ofstream(m_settings) << "[Install Summary]\nAppDataLocation=50\n"
                                  << "Installation Directory=" << m_dir.path().toStdString()
                                  << "\n";
        ::setenv("APICFG_INSTALLATION_FILE", m_settings.c_str(), 1);
    }
    void TearDown() override {
        AppTest::TearDown();
        ::unsetenv("APICFG_INSTALLATION_FILE");
    }
    QString configDir() const { return path(QStringLiteral("PRIVATE")); }
    int questions(const QString& textStart) const {
        int n = 0;
        for (const PromptScript::Shown& s : script.shown())
            n += s.text.startsWith(textStart) ? 1 : 0;
        return n;
    }

    std::string m_settings;
};

TEST_F(FileFlowTest, UnsavedChangesAreAskedAboutBeforeNewAndExit) {
    const QString file = writeConfig("a.ini", join({cpic("ONE"), cpic("TWO")}));
    start({file});
    selectKind(kKindCpic);
    script.answerMessage(QMessageBox::Ok); // delete ONE
    click(ui().deleteButton);
    ASSERT_TRUE(doc().IsModified());

    // Cancel: the document stays as it is.
    script.answerMessage(QMessageBox::Cancel);
    frame().ui().actionFileNew->trigger();
    EXPECT_EQ(script.shown().back().text, QStringLiteral("Save changes to a.ini?"));
    EXPECT_EQ(script.shown().back().buttons,
              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(listed(), QStringList{"TWO"});

    // Cancel at exit keeps the window open.
    script.answerMessage(QMessageBox::Cancel);
    EXPECT_FALSE(frame().close());
    EXPECT_TRUE(frame().isVisible());

    // Yes saves first, then starts the new document; the file lost the deleted entry.
    script.answerMessage(QMessageBox::Yes);
    frame().ui().actionFileNew->trigger();
    EXPECT_FALSE(doc().IsModified());
    EXPECT_EQ(doc().GetPathName(), "");
    EXPECT_EQ(frame().windowTitle(), text(ids::kAppTitle) + " - Untitled");
    EXPECT_EQ(fileText(file).find("SYMB_NAME=ONE"), std::string::npos);
    EXPECT_NE(fileText(file).find("SYMB_NAME=TWO"), std::string::npos);
    EXPECT_EQ(ui().optionsList->count(), 6); // reused, not duplicated
    EXPECT_EQ(ui().optionsList->currentRow(), 0);
    EXPECT_EQ(script.unanswered(), 0);
}

TEST_F(FileFlowTest, NoDiscardsTheChanges) {
    const QString file = writeConfig("b.ini", cpic("ONE"));
    const std::string before = fileText(file);
    start({file});
    selectKind(kKindCpic);
    script.answerMessage(QMessageBox::Ok);
    click(ui().deleteButton);
    script.answerMessage(QMessageBox::No);
    EXPECT_TRUE(frame().close());
    EXPECT_EQ(fileText(file), before);
}

TEST_F(FileFlowTest, SavingANewDocumentProposesTheDefaultFileAndAddsTheDefaults) {
    start();
    const QString target = QDir(configDir()).filePath(QStringLiteral("lhntapi.ini"));
    script.answerFile(target);
    frame().ui().actionFileSave->trigger();

    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.shown()[0].kind, PromptScript::Shown::SaveFile);
    EXPECT_EQ(script.shown()[0].text, target); // the proposed name
    const std::string written = fileText(target);
    EXPECT_NE(written.find("[GLOBAL]"), std::string::npos);
    EXPECT_NE(written.find("[TRACE]\r\nFILE=\r\nFLAGS=0x0000"), std::string::npos);
    EXPECT_EQ(doc().GetPathName(), QFile::encodeName(target).toStdString());
    EXPECT_EQ(frame().windowTitle(), text(ids::kAppTitle) + " - lhntapi.ini");
    EXPECT_EQ(app().recentFiles().entries().value(0), target);
    // The store is the file read back: the global settings are listed at once.
    EXPECT_EQ(listed(), QStringList{text(ids::kEntryGlobal)});

    // Saving again asks nothing and adds nothing twice.
    frame().ui().actionFileSave->trigger();
    EXPECT_EQ(script.shown().size(), 1u);
    const std::string again = fileText(target);
    EXPECT_EQ(again.find("[TRACE]"), again.rfind("[TRACE]"));
}

TEST_F(FileFlowTest, SaveAsCancelledKeepsTheDocumentsName) {
    const QString file = writeConfig("c.ini", cpic("ONE"));
    start({file});
    script.answerFile(QString()); // cancel
    frame().ui().actionFileSaveAs->trigger();
    EXPECT_EQ(doc().GetPathName(), QFile::encodeName(file).toStdString());

    const QString copy = path("copy.ini");
    script.answerFile(copy);
    frame().ui().actionFileSaveAs->trigger();
    EXPECT_EQ(doc().GetPathName(), QFile::encodeName(copy).toStdString());
    EXPECT_NE(fileText(copy).find("SYMB_NAME=ONE"), std::string::npos);
    EXPECT_EQ(app().recentFiles().entries().value(0), copy);
}

TEST_F(FileFlowTest, OpenStartsInTheConfigurationFolderAndReopensAFile) {
    const QString file = writeConfig("o.ini", join({cpic("ONE"), cpic("TWO")}));
    start();
    script.answerFile(QString()); // cancelled: nothing happens
    frame().ui().actionFileOpen->trigger();
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.shown()[0].kind, PromptScript::Shown::OpenFile);
    EXPECT_EQ(script.shown()[0].text, configDir());
    EXPECT_EQ(doc().GetPathName(), "");

    script.answerFile(file);
    frame().ui().actionFileOpen->trigger();
    EXPECT_EQ(doc().GetPathName(), QFile::encodeName(file).toStdString());
    EXPECT_EQ(frame().windowTitle(), text(ids::kAppTitle) + " - o.ini");
    EXPECT_EQ(ui().optionsList->currentRow(), 0);
    selectKind(kKindCpic);
    EXPECT_EQ(listed(), (QStringList{"ONE", "TWO"}));
    EXPECT_EQ(app().recentFiles().entries(), QStringList{file});
}

TEST_F(FileFlowTest, AFileThatCannotBeOpenedLeavesANewDocument) {
    const QString broken = path("broken.ini");
    {
        QFile f(broken);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("header\r\n[SECTION_NAME_TOO_LONG_FOR_IT]\r\n");
    }
    start({writeConfig("good.ini", cpic("ONE"))});
    script.answerFile(broken);
    frame().ui().actionFileOpen->trigger();
    EXPECT_EQ(questions(text(errorMessageId(kErrStore))), 2); // the load and the open say it
    EXPECT_EQ(doc().GetPathName(), "");
    selectKind(kKindCpic);
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_NE(fileText(broken).find("TOO_LONG"), std::string::npos); // untouched
}

TEST_F(FileFlowTest, ARecentEntryWhoseFileVanishedIsRemoved) {
    const QString first = writeConfig("first.ini", cpic("FIRST"));
    const QString second = writeConfig("second.ini", cpic("SECOND"));
    start({first});
    script.answerFile(second);
    frame().ui().actionFileOpen->trigger();
    ASSERT_EQ(app().recentFiles().entries(), (QStringList{second, first}));

    // The recent entries are in the File menu, most recent first.
    QStringList menu;
    for (QAction* a : frame().ui().menuFile->actions())
        if (a->isVisible() && a->text().startsWith('&') && a->text().at(1).isDigit())
            menu << a->text();
    EXPECT_EQ(menu.size(), 2);
    EXPECT_TRUE(menu.value(0).endsWith("second.ini"));

    ASSERT_TRUE(QFile::remove(first));
    script.clearShown();
    app().OnOpenRecentFile(1);
    EXPECT_EQ(questions(text(errorMessageId(kErrStore))), 2);
    EXPECT_EQ(app().recentFiles().entries(), QStringList{second});
    EXPECT_EQ(doc().GetPathName(), "");
    EXPECT_EQ(frame().windowTitle(), text(ids::kAppTitle) + " - Untitled");

    // The list is kept in the settings: the next start sees the same.
    RecentFileList reread;
    reread.load();
    EXPECT_EQ(reread.entries(), QStringList{second});

    app().OnOpenRecentFile(0);
    EXPECT_EQ(doc().GetPathName(), QFile::encodeName(second).toStdString());
}

TEST_F(FileFlowTest, RecentListKeepsFourEntries) {
    RecentFileList list;
    for (const char* name : {"1.ini", "2.ini", "3.ini", "4.ini", "5.ini", "3.ini"})
        list.add(path(name));
    EXPECT_EQ(list.entries(),
              (QStringList{path("3.ini"), path("5.ini"), path("4.ini"), path("2.ini")}));
}

TEST_F(FileFlowTest, AFileChangedOnDiskIsNotOverwrittenWithoutConsent) {
    const QString file = writeConfig("shared.ini", cpic("MINE"));
    start({file});
    selectKind(kKindCpic);
    script.answerMessage(QMessageBox::Ok);
    click(ui().deleteButton);

    const QString theirs = writeConfig("shared.ini", join({cpic("MINE"), cpic("THEIRS")}));
    const std::string external = fileText(theirs);
    script.answerMessage(QMessageBox::No);
    frame().ui().actionFileSave->trigger();
    EXPECT_TRUE(script.shown().back().text.contains("changed by another program"));
    EXPECT_EQ(fileText(file), external);
    EXPECT_TRUE(doc().IsModified());

    script.answerMessage(QMessageBox::Yes);
    frame().ui().actionFileSave->trigger();
    EXPECT_EQ(fileText(file).find("THEIRS"), std::string::npos);
    EXPECT_FALSE(doc().IsModified());
}

TEST_F(FileFlowTest, ADroppedFileOpensAsTheDocument) {
    const QString file = writeConfig("dropped.ini", cpic("DROPPED"));
    start();
    EXPECT_TRUE(frame().acceptDrops());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    QSignalSpy dropped(&frame(), &CMainFrame::filesDropped);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame(), &drop);
    EXPECT_EQ(dropped.count(), 1);
    EXPECT_EQ(doc().GetPathName(), QFile::encodeName(file).toStdString());
    selectKind(kKindCpic);
    EXPECT_EQ(listed(), QStringList{"DROPPED"});
}

TEST_F(FileFlowTest, TheCommandLineIsOnePathWithOrWithoutQuotes) {
    EXPECT_EQ(filePathFromArguments({}), "");
    EXPECT_EQ(filePathFromArguments({"/a b/c.ini"}), "/a b/c.ini");
    EXPECT_EQ(filePathFromArguments({"/a", "b/c.ini"}), "/a b/c.ini");
    EXPECT_EQ(filePathFromArguments({"\"/a", "b/c.ini\""}), "/a b/c.ini");
    EXPECT_EQ(filePathFromArguments({"\"/x.ini\""}), "/x.ini");
    EXPECT_EQ(filePathFromArguments({"\""}), "\"");

    QDir(m_dir.path()).mkpath("with blanks");
    const QString file = writeConfig("with blanks/my file.ini", cpic("BLANKS"));
    start(file.split(' ')); // as the shell passes it unquoted
    EXPECT_EQ(doc().GetPathName(), QFile::encodeName(file).toStdString());
    EXPECT_EQ(frame().windowTitle(), text(ids::kAppTitle) + " - my file.ini");
}

TEST_F(FileFlowTest, AMissingCommandLineFileLeavesAnEmptyDocumentAndSaysSo) {
    start({path("nowhere.ini")});
    EXPECT_EQ(questions(text(errorMessageId(kErrStore))), 2);
    EXPECT_EQ(doc().GetPathName(), "");
    EXPECT_TRUE(frame().isVisible());
    EXPECT_TRUE(app().recentFiles().entries().isEmpty());
}

TEST_F(FileFlowTest, AboutShowsItsBox) {
    start();
    frame().ui().actionAppAbout->trigger();
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.shown()[0].kind, PromptScript::Shown::Dialog);
    EXPECT_EQ(script.shown()[0].title, "About ZEZ AZE Zoviru Ridorudororod");
    EXPECT_FALSE(frame().ui().actionHelpUsing->isEnabled());
}
