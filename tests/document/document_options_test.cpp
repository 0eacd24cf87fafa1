// The option dispatch the main window and the tool share, and where the configuration
// lives by default: the installation settings, the all-users folder and the client type.
#include "document_fixture.h"
#include "option_kinds.h"
#include "tela_kit.h"

#include <unistd.h>

using namespace testing_support;

namespace {

class DocumentOptions : public DocumentTest {
protected:
    void TearDown() override {
        setEditorRunner(nullptr);
        ::unsetenv("ALLUSERSPROFILE");
        DocumentTest::TearDown();
    }
    std::vector<std::string> list(int kind, int expected = 1) {
        std::vector<std::string> out;
        EXPECT_EQ(doc.ListOptionRecords(kind, out), expected) << kind;
        return out;
    }
    std::string configDirectory() {
        std::string buffer = "untouched";
        getConfigDirectory(buffer);
        return buffer;
    }
};

} // namespace

TEST_F(DocumentOptions, ListEditAndDeleteRecordsOfEachKind) {
    fill(doc.store(), {{"GLOBAL", {}},
                       {"CPIC_INFO", {{"SYMB_NAME", "SIDE2"}}},
                       {"CPIC_INFO", {{"SYMB_NAME", "SIDE1"}}},
                       {"LUX_PROFILE", {{"PROFILE_NAME", "LUXB"}}}});
    EXPECT_EQ(list(kKindGlobal), std::vector<std::string>{"Global settings"});
    EXPECT_EQ(list(kKindCpic), (std::vector<std::string>{"SIDE2", "SIDE1"}));
    EXPECT_TRUE(list(14, 0).empty());

    EXPECT_EQ(doc.EditOptionRecord(kKindCpic, "SIDE1"), 0); // no editor installed
    std::vector<std::string> titles;
    int result = 0;
    setEditorRunner(
        [&](CCfgDoc&, const RecordKind&, const std::string& title, const std::string& name) {
            titles.push_back(title + ":" + name);
            return result;
        });
    EXPECT_EQ(doc.EditOptionRecord(kKindCpic, "SIDE1"), 0); // cancelled
    EXPECT_EQ(doc.DeleteOptionRecord(kKindCpic, "NOSUCH"), 0);
    EXPECT_EQ(doc.DeleteOptionRecord(42, "SIDE1"), 0);
    EXPECT_FALSE(doc.IsModified());
    result = 1;
    EXPECT_EQ(doc.EditOptionRecord(99, "x"), 0);
    EXPECT_EQ(doc.EditOptionRecord(kKindGlobal, ""), 1);
    EXPECT_EQ(titles, (std::vector<std::string>{"CPI-C Side Information:SIDE1", ":"}));
    EXPECT_FALSE(doc.IsModified()) << "confirmed, but nothing stored";
    EXPECT_EQ(doc.DeleteOptionRecord(kKindCpic, "SIDE1"), 1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.DeleteOptionRecord(kKindGlobal, ""), 1);
    EXPECT_EQ(order(doc.store()), (std::vector<std::string>{"CPIC_INFO", "LUX_PROFILE"}));
}

TEST_F(DocumentOptions, ConfigDirectoryFollowsTheInstallationSettings) {
    EXPECT_EQ(configDirectory(), "untouched"); // no settings file
    for (const char* bad :
         {"[Other]\nAppDataLocation=50\n", "[Install Summary]\nAppDataLocation=50x\n",
          "[Install Summary]\nAppDataLocation=0x100000000\n"}) {
        installation(bad);
        EXPECT_EQ(configDirectory(), "untouched") << bad;
    }
    EXPECT_EQ(QueryClientType(), kClientTypeNone);

    fs::create_directories(at("inst/PRIVATE"));
    installation(
        "[Install Summary]\nnot a setting\nAppDataLocation = 0x32\nInstallation Directory=" +
        at("inst/") + "\n");
    EXPECT_EQ(configDirectory(), at("inst/PRIVATE"));
    EXPECT_EQ(installationDirectory(), at("inst/"));
    fs::remove(at("inst/PRIVATE"));
    EXPECT_EQ(configDirectory(), ""); // no short name for a folder that does not exist

    const std::string tail = "/Application Data/Arvenco/LH SNA API Client/PRIVATE";
    installation("[Install Summary]\nAppDataLocation=1\n");
    ::setenv("ALLUSERSPROFILE", dir.c_str(), 1);
    EXPECT_EQ(configDirectory(), dir + tail);
    ::unsetenv("ALLUSERSPROFILE");
    EXPECT_EQ(configDirectory(), shortPathName("/var/lib") + tail);
}

TEST_F(DocumentOptions, FirstSaveProposesTheDefaultFileOfTheClientType) {
    char cwd[4096];
    ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
    std::vector<std::string> proposed;
    std::optional<std::string> answer;
    DocumentPrompts prompts;
    prompts.fileName = [&](const std::string& name) {
        proposed.push_back(name);
        return answer;
    };
    doc.SetPrompts(prompts);
    EXPECT_FALSE(doc.DoFileSaveAs()); // no installation: the root
    fs::create_directories(at("inst/PRIVATE"));
    for (int type : {0, 1, 2, 3}) {
        installation("[Install Summary]\nAppDataLocation=50\nInstallation Directory=" + at("inst") +
                     "\nClient Type=" + std::to_string(type) + "\n");
        EXPECT_EQ(QueryClientType(), type);
        ASSERT_TRUE(doc.OnNewDocument());
        EXPECT_FALSE(doc.DoFileSave()); // cancelled in the file dialog
        EXPECT_EQ(proposed.back(),
                  at("inst/PRIVATE/") + (type == 2 ? "zaredavi.ini" : "lhntapi.ini"));
        EXPECT_EQ(fs::current_path(), fs::path(at("inst/PRIVATE")));
    }
    EXPECT_EQ(proposed.front(), "/lhntapi.ini");
    EXPECT_EQ(doc.GetPathName(), ""); // a cancelled save keeps the old (no) name
    answer = at("inst/PRIVATE/zaredavi.ini");
    ASSERT_TRUE(doc.DoFileSave());
    EXPECT_EQ(doc.GetPathName(), *answer);
    EXPECT_TRUE(fs::exists(*answer));
    ASSERT_EQ(::chdir(cwd), 0);
}
