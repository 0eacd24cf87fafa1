// Every command's failures: the exit status, nothing on standard output, the error line once
// where there is one, and no file touched or created.
#include "tool_fixture.h"

class ToolFailures : public ToolTest {};

namespace {

struct Case {
    std::vector<std::string> args;
    int exitCode;
    int errorCode; // the error line the message starts with, once; 0: any message
    std::string mentions;
    std::string input = "";
};

// Every command's failures; bad is the content of bad.ini.
std::vector<Case> failureCases(const std::string& bad) {
    return {
        {{}, 2, 0, ""},
        {{"frobnicate", "a.ini"}, 2, 0, "frobnicate"},
        {{"get", "a.ini"}, 2, 0, ""},
        {{"get", "a.ini", "nokind"}, 2, 0, ""},
        {{"get", "a.ini", "midrange"}, 2, 0, ""},
        {{"get", "a.ini", "global", "NAME"}, 2, 0, ""},
        {{"get", "a.ini", "cpic", "A", "B"}, 2, 0, ""},
        {{"get", "a.ini", "tp"}, 1, 0, "no tp record without a NAME (its TP_NAME) in a.ini"},
        {{"get", "a.ini", "tp", "pay"}, 1, 0, "no tp record pay in a.ini"}, // names are exact
        {{"get", "a.ini", "cpic", "PAY"}, 1, 0, "no cpic record PAY in a.ini"},
        {{"get", "a.ini", "system", "PAY"}, 1, 0, "no system record PAY in a.ini"},
        {{"get", "none.ini", "tp", "PAY"}, 4, 66, "none.ini: No such file or directory"},
        {{"dump"}, 2, 0, ""},
        {{"dump", "a.ini", "a.ini"}, 2, 0, ""},
        {{"dump", "none.ini"}, 4, 66, ""},
        {{"dump", "cont.ini"}, 4, 66, "cont.ini: line 7:"},
        {{"dump", "long.ini"}, 4, 66, "long.ini: line 4:"},
        {{"dump", "-"}, 4, 66, "-: line 7:", configFile({"[A]", "K=a\\", "b", "junk"})},
        {{"list", "a.ini", "--passwords"}, 2, 0, ""},
        {{"list", "a.ini", "servers"}, 2, 0, ""},
        {{"list", "a.ini", "common"}, 2, 0, ""},
        {{"list", "none.ini"}, 4, 66, ""},
        {{"list", "bad.ini"}, 4, 66, "bad.ini: line 6"},
        {{"delete", "a.ini"}, 2, 0, ""},
        {{"delete", "a.ini", "common"}, 2, 0, ""},
        {{"delete", "a.ini", "midrange", "X"}, 2, 0, ""},
        {{"delete", "a.ini", "cpic", "NOPE"}, 1, 0, "no cpic record NOPE in a.ini"},
        {{"delete", "a.ini", "cpic", "s1"}, 1, 0, "no cpic record s1 in a.ini"},
        {{"delete", "none.ini", "cpic", "S1"}, 4, 66, ""},
        {{"save"}, 2, 0, ""},
        {{"save", "-"}, 2, 0, "FILE '-'"},
        {{"put", "-", "global"}, 2, 0, "FILE '-'", "{}"},
        {{"save", "none.ini"}, 4, 66, ""},
        {{"save", "bad.ini"}, 4, 66, "bad.ini: line 6"},
        {{"put", "bad.ini", "global"}, 4, 66, "bad.ini: line 6", R"({"USER_NAME":"B"})"},
        {{"put", "a.ini", "midrange"}, 2, 0, "", "{}"},
        {{"put", "a.ini", "global"}, 2, 0, ""}, // no input
        {{"put", "a.ini", "global"}, 2, 0, "", "{"},
        {{"put", "a.ini", "global", "no-such.json"}, 2, 0, ""},
        {{"put", "none.ini", "global"}, 2, 0, "", R"({"USER_NAME":1})"},
        {{"check"}, 2, 0, ""},
        {{"check", "bad.ini", "none.ini"}, 4, 0, "bad.ini: line 6"},
        {{"check", "none.ini"}, 4, 66, "none.ini"},
        {{"check", "-"}, 4, 66, "-: line 6", bad},
        {{"convert", "none.ini"}, 4, 66, ""},
        {{"convert", "bad.ini"}, 4, 66, ""},
        {{"strings", "12a"}, 2, 0, ""},
        {{"strings", "-5"}, 2, 0, ""},
        {{"strings", "--bogus"}, 2, 0, ""},
        {{"strings", "--language", "LHCXYZ", "1"}, 2, 0, "LHCXYZ"},
    };
}

} // namespace

TEST_F(ToolFailures, EachCommandsErrorsOfUseMissingRecordsAndUnreadableFiles) {
    const std::string good = configFile({"[CLIENT_ATTACH]", "TP_NAME=PAY", "PATH=x", "[CPIC_INFO]",
                                         "SYMB_NAME=S1", "[NODEX_COMMON]"});
    const std::string bad = configFile({"[GLOBAL]", "USER_NAME=A", "junk"});
    // Lines: header, ";", ";", "[A]", the key continued over lines 5 and 6, the bad line 7.
    const std::string continued = configFile({"[A]", "K=a\\", "b", "no equals sign here"});
    const std::string longName = configFile({"[SIXTEEN_CHARS_AB]"});
    const std::vector<Case> cases = failureCases(bad);
    for (const Case& c : cases) {
        write("a.ini", good);
        write("bad.ini", bad);
        write("cont.ini", continued);
        write("long.ini", longName);
        const std::string what = c.args.empty() ? "(none)" : c.args[0] + " " + c.args.back();
        ToolResult r = run(c.args, c.input);
        EXPECT_EQ(r.exitCode, c.exitCode) << what << ": " << r.err;
        EXPECT_EQ(r.out, "") << what;
        EXPECT_NE(r.err, "") << what;
        if (c.errorCode != 0) {
            EXPECT_EQ(r.err.rfind(errorLine(c.errorCode), 0), 0u) << what << ": " << r.err;
            EXPECT_EQ(r.err.find(errorLine(c.errorCode), 1), std::string::npos) << what;
        }
        EXPECT_NE(r.err.find(c.mentions), std::string::npos) << what << ": " << r.err;
        EXPECT_EQ(read("a.ini"), good) << what;
        EXPECT_EQ(read("bad.ini"), bad) << what;
        EXPECT_FALSE(exists("none.ini")) << what;
        EXPECT_FALSE(exists("bad.001")) << what;
    }
}
