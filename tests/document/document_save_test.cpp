// Saving as the user meets it: the defaults every saved file gets (once), the read-back,
// failures that keep the edited document, and a file that changed on disk meanwhile.
#include "atomic_file.h"
#include "document_fixture.h"

#include <cerrno>

using namespace testing_support;

namespace {

const std::string kSavedEmpty = cfgText({
    ";",
    ";",
    "[GLOBAL]",
    "USER_NAME=",
    "PASSWORD=",
    "TRANSLATE_TABLE=",
    "DEF_LU_ALIAS=",
    "DEF_PLU_ALIAS=",
    ";",
    "[TRACE]",
    "FILE=",
    "FLAGS=0x0000",
});

Sections fileSnapshot(const std::string& path) {
    CfgStore store;
    EXPECT_EQ(cfgReadFile(store, path), 0);
    return snapshot(store);
}

class DocumentSave : public DocumentTest {};

} // namespace

TEST_F(DocumentSave, NewDocumentGetsGlobalAndTraceOnceAndIsReadBack) {
    ASSERT_TRUE(doc.OnNewDocument());
    ASSERT_TRUE(doc.OnSaveDocument(at("new.ini")));
    const std::string& expected = kSavedEmpty;
    EXPECT_EQ(slurp(at("new.ini")), expected);
    EXPECT_EQ(snapshot(doc.store()), fileSnapshot(at("new.ini")));
    EXPECT_FALSE(doc.IsModified());

    // Saving again adds nothing: the same bytes.
    doc.SetModifiedFlag(true);
    ASSERT_TRUE(doc.OnSaveDocument(at("new.ini")));
    EXPECT_EQ(slurp(at("new.ini")), expected);
    EXPECT_EQ(order(doc.store()), (std::vector<std::string>{"GLOBAL", "TRACE"}));
    EXPECT_TRUE(shown.empty());
}

TEST_F(DocumentSave, DefaultsGoAtTheEndAndExistingSectionsAreLeftAlone) {
    fill(doc.store(), {{"CPIC_INFO", {{"SYMB_NAME", "SIDE1"}}},
                       {"TRACE", {{"FILE", "trace.log"}, {"FLAGS", "0x00FF"}}}});
    ASSERT_TRUE(doc.OnSaveDocument(at("a.ini")));
    EXPECT_EQ(order(doc.store()), (std::vector<std::string>{"CPIC_INFO", "TRACE", "GLOBAL"}));
    Sections s = snapshot(doc.store());
    EXPECT_EQ(s[1].second, (Keys{{"FILE", "trace.log"}, {"FLAGS", "0x00FF"}}));

    cfgClear(doc.store());
    fill(doc.store(), {{"GLOBAL", {{"USER_NAME", "clerk"}}}, {"CPIC_INFO", {}}});
    ASSERT_TRUE(doc.OnSaveDocument(at("b.ini")));
    s = snapshot(doc.store());
    ASSERT_EQ(order(doc.store()), (std::vector<std::string>{"GLOBAL", "CPIC_INFO", "TRACE"}));
    EXPECT_EQ(s[0].second, (Keys{{"USER_NAME", "clerk"}}));
    EXPECT_EQ(s[2].second, (Keys{{"FILE", ""}, {"FLAGS", "0x0000"}}));
}

TEST_F(DocumentSave, ReadBackDoesWhatOpeningDoesIncludingTheConversion) {
    fill(doc.store(), {{"APPC",
                        {{"SELECT", "SERVER"},
                         {"SERVER", "OLD%,TCP/IP,ENC_OFF"},
                         {"SERVER", ""},
                         {"SERVER", ""},
                         {"SERVER", ""},
                         {"SCOPE", ""}}}});
    ASSERT_TRUE(doc.OnSaveDocument(at("saved.ini")));
    EXPECT_TRUE(fs::exists(at("saved.001")));
    std::string server;
    int occ = -1;
    cfgGetValue(doc.store(), 0, "APPC", occ, "SERVER", server, 76);
    EXPECT_EQ(server, "OLD,TCP/IP,ENC_OFF");
    EXPECT_EQ(snapshot(doc.store()), fileSnapshot(at("saved.ini")));
}

TEST_F(DocumentSave, FailedWriteKeepsTheEditedDocumentAndTheFileOnDisk) {
    spit(at("kept.ini"), kSavedEmpty);
    fill(doc.store(), {{"GLOBAL", {{"USER_NAME", "edited"}}}, {"TRACE", {}}});
    doc.SetModifiedFlag(true);
    const Sections edited = snapshot(doc.store());

    // A folder that does not exist, a full disk, a rename the system refuses.
    EXPECT_FALSE(doc.OnSaveDocument(at("missing/x.ini")));
    AtomicFileOps ops = atomicFileOps();
    ops.write = [](int, const void*, std::size_t) -> long {
        errno = ENOSPC;
        return -1;
    };
    setAtomicFileOpsForTesting(&ops);
    EXPECT_FALSE(doc.OnSaveDocument(at("kept.ini")));
    setAtomicFileOpsForTesting(nullptr);
    ops = atomicFileOps();
    setAtomicFileOpsForTesting(&ops);
    ops.rename = [](const char*, const char*) {
        errno = EBUSY;
        return -1;
    };
    EXPECT_FALSE(doc.OnSaveDocument(at("kept.ini")));
    setAtomicFileOpsForTesting(nullptr);

    EXPECT_EQ(shown, (std::vector<Shown>(3, storeFailure())));
    EXPECT_EQ(snapshot(doc.store()), edited);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(slurp(at("kept.ini")), kSavedEmpty);
    EXPECT_EQ(tree(dir).size(), 1u);
}

// The store is freed after a write and the file read back, so a value the file cannot
// carry would be lost: such a store is not written, and the edits stay.
TEST_F(DocumentSave, AValueTheFileCannotCarryIsRefusedBeforeWriting) {
    ASSERT_TRUE(TelaEnvironment::LoadLibraryText(
        "2500\tNot saved: %1 in [%2].\n61206\tTCP/IP\n61207\tIPX/SPX\n", "test"));
    spit(at("kept.ini"), kSavedEmpty);
    for (const char* value : {"C:\\TP\\", "two\nlines"}) {
        shown.clear();
        cfgClear(doc.store());
        fill(doc.store(), {{"GLOBAL", {}}, {"TRACE", {}}, {"CLIENT_ATTACH", {{"PATH", value}}}});
        doc.SetModifiedFlag(true);
        const Sections edited = snapshot(doc.store());
        EXPECT_FALSE(doc.OnSaveDocument(at("kept.ini")));
        EXPECT_EQ(shown, (std::vector<Shown>{{"Not saved: PATH in [CLIENT_ATTACH].", 16}}));
        EXPECT_EQ(snapshot(doc.store()), edited);
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(slurp(at("kept.ini")), kSavedEmpty);
    }
}

TEST_F(DocumentSave, FailedReadBackLeavesTheWrittenFileAndAnEmptyUnnamedDocument) {
    spit(at("r.ini"), kSavedEmpty);
    ASSERT_TRUE(doc.OpenDocument(at("r.ini")));
    // A profile that reads back in the older form and whose rewrite its check refuses.
    fill(doc.store(), {{"LUX_PROFILE",
                        {{"PROFILE_NAME", "lower"},
                         {"SESSION", "OLD%,*,1,,TCP/IP,,ENC_OFF"},
                         {"SESSION", ",*,1,,TCP/IP,,ENC_OFF"},
                         {"SESSION", ",*,1,,TCP/IP,,ENC_OFF"},
                         {"SESSION", ",*,1,,TCP/IP,,ENC_OFF"}}}});
    doc.SetModifiedFlag(true);
    const std::string written = cfgWriteBuffer(doc.store());

    EXPECT_FALSE(doc.DoFileSave());
    EXPECT_EQ(shown, (std::vector<Shown>{{"Bad profile name.", 0}, storeFailure()}));
    EXPECT_EQ(slurp(at("r.ini")), written); // the user's work is on disk
    EXPECT_TRUE(doc.store().empty());
    EXPECT_FALSE(doc.IsModified());
    // Saving the empty document again must not go over that file unasked.
    EXPECT_EQ(doc.GetPathName(), "");
}

TEST_F(DocumentSave, ReportErrorShowsTheMessageOfACodeOrNothing) {
    doc.ReportError(0, 66);
    doc.ReportError(1, 14);
    doc.ReportError(256, 24);
    EXPECT_EQ(shown, (std::vector<Shown>{storeFailure(),
                                         {"Message of codes 14 and 24.", 0},
                                         {"Message of codes 14 and 24.", 0}}));
    shown.clear();
    for (int code : {0, 18, 15, 67, 70, -66})
        doc.ReportError(0, code);
    EXPECT_TRUE(shown.empty());
}

TEST_F(DocumentSave, FileChangedOnDiskIsNotOverwrittenWithoutAsking) {
    spit(at("c.ini"), kSavedEmpty);
    ASSERT_TRUE(doc.OpenDocument(at("c.ini")));
    std::vector<std::string> asked;
    bool allow = false;
    DocumentPrompts prompts;
    prompts.overwriteChanged = [&](const std::string& path, const DiskState& then,
                                   const DiskState& now) {
        asked.push_back(path);
        EXPECT_NE(then.hash, now.hash);
        return allow;
    };
    doc.SetPrompts(prompts);

    // Unchanged, or rewritten with the same bytes: nobody is asked.
    doc.SetModifiedFlag(true);
    ASSERT_TRUE(doc.DoFileSave());
    spit(at("c.ini"), slurp(at("c.ini")));
    ASSERT_TRUE(doc.DoFileSave());
    EXPECT_TRUE(asked.empty());

    // Another program changes the file: the save asks, and a refusal keeps its change.
    const std::string theirs = cfgText({"[GLOBAL]", "USER_NAME=theirs"});
    spit(at("c.ini"), theirs);
    doc.SetModifiedFlag(true);
    EXPECT_FALSE(doc.DoFileSave());
    EXPECT_EQ(asked, std::vector<std::string>{at("c.ini")});
    EXPECT_EQ(slurp(at("c.ini")), theirs);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), at("c.ini"));
    EXPECT_TRUE(shown.empty());

    // Allowed, the document's content replaces theirs; the next save asks no more.
    allow = true;
    ASSERT_TRUE(doc.DoFileSave());
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(slurp(at("c.ini")), cfgWriteBuffer(doc.store()));
    ASSERT_TRUE(doc.DoFileSave());
    EXPECT_EQ(asked.size(), 2u);

    // Without a prompt (a program with nobody to ask) a changed file is never overwritten.
    doc.SetPrompts({});
    spit(at("c.ini"), theirs);
    EXPECT_FALSE(doc.DoFileSave());
    EXPECT_EQ(slurp(at("c.ini")), theirs);
    // Saving elsewhere is not overwriting the changed file.
    EXPECT_TRUE(doc.DoSave(at("elsewhere.ini")));
    EXPECT_EQ(doc.GetPathName(), at("elsewhere.ini"));
}

TEST_F(DocumentSave, UnsavedChangesAreAskedAboutBeforeNewOpenAndClose) {
    spit(at("d.ini"), kSavedEmpty);
    ASSERT_TRUE(doc.OpenDocument(at("d.ini")));
    fill(doc.store(), {{"CPIC_INFO", {{"SYMB_NAME", "EDITED"}}}});
    doc.SetModifiedFlag(true);
    SaveChangesAnswer answer = SaveChangesAnswer::Cancel;
    std::vector<std::string> asked;
    DocumentPrompts prompts;
    prompts.saveChanges = [&](const std::string& title) {
        asked.push_back(title);
        return answer;
    };
    doc.SetPrompts(prompts);

    EXPECT_FALSE(doc.NewDocument());
    EXPECT_FALSE(doc.CloseDocument());
    EXPECT_FALSE(doc.OpenDocument(at("d.ini")));
    EXPECT_EQ(asked, std::vector<std::string>(3, "d.ini"));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(order(doc.store()).back(), "CPIC_INFO");
    EXPECT_EQ(slurp(at("d.ini")), kSavedEmpty);

    answer = SaveChangesAnswer::Save;
    ASSERT_TRUE(doc.NewDocument());
    EXPECT_NE(slurp(at("d.ini")).find("SYMB_NAME=EDITED"), std::string::npos);
    EXPECT_TRUE(doc.store().empty());
    EXPECT_EQ(doc.GetPathName(), "");

    ASSERT_TRUE(doc.OpenDocument(at("d.ini")));
    doc.SetModifiedFlag(true);
    answer = SaveChangesAnswer::Discard;
    const std::string onDisk = slurp(at("d.ini"));
    ASSERT_TRUE(doc.CloseDocument());
    EXPECT_EQ(slurp(at("d.ini")), onDisk);
    EXPECT_TRUE(doc.store().empty());
    EXPECT_FALSE(doc.IsModified());
}
