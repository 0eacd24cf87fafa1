// The command line of a desktop program: --help and --version answer at once, a file after
// "--" may begin with "-", and a second start hands its file, byte for byte, to the editor
// that runs, which opens it once the user is done with what is open and comes forward.
#include "gui_fixture.h"

#include "single_instance.h"
#include "start_command.h"

#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

using namespace gui_testing;

class SecondStartTest : public AppTest {};

TEST_F(SecondStartTest, OptionsAnswerAtOnceAndAFileGoesToTheRunningEditor) {
    const QString here = m_dir.path();
    const Ended help = runEditor("exec \"$0\" --help", here, false);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: apicfg [OPTION]... [--] [FILE]\n"));
    const Ended version = runEditor("exec \"$0\" -platform offscreen --version", here, false);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.toStdString(), startVersionText());
    EXPECT_EQ(runEditor("exec \"$0\" -x a.ini", here, true).exitCode, 2);

    // This test is the running editor, in a runtime folder of its own (no other test's
    // editor is reached); later starts hand on their file as an absolute path, a name that
    // begins with "-" after "--", a byte that is no UTF-8 kept as it is.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    ASSERT_TRUE(QDir(here).mkdir("runtime"));
    QFile::setPermissions(here + "/runtime",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(here + "/runtime"));
    SingleInstance self(QStringLiteral("apicfg"));
    ASSERT_EQ(self.start(), SingleInstance::State::Primary);
    QList<QByteArray> files;
    int activations = 0;
    QObject::connect(&self, &SingleInstance::openRequested,
                     [&](const QByteArray& file) { files << file; });
    QObject::connect(&self, &SingleInstance::activationRequested, [&] { ++activations; });
    EXPECT_EQ(runEditor("exec \"$0\" -- \"$(printf -- '-caf\\351 1.ini')\"", here, true).exitCode,
              0);
    EXPECT_EQ(runEditor("exec \"$0\" /abs/b.ini", here, true).exitCode, 0);
    EXPECT_EQ(runEditor("exec \"$0\"", here, true).exitCode, 0);
    EXPECT_EQ(files,
              (QList<QByteArray>{QFile::encodeName(here) + "/-caf\xe9 1.ini", "/abs/b.ini"}));
    EXPECT_EQ(activations, 1);
    if (runtime.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", runtime);
}

TEST_F(SecondStartTest, AHandedFileOpensAfterTheSheetClosesAndTheSaveQuestion) {
    start({writeConfig("a.ini", cpic({"ONE"}))});
    const QString second = writeConfig("b.ini", cpic({"TWO"}));
    selectKind(kKindCpic);
    selectRow(0);
    deleteSelected(); // unsaved changes
    // While a sheet is open the file waits; once it is closed, the question comes first.
    QDialog sheet(&frame());
    sheet.setModal(true);
    QTimer::singleShot(0, [&] {
        app().openFromAnotherStart(QFile::encodeName(second));
        QTest::qWait(300);
        EXPECT_EQ(pathName(), encoded(path("a.ini")));
        script.answerMessage(QMessageBox::No);
        sheet.reject();
    });
    sheet.exec();
    QElapsedTimer timer;
    timer.start();
    while (pathName() != encoded(second) && timer.elapsed() < 5000)
        QTest::qWait(20);
    EXPECT_EQ(pathName(), encoded(second));
    EXPECT_EQ(script.shown().back().text, QStringLiteral("Save changes to a.ini?"));
    selectKind(kKindCpic);
    EXPECT_EQ(listed(), QStringList{"TWO"});
    EXPECT_FALSE(doc().IsModified());
}
