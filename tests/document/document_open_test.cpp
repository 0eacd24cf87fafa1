// Opening a configuration as the user meets it: what the document holds and what is on
// disk afterwards, file by file, with and without entries of the older form.
#include "appc_records.h"
#include "document_fixture.h"
#include "lux_records.h"

using namespace testing_support;

namespace {

const std::vector<std::string> kCurrent = {
    "[GLOBAL]",
    "USER_NAME=clerk",
    "LU62_LB=1",
    "[APPC]",
    "SELECT=SERVER",
    "SERVER=HOSTA,TCP/IP,ENC_OFF",
    "SERVER=HOSTB,IPX/SPX,ENC_ON",
    "SERVER=",
    "SERVER=",
    "SCOPE=",
    "[LUX_PROFILE]",
    "PROFILE_NAME=PROF1",
    "SESSION=SRV1,*,0,LU01,TCP/IP,,ENC_OFF",
    "SESSION=,*,1,,TCP/IP,,ENC_OFF",
    "SESSION=,*,1,,TCP/IP,,ENC_OFF",
    "SESSION=,*,1,,TCP/IP,,ENC_OFF",
};

// The same configuration with its first APPC server in the older form.
std::vector<std::string> oldAppc() {
    std::vector<std::string> lines = kCurrent;
    lines[5] = "SERVER=HOSTA%,TCP/IP,ENC_OFF";
    return lines;
}

Sections parsed(const std::string& text) {
    CfgStore store;
    readText(store, text);
    return snapshot(store);
}

std::string value(const CfgStore& store, const char* section, const char* key, int occ = 0) {
    std::string out;
    int keyOcc = -1;
    for (int i = 0; i <= occ; ++i)
        cfgGetValue(store, 0, section, keyOcc, key, out, 300);
    return out;
}

class DocumentOpen : public DocumentTest {};

} // namespace

TEST_F(DocumentOpen, CurrentFormOpensAsReadAndWritesNothing) {
    const std::string text = cfgText(kCurrent) + "\r\n; a comment the editor would drop\r\n";
    fs::create_directory(at("cfg"));
    spit(at("cfg/lhntapi.ini"), text);
    auto before = tree(at("cfg"));
    doc.SetModifiedFlag(true);

    ASSERT_TRUE(doc.OnOpenDocument(at("cfg/lhntapi.ini")));
    EXPECT_EQ(tree(at("cfg")), before); // no backup, no converted file, comment still there
    EXPECT_EQ(snapshot(doc.store()), parsed(text));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(transportTexts().first, "TCP/IP"); // the transport texts follow the library
}

TEST_F(DocumentOpen, OldFormIniIsBackedUpThenConvertedInPlaceAndStaysConverted) {
    const std::string text = cfgText(oldAppc());
    spit(at("config.ini"), text);

    ASSERT_TRUE(doc.OnOpenDocument(at("config.ini")));
    auto files = tree(dir);
    ASSERT_EQ(files.size(), 2u);
    // The backup holds the configuration as it was, in the program's layout.
    CfgStore original;
    readText(original, text);
    EXPECT_EQ(files["config.001"], cfgWriteBuffer(original));
    // The opened file now holds what the document holds: the marker is gone.
    EXPECT_EQ(files["config.ini"], cfgWriteBuffer(doc.store()));
    EXPECT_EQ(value(doc.store(), "APPC", "SERVER"), "HOSTA,TCP/IP,ENC_OFF");
    EXPECT_EQ(value(doc.store(), "APPC", "SERVER", 1), "HOSTB,IPX/SPX,ENC_ON");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(shown.empty());

    // Opening the converted file again changes nothing more.
    ASSERT_TRUE(doc.OnOpenDocument(at("config.ini")));
    EXPECT_EQ(tree(dir), files);
}

TEST_F(DocumentOpen, BackupAndConvertedNamesComeFromTheFileNameOnly) {
    const std::string text = cfgText(oldAppc());
    struct Case {
        std::string open;
        std::set<std::string> after;
        bool openedKept; // the opened file is not the converted one
    };
    const std::vector<Case> cases = {
        {"a.b/x.ini", {"a.b", "a.b/x.ini", "a.b/x.001"}, false},
        {"a.b/a.b.ini", {"a.b", "a.b/a.b.ini", "a.b/a.b.001"}, false},
        {"a.b/x.cfg", {"a.b", "a.b/x.cfg", "a.b/x.001", "a.b/x.ini"}, true},
        {"a.b/config", {"a.b", "a.b/config", "a.b/config.001", "a.b/config.ini"}, true},
        {"a.b/.ini", {"a.b", "a.b/.ini", "a.b/.001"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.open);
        fs::remove_all(at("a.b"));
        fs::create_directory(at("a.b"));
        spit(at(c.open), text);
        ASSERT_TRUE(doc.OnOpenDocument(at(c.open)));
        std::set<std::string> names;
        for (const auto& [name, bytes] : tree(dir))
            if (name != "no-installation.conf")
                names.insert(name);
        EXPECT_EQ(names, c.after);
        if (c.openedKept)
            EXPECT_EQ(slurp(at(c.open)), text);
        else
            EXPECT_EQ(slurp(at(c.open)), cfgWriteBuffer(doc.store()));
    }
}

TEST_F(DocumentOpen, OldFormLuxLinksAreConvertedAndProfilesEndReversed) {
    const std::string text = cfgText({
        "[LUX_PROFILE]",
        "PROFILE_NAME=FIRST",
        "SESSION=SRV1,*,0,LU01,TCP/IP,,ENC_OFF",
        "SESSION=,*,1,,TCP/IP,,ENC_OFF",
        "SESSION=,*,1,,TCP/IP,,ENC_OFF",
        "SESSION=,*,1,,TCP/IP,,ENC_OFF",
        "[LUX_PROFILE]",
        "PROFILE_NAME=SECOND",
        "SESSION=SRV2,*,0,LU02,TCP/IP,,ENC_OFF",
        "SESSION=OLD%,*,1,,IPX/SPX,,ENC_ON",
        "SESSION=,*,1,,TCP/IP,,ENC_OFF",
        "SESSION=,*,1,,TCP/IP,,ENC_OFF",
        "[DEF_LUX_PROF]",
        "DEF_PROF_NAME=SECOND",
    });
    spit(at("lux.ini"), text);
    ASSERT_TRUE(doc.OnOpenDocument(at("lux.ini")));
    EXPECT_TRUE(fs::exists(at("lux.001")));

    std::vector<std::string> names;
    ASSERT_EQ(luxListProfiles(doc.store(), names), 1);
    EXPECT_EQ(names, (std::vector<std::string>{"SECOND", "FIRST"}));
    LuxProfileRecord second;
    second.profileName = "SECOND";
    ASSERT_EQ(luxReadProfile(doc.store(), second), 1);
    EXPECT_EQ(second.links[1].serverName, "OLD");
    EXPECT_EQ(second.links[0].serverName, "SRV2");
    EXPECT_EQ(second.isDefault, 1);
    EXPECT_EQ(slurp(at("lux.ini")), cfgWriteBuffer(doc.store()));
}

TEST_F(DocumentOpen, UnreadableOrMalformedFileLeavesAnEmptyDocumentAndTwoMessages) {
    spit(at("malformed.ini"), cfgText({"[GLOBAL]", "USER_NAME=x", "this line has no equals"}));
    spit(at("longname.ini"), cfgText({"[SIXTEEN_CHARS_XX]"}));
    for (const char* name : {"missing.ini", "malformed.ini", "longname.ini"}) {
        SCOPED_TRACE(name);
        spit(at("good.ini"), cfgText(kCurrent));
        ASSERT_TRUE(doc.OnOpenDocument(at("good.ini")));
        doc.SetModifiedFlag(true);
        shown.clear();
        auto before = tree(dir);

        EXPECT_FALSE(doc.OnOpenDocument(at(name)));
        // Once by the loading step, once more by the open.
        EXPECT_EQ(shown, (std::vector<Shown>{storeFailure(), storeFailure()}));
        EXPECT_TRUE(doc.store().empty());
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(tree(dir), before);
    }
}

TEST_F(DocumentOpen, FailedOpenThroughTheFileMenuForgetsTheOldName) {
    spit(at("good.ini"), cfgText(kCurrent));
    ASSERT_TRUE(doc.OpenDocument(at("good.ini")));
    EXPECT_EQ(doc.GetPathName(), at("good.ini"));
    EXPECT_FALSE(doc.OpenDocument(at("missing.ini")));
    // Saving now must not put an empty configuration over good.ini.
    EXPECT_EQ(doc.GetPathName(), "");
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    EXPECT_TRUE(doc.store().empty());
}

TEST_F(DocumentOpen, RefusedConversionReportsTheWritersCodeAndKeepsTheOriginal) {
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"profile name the check refuses",
         {"[LUX_PROFILE]", "PROFILE_NAME=lower", "SESSION=SRV%,*,1,,TCP/IP,,ENC_OFF",
          "SESSION=,*,1,,TCP/IP,,ENC_OFF", "SESSION=,*,1,,TCP/IP,,ENC_OFF",
          "SESSION=,*,1,,TCP/IP,,ENC_OFF"},
         "Bad profile name."},
        {"APPC server name the check refuses",
         {"[APPC]", "SELECT=SERVER", "SERVER=BAD NAME%,TCP/IP,ENC_OFF",
          "SERVER=", "SERVER=", "SERVER=", "SCOPE="},
         "Bad server name."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(at("old.001"));
        const std::string text = cfgText(c.lines);
        spit(at("old.ini"), text);
        shown.clear();
        EXPECT_FALSE(doc.OnOpenDocument(at("old.ini")));
        EXPECT_EQ(shown, (std::vector<Shown>{{c.message, 0}, storeFailure()}));
        EXPECT_EQ(slurp(at("old.ini")), text);
        EXPECT_TRUE(fs::exists(at("old.001"))); // written before the failure, and kept
        EXPECT_TRUE(doc.store().empty());
    }
}

TEST_F(DocumentOpen, FailingBackupStopsTheConversionBeforeAnythingIsWritten) {
    fs::create_directory(at("ro"));
    const std::string text = cfgText(oldAppc());
    spit(at("ro/config.ini"), text);
    fs::create_directory(at("ro/config.001")); // a folder where the backup should go
    EXPECT_FALSE(doc.OnOpenDocument(at("ro/config.ini")));
    EXPECT_EQ(shown, (std::vector<Shown>{storeFailure(), storeFailure()}));
    EXPECT_EQ(slurp(at("ro/config.ini")), text);
    EXPECT_EQ(tree(at("ro")).size(), 2u);
}
