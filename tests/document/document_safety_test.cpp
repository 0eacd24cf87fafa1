// What the editor's document asks before it could lose a byte: text the reader leaves out is
// told on open and asked about before the first save over it. That a conversion replaces an
// existing file only when agreed is the tool's --force test (FileSafety), through the same
// question.
#include "document_fixture.h"

using namespace testing_support;

namespace {

class DocumentSafety : public DocumentTest {};

} // namespace

TEST_F(DocumentSafety, TextLeftOutIsToldOnOpenAndAskedAboutBeforeTheFirstSave) {
    const std::string text = cfgText({"[GLOBAL]", "USER_NAME=A"}) + "\xFF[CPIC_INFO]\r\n";
    spit(at("f.ini"), text);
    std::vector<std::pair<long, std::string>> asked;
    bool answer = false;
    DocumentPrompts prompts;
    prompts.saveUnreadText = [&](const std::string& path, long line, const std::string& why) {
        EXPECT_EQ(path, at("f.ini"));
        asked.emplace_back(line, why);
        return answer;
    };
    doc.SetPrompts(prompts);
    ASSERT_TRUE(doc.OpenDocument(at("f.ini")));
    EXPECT_EQ(shown, (std::vector<Shown>{{at("f.ini") + ", line 4: byte 255.", kMbExclamation}}));
    doc.SetModifiedFlag(true);
    EXPECT_FALSE(doc.DoFileSave()); // No: the file stays as it is
    EXPECT_EQ(slurp(at("f.ini")), text);
    EXPECT_TRUE(doc.IsModified());
    answer = true;
    ASSERT_TRUE(doc.DoFileSave());
    ASSERT_TRUE(doc.DoFileSave()); // what was left out is gone now: nothing more to ask
    EXPECT_EQ(asked, (std::vector<std::pair<long, std::string>>(2, {4, "byte 255"})));
    EXPECT_EQ(slurp(at("f.ini")).find("CPIC_INFO"), std::string::npos);
}
