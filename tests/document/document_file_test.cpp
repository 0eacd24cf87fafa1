// Opening and saving as the user meets it: what the document holds and what is on disk
// afterwards, with and without entries of the older form, and every failure's messages.
#include "atomic_file.h"
#include "document_fixture.h"
#include "lux_records.h"

#include <cerrno>
#include <set>

using namespace testing_support;

namespace {

const std::vector<std::string> kLinks = {"SESSION=,*,1,,TCP/IP,,ENC_OFF",
                                         "SESSION=,*,1,,TCP/IP,,ENC_OFF"};

// An APPC section whose first server has the given value.
std::vector<std::string> appc(const std::string& server) {
    return {
        "[APPC]", "SELECT=SERVER", "SERVER=" + server, "SERVER=", "SERVER=", "SERVER=", "SCOPE="};
}

// A configuration; with `old`, its first APPC server and a LUx link are in the older form.
std::vector<std::string> config(bool old) {
    const std::string m = old ? "%" : "";
    std::vector<std::string> lines = appc("HOSTA" + m + ",TCP/IP,ENC_OFF");
    for (std::string name : {"FIRST", "SECOND"}) {
        lines.insert(lines.end(),
                     {"[LUX_PROFILE]", "PROFILE_NAME=" + name,
                      "SESSION=SRV,*,0,LU01,TCP/IP,,ENC_OFF",
                      "SESSION=OLD" + (name == "SECOND" ? m : "") + ",*,1,,IPX/SPX,,ENC_ON"});
        lines.insert(lines.end(), kLinks.begin(), kLinks.end());
    }
    lines.insert(lines.end(), {"[DEF_LUX_PROF]", "DEF_PROF_NAME=SECOND"});
    return lines;
}

// The saved form of an empty document: the defaults every saved file gets.
const std::string kSavedEmpty =
    cfgText({";", ";", "[GLOBAL]", "USER_NAME=", "PASSWORD=", "TRANSLATE_TABLE=", "DEF_LU_ALIAS=",
             "DEF_PLU_ALIAS=", ";", "[TRACE]", "FILE=", "FLAGS=0x0000"});

Sections fileSnapshot(const std::string& path) {
    CfgStore store;
    EXPECT_EQ(cfgReadFile(store, path), 0);
    return snapshot(store);
}

class DocumentFile : public DocumentTest {};

} // namespace

TEST_F(DocumentFile, OldFormIsBackedUpThenConvertedInPlaceAndStaysConverted) {
    const std::string text = cfgText(config(true));
    spit(at("config.ini"), text);
    ASSERT_TRUE(doc.OnOpenDocument(at("config.ini")));
    auto files = tree(dir);
    ASSERT_EQ(files.size(), 2u);
    CfgStore original; // the backup holds the file as it was, in the program's layout
    readText(original, text);
    EXPECT_EQ(files["config.001"], cfgWriteBuffer(original));
    EXPECT_EQ(files["config.ini"], cfgWriteBuffer(doc.store()));
    EXPECT_EQ(sectionsNamed(doc.store(), "APPC").at(0).at(1).second, "HOSTA,TCP/IP,ENC_OFF");
    std::vector<std::string> names;
    ASSERT_EQ(luxListProfiles(doc.store(), names), 1);
    EXPECT_EQ(names, (std::vector<std::string>{"SECOND", "FIRST"})); // converted ends reversed
    LuxProfileRecord second;
    second.profileName = "SECOND";
    ASSERT_EQ(luxReadProfile(doc.store(), second), 1);
    EXPECT_EQ(second.links[1].serverName, "OLD");
    EXPECT_EQ(second.isDefault, 1);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(shown.empty());
    // Opening a file of the current form writes nothing.
    ASSERT_TRUE(doc.OnOpenDocument(at("config.ini")));
    EXPECT_EQ(tree(dir), files);
}

TEST_F(DocumentFile, BackupAndConvertedNamesComeFromTheFileNameOnly) {
    const std::string text = cfgText(config(true));
    const std::vector<std::pair<std::string, std::set<std::string>>> cases = {
        {"a.b/a.b.ini", {"a.b/a.b.ini", "a.b/a.b.001"}},
        {"a.b/x.cfg", {"a.b/x.cfg", "a.b/x.001", "a.b/x.ini"}},
        {"a.b/config", {"a.b/config", "a.b/config.001", "a.b/config.ini"}},
        {"a.b/.ini", {"a.b/.ini", "a.b/.001"}},
    };
    for (const auto& [open, after] : cases) {
        SCOPED_TRACE(open);
        fs::remove_all(at("a.b"));
        fs::create_directory(at("a.b"));
        spit(at(open), text);
        ASSERT_TRUE(doc.OnOpenDocument(at(open)));
        std::set<std::string> names;
        for (const auto& [name, bytes] : tree(at("a.b")))
            names.insert("a.b/" + name);
        EXPECT_EQ(names, after);
        // Only an opened .ini file is converted in place.
        EXPECT_EQ(slurp(at(open)) == text, !open.ends_with(".ini"));
    }
}

TEST_F(DocumentFile, FailedOpenLeavesAnEmptyUnnamedDocumentAndTheFilesAsTheyWere) {
    spit(at("malformed.ini"), cfgText({"[GLOBAL]", "this line has no equals"}));
    spit(at("badserver.ini"), cfgText(appc("BAD NAME%,TCP/IP,ENC_OFF")));
    fs::create_directory(at("ro"));
    spit(at("ro/config.ini"), cfgText(config(true)));
    fs::create_directory(at("ro/config.001")); // a folder where the backup should go
    spit(at("good.ini"), cfgText(config(false)));
    // A file that is not there, or a backup that would replace a file: named with the reason.
    const Shown missing{"Not opened: " + at("missing.ini") + ": No such file or directory", 16};
    const Shown taken{"Not opened: " + at("ro/config.001") + ": exists already", 16};
    const std::vector<std::pair<std::string, std::vector<Shown>>> cases = {
        {"missing.ini", {missing, storeFailure}},
        {"malformed.ini", {storeFailure, storeFailure}},
        {"ro/config.ini", {taken, storeFailure}},
        {"badserver.ini", {{"Bad server name.", 0}, storeFailure}},
    };
    for (const auto& [name, messages] : cases) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(doc.OpenDocument(at("good.ini")));
        doc.SetModifiedFlag(true);
        shown.clear();
        auto before = tree(dir);
        EXPECT_FALSE(doc.OpenDocument(at(name)));
        EXPECT_EQ(shown, messages);
        EXPECT_TRUE(doc.store().empty());
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(doc.GetPathName(), ""); // a save must not put nothing over good.ini
        auto after = tree(dir);
        // A refused conversion keeps the backup written before it; nothing else changes.
        after.erase(name.substr(0, name.size() - 4) + ".001");
        before.erase(name.substr(0, name.size() - 4) + ".001");
        EXPECT_EQ(after, before);
    }
    EXPECT_TRUE(fs::exists(at("badserver.001")));
}

TEST_F(DocumentFile, SaveAddsTheDefaultsOnceAtTheEndAndReadsTheFileBack) {
    ASSERT_TRUE(doc.OnNewDocument());
    for (int i = 0; i < 2; ++i) { // saving again adds nothing
        doc.SetModifiedFlag(true);
        ASSERT_TRUE(doc.OnSaveDocument(at("new.ini")));
        EXPECT_EQ(slurp(at("new.ini")), kSavedEmpty);
        EXPECT_EQ(snapshot(doc.store()), fileSnapshot(at("new.ini")));
        EXPECT_FALSE(doc.IsModified());
    }
    cfgClear(doc.store()); // an existing section is left alone, the missing one added last
    fill(doc.store(), {{"CPIC_INFO", {}}, {"TRACE", {{"FILE", "t.log"}}}});
    ASSERT_TRUE(doc.OnSaveDocument(at("new.ini")));
    EXPECT_EQ(order(doc.store()), (std::vector<std::string>{"CPIC_INFO", "TRACE", "GLOBAL"}));
    EXPECT_EQ(snapshot(doc.store())[1].second, (Keys{{"FILE", "t.log"}}));
    // The read-back is the open, conversion included: FailedReadBack.
}

TEST_F(DocumentFile, FailedSaveKeepsTheEditedDocumentAndTheFileOnDisk) {
    spit(at("kept.ini"), kSavedEmpty);
    AtomicFileOps ops = atomicFileOps();
    ops.rename = [](const char*, const char*) {
        errno = EBUSY;
        return -1;
    };
    // A folder that does not exist, a rename the system refuses, and values the file
    // cannot carry (refused before writing, since the store is read back from the file).
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"missing/x.ini", "v"}, {"kept.ini", "v"}, {"kept.ini", "C:\\TP\\"}, {"kept.ini", "a\nb"}};
    for (const auto& [name, value] : cases) {
        SCOPED_TRACE(value);
        cfgClear(doc.store());
        fill(doc.store(), {{"GLOBAL", {}}, {"TRACE", {}}, {"CLIENT_ATTACH", {{"PATH", value}}}});
        doc.SetModifiedFlag(true);
        const Sections edited = snapshot(doc.store());
        shown.clear();
        setAtomicFileOpsForTesting(name == "kept.ini" && value == "v" ? &ops : nullptr);
        EXPECT_FALSE(doc.OnSaveDocument(at(name)));
        setAtomicFileOpsForTesting(nullptr);
        const Shown refused{"Not saved: PATH in [CLIENT_ATTACH].", 16};
        const Shown failed{
            "Not saved: " + at(name) + ": " +
                (name == "kept.ini" ? "Device or resource busy" : "No such file or directory"),
            16};
        EXPECT_EQ(shown, std::vector<Shown>(1, value == "v" ? failed : refused));
        EXPECT_EQ(snapshot(doc.store()), edited);
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(tree(dir), (std::map<std::string, std::string>{{"kept.ini", kSavedEmpty}}));
    }
}

TEST_F(DocumentFile, FailedReadBackLeavesTheWrittenFileAndAnEmptyUnnamedDocument) {
    spit(at("r.ini"), kSavedEmpty);
    ASSERT_TRUE(doc.OpenDocument(at("r.ini")));
    // A profile that reads back in the older form and whose rewrite its check refuses.
    fill(doc.store(), {{"LUX_PROFILE",
                        {{"PROFILE_NAME", "lower"},
                         {"SESSION", "OLD%,*,1,,TCP/IP,,ENC_OFF"},
                         {"SESSION", ""},
                         {"SESSION", ""},
                         {"SESSION", ""}}}});
    doc.SetModifiedFlag(true);
    const std::string written = cfgWriteBuffer(doc.store());
    EXPECT_FALSE(doc.DoFileSave());
    EXPECT_EQ(shown, (std::vector<Shown>{{"Bad profile name.", 0}, storeFailure}));
    EXPECT_EQ(slurp(at("r.ini")), written); // the user's work is on disk
    EXPECT_TRUE(doc.store().empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), ""); // saving the empty document must not go over it
}

TEST_F(DocumentFile, ReportErrorShowsTheMessageOfACodeOrNothing) {
    using enum ErrorCode;
    for (ErrorCode code : {Store, PartnerLuName, QualifiedLuName, None})
        doc.ReportError(code);
    for (int number : {18, 15, 65, 67, 999, 256, -66}) // numbers that are no code
        doc.ReportError(static_cast<ErrorCode>(number));
    EXPECT_EQ(shown,
              (std::vector<Shown>{storeFailure, {"Codes 14 and 24.", 0}, {"Codes 14 and 24.", 0}}));
}

TEST_F(DocumentFile, FileChangedOnDiskIsNotOverwrittenWithoutAsking) {
    spit(at("c.ini"), kSavedEmpty);
    ASSERT_TRUE(doc.OpenDocument(at("c.ini")));
    int asked = 0;
    DocumentPrompts prompts;
    prompts.overwriteChanged = [&](const std::string& path, const DiskState& then,
                                   const DiskState& now) {
        EXPECT_EQ(path, at("c.ini"));
        EXPECT_NE(then.hash, now.hash);
        ++asked;
        return ChangedFileAnswer::Overwrite;
    };
    doc.SetPrompts(prompts);
    spit(at("c.ini"), kSavedEmpty); // rewritten with the same bytes: nobody is asked
    doc.SetModifiedFlag(true);
    ASSERT_TRUE(doc.DoFileSave());
    EXPECT_EQ(asked, 0);

    // Keeping their change is the window's flow (FileFlowTest, MergeFlowTest).
    const std::string theirs = cfgText({"[GLOBAL]", "USER_NAME=theirs"});
    spit(at("c.ini"), theirs);
    ASSERT_TRUE(doc.DoFileSave());
    ASSERT_TRUE(doc.DoFileSave()); // the next save asks no more
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(slurp(at("c.ini")), cfgWriteBuffer(doc.store()));

    doc.SetPrompts({}); // with nobody to ask, a changed file is never overwritten
    spit(at("c.ini"), theirs);
    EXPECT_FALSE(doc.DoFileSave());
    EXPECT_EQ(slurp(at("c.ini")), theirs);
    EXPECT_TRUE(shown.empty());
}
