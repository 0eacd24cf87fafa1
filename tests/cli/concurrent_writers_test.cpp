// One writer at a time: tools and an editor's document that change one file at the same
// moment lose nothing. Each round three tools put a record each while the document adds
// its own and saves; a document whose file changed meanwhile reopens it and tries again,
// as its user would after the changed-on-disk question.
#include "tool_fixture.h"

#include "cfg_doc.h"
#include "cfg_file.h"
#include "tp_records.h"

#include <set>

namespace {

constexpr int kRounds = 100;
constexpr int kTools = 3;

std::string tpName(const std::string& who, int round) {
    return who + std::to_string(round);
}

class ConcurrentWriters : public ToolTest {
protected:
    // The editor's part of a round: add a record and save, reopening while the file moves.
    bool editorAdds(CCfgDoc& doc, const std::string& name) {
        for (int attempt = 0; attempt < 50; ++attempt) {
            if (!doc.OpenDocument(path("c.ini")))
                return false;
            AttachTpRecord record;
            record.tpName = name;
            record.path = "/opt/editor";
            int flag = 0;
            ErrorCode code = ErrorCode::None;
            if (!tpWriteEntry(doc.store(), record, flag, code))
                return false;
            doc.SetModifiedFlag(true);
            if (doc.DoFileSave())
                return true;
        }
        return false;
    }
};

} // namespace

TEST_F(ConcurrentWriters, ToolsAndAnEditorDocumentLoseNoRecord) {
    write("c.ini", configFile({"[GLOBAL]", "USER_NAME=A"}));
    CCfgDoc doc;
    DocumentPrompts prompts;
    prompts.overwriteChanged = [](const std::string&, const DiskState&, const DiskState&) {
        return ChangedFileAnswer::Keep;
    };
    doc.SetPrompts(prompts);
    std::set<std::string> expected;
    for (int round = 0; round < kRounds; ++round) {
        std::vector<Started> tools;
        for (int t = 0; t < kTools; ++t) {
            const std::string name = tpName("T" + std::to_string(t) + "X", round);
            expected.insert(name);
            tools.push_back(start({"put", "c.ini", "tp", "-"},
                                  R"({"TP_NAME":")" + name + R"(","PATH":"/opt/tool"})"));
        }
        expected.insert(tpName("EDITOR", round));
        EXPECT_TRUE(editorAdds(doc, tpName("EDITOR", round))) << round;
        for (const Started& tool : tools) {
            ToolResult r = finish(tool);
            EXPECT_EQ(r.exitCode, 0) << round << r.err;
        }
    }
    CfgStore store;
    ASSERT_EQ(cfgReadFile(store, path("c.ini")), 0);
    std::vector<std::string> listed;
    tpListEntries(store, listed);
    EXPECT_EQ(std::set<std::string>(listed.begin(), listed.end()), expected);
    EXPECT_EQ(listed.size(), expected.size());
}
