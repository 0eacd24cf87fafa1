// Where the configuration lives by default: the installation settings, the all-users
// folder, the client type, and the name a first save proposes.
#include "document_fixture.h"
#include "tela_kit.h"

#include <unistd.h>

using namespace testing_support;

namespace {

const char* const kTail = "/Application Data/Arvenco/LH SNA API Client/PRIVATE";

class DocumentLocation : public DocumentTest {
protected:
    void SetUp() override {
        DocumentTest::SetUp();
        char buffer[4096];
        ASSERT_NE(::getcwd(buffer, sizeof buffer), nullptr);
        cwd = buffer;
        const char* all = std::getenv("ALLUSERSPROFILE");
        keptAllUsers = all ? std::optional<std::string>(all) : std::nullopt;
        ::unsetenv("ALLUSERSPROFILE");
    }
    void TearDown() override {
        ASSERT_EQ(::chdir(cwd.c_str()), 0);
        if (keptAllUsers)
            ::setenv("ALLUSERSPROFILE", keptAllUsers->c_str(), 1);
        else
            ::unsetenv("ALLUSERSPROFILE");
        DocumentTest::TearDown();
    }
    std::string configDirectory() {
        std::string buffer = "untouched";
        getConfigDirectory(buffer);
        return buffer;
    }

    std::string cwd;
    std::optional<std::string> keptAllUsers;
};

} // namespace

TEST_F(DocumentLocation, DataUnderTheInstallationDirectory) {
    fs::create_directories(at("inst/PRIVATE"));
    // A line that is not name=value is skipped; the rest of the file still counts.
    installation("# written by the client's installer\n[Install Summary]\nnot a setting\n"
                 "AppDataLocation = 50\nInstallation Directory=" +
                 at("inst") + "\n");
    EXPECT_EQ(configDirectory(), at("inst/PRIVATE"));
    EXPECT_EQ(installationDirectory(), at("inst"));

    // A directory that ends with the separator gets no second one; 0x32 is 50 too.
    installation("[Install Summary]\nAppDataLocation=0x32\nInstallation Directory=" + at("inst/") +
                 "\n");
    EXPECT_EQ(configDirectory(), at("inst/PRIVATE"));

    // No PRIVATE folder: the platform gives no short name, so the directory is empty.
    fs::remove(at("inst/PRIVATE"));
    EXPECT_EQ(configDirectory(), "");
    // No installation directory at all: the relative "/PRIVATE" does not exist either.
    installation("[Install Summary]\nAppDataLocation=50\n");
    EXPECT_EQ(configDirectory(), "");
    EXPECT_EQ(installationDirectory(), "");
}

TEST_F(DocumentLocation, DataInTheAllUsersFolder) {
    installation("[Install Summary]\nAppDataLocation=1\nInstallation Directory=/opt/x\n");
    fs::create_directory(at("all users"));
    ::setenv("ALLUSERSPROFILE", at("all users").c_str(), 1);
    EXPECT_EQ(configDirectory(), at("all users") + kTail);
    // The profile folder is shortened, which it cannot be when it does not exist.
    ::setenv("ALLUSERSPROFILE", at("gone").c_str(), 1);
    EXPECT_EQ(configDirectory(), kTail);
    // Without the variable, the system's shared data folder.
    ::unsetenv("ALLUSERSPROFILE");
    EXPECT_EQ(allUsersDataFolder(), "/var/lib");
    EXPECT_EQ(configDirectory(), shortPathName("/var/lib") + kTail);
}

TEST_F(DocumentLocation, MissingSettingsLeaveTheBufferAsItWas) {
    EXPECT_EQ(configDirectory(), "untouched"); // no settings file
    installation("[Other Section]\nAppDataLocation=50\n");
    EXPECT_EQ(configDirectory(), "untouched");
    for (const char* bad : {"", "fifty", "-1", "0x100000000", "50x"}) {
        SCOPED_TRACE(bad);
        installation(std::string("[Install Summary]\nAppDataLocation=") + bad + "\n");
        EXPECT_EQ(configDirectory(), "untouched");
    }
    EXPECT_EQ(QueryClientType(), kClientTypeNone);
}

TEST_F(DocumentLocation, FirstSaveProposesTheDefaultFileOfTheClientType) {
    fs::create_directories(at("inst/PRIVATE"));
    const std::string settings =
        "[Install Summary]\nAppDataLocation=50\nInstallation Directory=" + at("inst") + "\n";
    std::vector<std::string> proposed;
    std::optional<std::string> answer;
    DocumentPrompts prompts;
    prompts.fileName = [&](const std::string& name) {
        proposed.push_back(name);
        return answer;
    };
    doc.SetPrompts(prompts);

    for (int type : {0, 1, 2, 3}) {
        SCOPED_TRACE(type);
        installation(settings + "Client Type=" + std::to_string(type) + "\n");
        EXPECT_EQ(QueryClientType(), type);
        ASSERT_TRUE(doc.OnNewDocument());
        proposed.clear();
        EXPECT_FALSE(doc.DoFileSave()); // cancelled in the file dialog
        const char* name = type == 2 ? "zaredavi.ini" : "lhntapi.ini";
        EXPECT_EQ(proposed, std::vector<std::string>{at("inst/PRIVATE/") + name});
        EXPECT_EQ(doc.GetPathName(), ""); // a cancelled save keeps the old (no) name
        EXPECT_EQ(fs::current_path(), fs::path(at("inst/PRIVATE")));
    }

    answer = at("inst/PRIVATE/zaredavi.ini");
    ASSERT_TRUE(doc.DoFileSave());
    EXPECT_EQ(doc.GetPathName(), *answer);
    EXPECT_TRUE(fs::exists(*answer));
    EXPECT_TRUE(shown.empty());
}

TEST_F(DocumentLocation, WithoutAnInstallationTheDefaultIsInTheRoot) {
    std::vector<std::string> proposed;
    DocumentPrompts prompts;
    prompts.fileName = [&](const std::string& name) {
        proposed.push_back(name);
        return std::nullopt;
    };
    doc.SetPrompts(prompts);
    EXPECT_FALSE(doc.DoFileSaveAs());
    EXPECT_EQ(proposed, std::vector<std::string>{"/lhntapi.ini"});
    EXPECT_EQ(doc.GetPathName(), "");
}
