// The File flow: the unsaved-changes question, saving a new document, reopening, recent
// files (and one whose file vanished), a file changed on disk, the command line.
#include "gui_fixture.h"

#include "messages.h"
#include "record_kinds.h"
#include "start_command.h"

#include <QDir>

#include <algorithm>
#include <cstdlib>
#include <fstream>

using namespace gui_testing;

namespace {

std::string fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// The recent files as the settings file on disk holds them, not as a settings object caches.
QStringList recentOnDisk() {
    QStringList paths;
    for (const QString& line : QString::fromStdString(fileText(QSettings().fileName())).split('\n'))
        if (line.startsWith(QStringLiteral("File")))
            paths << line.section(QLatin1Char('='), 1);
    return paths;
}

bool waitForRecentOnDisk(const QStringList& expected) {
    for (int i = 0; i < 200 && recentOnDisk() != expected; ++i)
        QTest::qWait(25);
    return recentOnDisk() == expected;
}

} // namespace

class FileFlowTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        // The installation puts the configuration folder in our temporary folder.
        QDir(m_dir.path()).mkpath(QStringLiteral("PRIVATE"));
        std::ofstream(path("install.conf").toStdString())
            << "[Install Summary]\nAppDataLocation=50\nInstallation Directory="
            << m_dir.path().toStdString() << "\n";
        ::setenv("APICFG_INSTALLATION_FILE", path("install.conf").toLocal8Bit().constData(), 1);
    }
    void TearDown() override {
        AppTest::TearDown();
        ::unsetenv("APICFG_INSTALLATION_FILE");
    }
    void trigger(QAction* action, QMessageBox::StandardButton answer) {
        script.answerMessage(answer);
        action->trigger();
    }
    // How often the message of a store failure was shown.
    int storeFailures() const {
        return static_cast<int>(std::count_if(
            script.shown().begin(), script.shown().end(), [](const PromptScript::Shown& s) {
                return s.text.startsWith(text(errorMessageId(ErrorCode::Store)));
            }));
    }
};

TEST_F(FileFlowTest, UnsavedChangesAreAskedAboutBeforeNewAndExit) {
    const QString file = writeConfig("a.ini", cpic({"ONE", "TWO"}));
    start({file});
    selectKind(kKindCpic);
    deleteSelected();
    // Another program changed the file: saving over it needs consent.
    const std::string external = fileText(writeConfig("a.ini", cpic({"ONE", "TWO", "THEIRS"})));
    trigger(frame().ui().actionFileSave, QMessageBox::Cancel);
    EXPECT_TRUE(script.shown().back().text.contains("changed by another program"));
    EXPECT_TRUE(doc().IsModified());

    trigger(frame().ui().actionFileNew, QMessageBox::Cancel); // the document stays
    EXPECT_EQ(script.shown().back().text, QStringLiteral("Save changes to a.ini?"));
    EXPECT_EQ(script.shown().back().buttons,
              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(listed(), QStringList{"TWO"});
    script.answerFile(file); // Open asks once the file is chosen
    trigger(frame().ui().actionFileOpen, QMessageBox::Cancel);
    EXPECT_EQ(script.shown().back().text, QStringLiteral("Save changes to a.ini?"));
    EXPECT_EQ(listed(), QStringList{"TWO"});
    script.answerMessage(QMessageBox::Cancel);
    EXPECT_FALSE(frame().close()); // Cancel at exit keeps the window open
    script.answerMessage(QMessageBox::No);
    EXPECT_TRUE(frame().close()); // No discards the changes
    EXPECT_EQ(fileText(file), external);

    // Yes saves first, then starts the new document.
    start({file});
    selectKind(kKindCpic);
    deleteSelected();
    trigger(frame().ui().actionFileNew, QMessageBox::Yes);
    EXPECT_FALSE(doc().IsModified());
    EXPECT_EQ(pathName(), "");
    EXPECT_EQ(shownCaption(frame()), text(ids::kAppTitle) + " - Untitled");
    EXPECT_EQ(fileText(file).find("SYMB_NAME=ONE"), std::string::npos);
    EXPECT_NE(fileText(file).find("SYMB_NAME=THEIRS"), std::string::npos);
    // reused, not duplicated
    EXPECT_EQ(ui().optionsList->count(), static_cast<int>(optionKinds().size()));
    EXPECT_EQ(script.unanswered(), 0);
}

TEST_F(FileFlowTest, SavingANewDocumentProposesTheDefaultFileAndSaveAsTakesAnother) {
    start();
    const QString target = QDir(path("PRIVATE")).filePath(QStringLiteral("lhntapi.ini"));
    script.answerFile(target);
    frame().ui().actionFileSave->trigger();
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.shown()[0].kind, PromptScript::Shown::SaveFile);
    EXPECT_EQ(script.shown()[0].text, target); // the proposed name
    EXPECT_EQ(pathName(), encoded(target));
    EXPECT_EQ(shownCaption(frame()), text(ids::kAppTitle) + " - lhntapi.ini");
    EXPECT_EQ(listed(), QStringList{text(ids::kEntryGlobal)}); // the file read back

    // Saving again asks nothing.
    frame().ui().actionFileSave->trigger();
    EXPECT_EQ(script.shown().size(), 1u);
    const std::string again = fileText(target);

    // Save As writes to the file given and takes its name.
    script.answerFile(path("copy.ini"));
    frame().ui().actionFileSaveAs->trigger();
    EXPECT_EQ(pathName(), encoded(path("copy.ini")));
    EXPECT_EQ(fileText(path("copy.ini")), again);
}

TEST_F(FileFlowTest, OpenReopensAFileAndARecentEntryWhoseFileVanishedIsRemoved) {
    const QString first = writeConfig("first.ini", cpic({"ONE", "TWO"}));
    const QString second = writeConfig("second.ini", cpic({"SECOND"}));
    start();
    script.answerFile(QString()); // cancelled: nothing happens
    frame().ui().actionFileOpen->trigger();
    EXPECT_EQ(script.shown().back().text, path("PRIVATE")); // the configuration folder
    EXPECT_EQ(pathName(), "");
    for (const QString& file : {first, second}) {
        script.answerFile(file);
        frame().ui().actionFileOpen->trigger();
    }
    EXPECT_EQ(shownCaption(frame()), text(ids::kAppTitle) + " - second.ini");
    ASSERT_EQ(app().recentFiles().entries(), (QStringList{second, first}));
    EXPECT_TRUE(waitForRecentOnDisk({second, first})); // written once the window is up

    app().OnOpenRecentFile(1);
    EXPECT_EQ(pathName(), encoded(first));
    selectKind(kKindCpic);
    EXPECT_EQ(listed(), (QStringList{"ONE", "TWO"}));
    ASSERT_EQ(app().recentFiles().entries(), (QStringList{first, second}));

    ASSERT_TRUE(QFile::remove(second));
    script.clearShown();
    app().OnOpenRecentFile(1);
    EXPECT_EQ(storeFailures(), 1); // the open says it, the load names the file and the reason
    EXPECT_TRUE(script.shown().front().text.endsWith(second + ": No such file or directory"));
    EXPECT_EQ(app().recentFiles().entries(), QStringList{first});
    EXPECT_EQ(pathName(), "");
    EXPECT_TRUE(waitForRecentOnDisk({first}));
    RecentFileList reread; // the next start sees the same
    reread.load();
    EXPECT_EQ(reread.entries(), QStringList{first});
    for (const char* name : {"1", "2", "3", "4", "3"})
        reread.add(path(name));
    EXPECT_EQ(reread.entries(), (QStringList{path("3"), path("4"), path("2"), path("1")}));

    // What was not written yet is written when the window closes or the program ends,
    // without waiting for the event loop.
    script.answerFile(writeConfig("second.ini", cpic({"AGAIN"})));
    frame().ui().actionFileOpen->trigger();
    frame().ui().actionAppExit->trigger();
    EXPECT_FALSE(frame().isVisible());
    EXPECT_EQ(recentOnDisk(), (QStringList{second, first}));
    const QString third = writeConfig("third.ini", cpic({"THIRD"}));
    start({third});
    m_app.reset();
    EXPECT_EQ(recentOnDisk(), (QStringList{third, second, first}));
}

TEST_F(FileFlowTest, TheCommandLineIsOnePathWithOrWithoutQuotes) {
    EXPECT_EQ(filePathFromArguments({}), "");
    EXPECT_EQ(filePathFromArguments({"\"/a", "b/c.ini\""}), "/a b/c.ini");
    EXPECT_EQ(filePathFromArguments({"\""}), "\"");
    QDir(m_dir.path()).mkpath("with blanks");
    const QString file = writeConfig("with blanks/my file.ini", cpic({"BLANKS"}));
    start(file.split(' ')); // as the shell passes it unquoted
    EXPECT_EQ(pathName(), encoded(file));

    start({path("nowhere.ini")}); // a missing file: an empty document, and a message
    EXPECT_EQ(storeFailures(), 1);
    EXPECT_EQ(pathName(), "");
    EXPECT_TRUE(frame().isVisible());
}
