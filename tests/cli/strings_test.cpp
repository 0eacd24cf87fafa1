#include "tool_fixture.h"

#include "string_ids.h"
#include "tela_environment.h"

#include <algorithm>

class StringsCommand : public ToolTest {};

TEST_F(StringsCommand, PrintsTheNamedIdsFromTheLibraryInUse) {
    ToolResult r = run({"strings", "2433", "61206", "1"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "2433\t" + text(ids::kEntryGlobal) + "\n61206\t" + text(ids::kTransportFirst) +
                         "\n1\t\n");
    ToolResult all = run({"strings"});
    EXPECT_EQ(static_cast<std::size_t>(std::count(all.out.begin(), all.out.end(), '\n')),
              TelaEnvironment::AllStrings().size());
    EXPECT_NE(all.out.find("\n2477\t" + text(2477) + "\n"), std::string::npos);
}

TEST_F(StringsCommand, TheLanguageFollowsTheUserOrTheOptionAndMessagesFollowIt) {
    TelaEnvironment::LoadLibrary("LHCDEU.DLL");
    const std::string german = "2433\t" + TelaEnvironment::GetUserString(ids::kEntryGlobal) + "\n";
    const std::string germanError = errorLine(ErrorCode::Store) + "\n";
    TelaEnvironment::LoadLibrary("LHCENU.DLL");
    ASSERT_NE(german, "2433\t" + text(ids::kEntryGlobal) + "\n");
    const std::vector<std::string> de{"LC_ALL=de_DE.UTF-8"};
    EXPECT_EQ(run({"strings", "2433"}, "", de).out, german);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"strings", "--language", "LHCDEU", "2433"},
             {"strings", "2433", "--language", "LHCDEU.DLL"},
             {"--language", APICFG_LANG_SOURCE_DIR "/LHCDEU.lang", "strings", "2433"}})
        EXPECT_EQ(run(args).out, german) << args[1];
    // The option wins over the user's language.
    EXPECT_EQ(run({"strings", "2433", "--language", "LHCENU"}, "", de).out,
              "2433\t" + text(ids::kEntryGlobal) + "\n");

    write("a.ini", configFile({"[GLOBAL]", "USER_NAME="}));
    EXPECT_EQ(run({"get", "a.ini", "cpic", "X", "--language", "LHCDEU"}).err,
              "no cpic record X in a.ini\n");
    write("b.ini", configFile({"[SIXTEEN_CHARS_AB]"}));
    EXPECT_EQ(run({"dump", "b.ini", "--language", "LHCDEU"}).err.rfind(germanError, 0), 0u);
}
