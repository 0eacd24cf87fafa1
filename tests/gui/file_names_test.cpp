// File names are bytes: the editor opens and saves a file whose name is not UTF-8, given on
// the command line or chosen in the Open dialog, under exactly that name, and remembers it
// as a recent file.
#include "gui_fixture.h"

#include "path_bytes.h"
#include "recent_files.h"

#include <sys/stat.h>

using namespace gui_testing;

TEST_F(AppTest, AFileWhoseNameIsNotUtf8OpensAndSavesUnderItsOwnName) {
    for (const QByteArray& bytes : {QByteArray("caf\xE9.ini"), QByteArray("\xFF\xC3(.ini"),
                                    QByteArray("gr\xC3\xBC\xC3\x9F"
                                               "e.ini")}) {
        EXPECT_EQ(bytesFromPath(pathFromBytes(bytes)), bytes);
        const std::string file = (QFile::encodeName(m_dir.path()) + '/' + bytes).toStdString();
        CfgStore store;
        testing_support::fill(store, cpic({"BYTES"}));
        ASSERT_EQ(cfgWriteFile(store, file), 0);
        start({pathFromBytes(QByteArray::fromStdString(file))});
        EXPECT_EQ(pathName(), file);
        EXPECT_TRUE(doc().DoFileSave());
        struct stat st {};
        EXPECT_EQ(::stat(file.c_str(), &st), 0);
        // Chosen in the Open dialog, which shows the name with U+FFFD for the odd bytes.
        app().OnFileNew();
        script.answerFile(QFile::decodeName(QByteArray::fromStdString(file)));
        app().OnFileOpen();
        EXPECT_EQ(pathName(), file);
        // The recent-file list keeps the name's bytes from one run to the next.
        RecentFileList saved;
        saved.add(pathFromBytes(QByteArray::fromStdString(file)));
        saved.save();
        RecentFileList loaded;
        loaded.load();
        ASSERT_FALSE(loaded.entries().isEmpty());
        EXPECT_EQ(bytesFromPath(loaded.entries().front()).toStdString(), file);
    }
    for (const PromptScript::Shown& shown : script.shown())
        EXPECT_EQ(shown.kind, PromptScript::Shown::OpenFile) << shown.text.toStdString();
}
