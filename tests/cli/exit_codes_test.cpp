// Every command's failures: the exit status, nothing on standard output, the error line once
// where there is one, and no file touched or created.
#include "tool_fixture.h"

class ToolFailures : public ToolTest {};

namespace {

struct Case {
    std::vector<std::string> args;
    int exitCode;
    ErrorCode errorCode; // the error line the message starts with, once; None: any message
    std::string mentions;
    std::string input = "";
};

// Every command's failures but kinds it does not take (ToolUsage).
std::vector<Case> failureCases() {
    using enum ErrorCode;
    return {
        {{}, 2, None, ""},
        {{"frobnicate", "a.ini"}, 2, None, "frobnicate"},
        {{"get", "a.ini"}, 2, None, ""},
        {{"get", "a.ini", "nokind"}, 2, None, ""},
        {{"get", "a.ini", "global", "NAME"}, 2, None, ""},
        {{"get", "a.ini", "cpic", "A", "B"}, 2, None, ""},
        {{"get", "a.ini", "tp"}, 1, None, "no tp record without a NAME (its TP_NAME) in a.ini"},
        {{"get", "a.ini", "tp", "pay"}, 1, None, "no tp record pay in a.ini"}, // names are exact
        {{"get", "a.ini", "cpic", "PAY"}, 1, None, "no cpic record PAY in a.ini"},
        {{"get", "a.ini", "system", "PAY"}, 1, None, "no system record PAY in a.ini"},
        {{"get", "none.ini", "tp", "PAY"}, 4, Store, "none.ini: No such file or directory"},
        {{"dump"}, 2, None, ""},
        {{"dump", "a.ini", "a.ini"}, 2, None, ""},
        {{"dump", "cont.ini"}, 4, Store, "cont.ini: line 7:"},
        {{"dump", "long.ini"}, 4, Store, "long.ini: line 4:"},
        {{"dump", "-"}, 4, Store, "-: line 7:", configFile({"[A]", "K=a\\", "b", "junk"})},
        {{"list", "a.ini", "--passwords"}, 2, None, ""},
        {{"list", "a.ini", "servers"}, 2, None, ""},
        {{"delete", "a.ini"}, 2, None, ""},
        {{"delete", "a.ini", "cpic", "s1"}, 1, None, "no cpic record s1 in a.ini"},
        {{"save"}, 2, None, ""},
        {{"save", "-"}, 2, None, "FILE '-'"},
        {{"put", "-", "global"}, 2, None, "FILE '-'", "{}"},
        {{"save", "none.ini"}, 4, Store, ""},
        {{"put", "bad.ini", "global"}, 4, Store, "bad.ini: line 6", R"({"USER_NAME":"B"})"},
        {{"put", "a.ini", "global"}, 2, None, ""}, // no input
        {{"put", "a.ini", "global"}, 2, None, "", "{"},
        {{"put", "a.ini", "global", "no-such.json"}, 2, None, ""},
        {{"put", "none.ini", "global"}, 2, None, "", R"({"USER_NAME":1})"},
        {{"check"}, 2, None, ""},
        {{"check", "bad.ini", "none.ini"}, 4, None, "bad.ini: line 6"},
        {{"strings", "12a"}, 2, None, ""},
        {{"strings", "-5"}, 2, None, ""},
        {{"strings", "--language", "LHCXYZ", "1"}, 2, None, "LHCXYZ"},
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
    const std::vector<Case> cases = failureCases();
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
        if (c.errorCode != ErrorCode::None) {
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
