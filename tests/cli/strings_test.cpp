#include "tool_fixture.h"

#include "string_ids.h"
#include "tela_environment.h"

class StringsCommand : public ToolTest {};

TEST_F(StringsCommand, PrintsTheNamedIdsFromTheLibraryInUse) {
    ToolResult r = run({"strings", "2433", "61206", "1"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "2433\t" + text(ids::kEntryGlobal) + "\n61206\t" + text(ids::kTransportFirst) +
                         "\n1\t\n");

    ToolResult all = run({"strings"});
    std::size_t lines = 0;
    for (char c : all.out)
        lines += c == '\n';
    EXPECT_EQ(lines, TelaEnvironment::AllStrings().size());
    EXPECT_NE(all.out.find("\n2477\t" + text(2477) + "\n"), std::string::npos);
}

TEST_F(StringsCommand, TheLanguageFollowsTheUserOrTheOptionAndMessagesFollowIt) {
    TelaEnvironment::LoadLibrary("LHCDEU.DLL");
    const std::string german = TelaEnvironment::GetUserString(ids::kEntryGlobal);
    const std::string germanError = "error 66: " + TelaEnvironment::GetUserString(2477) + "\n";
    TelaEnvironment::LoadLibrary("LHCENU.DLL");
    ASSERT_NE(german, text(ids::kEntryGlobal));

    EXPECT_EQ(run({"strings", "2433"}, "", {"LC_ALL=de_DE.UTF-8"}).out, "2433\t" + german + "\n");
    EXPECT_EQ(run({"strings", "--language", "LHCDEU", "2433"}).out, "2433\t" + german + "\n");
    EXPECT_EQ(run({"strings", "2433", "--language", "LHCDEU.DLL"}).out, "2433\t" + german + "\n");
    EXPECT_EQ(run({"--language", APICFG_LANG_SOURCE_DIR "/LHCDEU.lang", "strings", "2433"}).out,
              "2433\t" + german + "\n");
    // The option wins over the user's language.
    EXPECT_EQ(run({"strings", "2433", "--language", "LHCENU"}, "", {"LC_ALL=de_DE.UTF-8"}).out,
              "2433\t" + text(ids::kEntryGlobal) + "\n");

    write("a.ini", configFile({"[GLOBAL]", "USER_NAME="}));
    EXPECT_EQ(run({"get", "a.ini", "cpic", "X", "--language", "LHCDEU"}).err, germanError);
    EXPECT_EQ(run({"list", "a.ini"}, "", {"LC_ALL=de_DE.UTF-8"}).out, "global\t" + german + "\n");
}

TEST_F(StringsCommand, ErrorsOfUse) {
    EXPECT_EQ(run({"strings", "12a"}).exitCode, 2);
    EXPECT_EQ(run({"strings", "-5"}).exitCode, 2);
    ToolResult r = run({"strings", "--language", "LHCXYZ", "1"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("LHCXYZ"), std::string::npos);
}
