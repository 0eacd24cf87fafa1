// put, delete and save with --diff and --check, and a file that already holds what they
// would write: the modes configuration management runs them in.
#include "tool_fixture.h"

class ChangeModes : public ToolTest {
protected:
    const std::string m_saved = configFile(
        {"[GLOBAL]", "USER_NAME=", "PASSWORD=", "TRANSLATE_TABLE=", "DEF_LU_ALIAS=",
         "DEF_PLU_ALIAS=", "[TRACE]", "FILE=", "FLAGS=0x0000", "[CLIENT_ATTACH]", "TP_NAME=PAY",
         "LU_NAME=*", "PATH=/opt/pay", "PARM_STRING=", "TP_OP=0", "TP_TYPE=0"});
};

TEST_F(ChangeModes, CheckPrintsTheDifferenceAndWritesNothingDiffWritesUnchangedIsLeftAlone) {
    write("a.ini", m_saved);
    const std::string moved = R"({"TP_NAME":"PAY","PATH":"/srv/pay"})";
    // The records that change, then the lines.
    const std::string expected = "tp PAY: PATH \"/opt/pay\" -> \"/srv/pay\"\n"
                                 "--- a.ini\n+++ a.ini\n"
                                 "@@ -15,7 +15,7 @@\n"
                                 " [CLIENT_ATTACH]\r\n"
                                 " TP_NAME=PAY\r\n"
                                 " LU_NAME=*\r\n"
                                 "-PATH=/opt/pay\r\n"
                                 "+PATH=/srv/pay\r\n"
                                 " PARM_STRING=\r\n"
                                 " TP_OP=0\r\n"
                                 " TP_TYPE=0\r\n";
    ToolResult check = run({"put", "--check", "a.ini", "tp", "-"}, moved);
    EXPECT_EQ(check.exitCode, 3) << check.err;
    EXPECT_EQ(check.out, expected);
    EXPECT_EQ(read("a.ini"), m_saved);

    ToolResult same =
        run({"put", "--check", "a.ini", "tp", "-"}, R"({"PATH":"/opt/pay","TP_NAME":"PAY"})");
    EXPECT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(same.out, "");
    // A put that changes nothing: PutProperty puts every accepted record twice.

    ToolResult diff = run({"put", "--diff", "a.ini", "tp", "-"}, moved);
    EXPECT_EQ(diff.exitCode, 0) << diff.err;
    EXPECT_EQ(diff.out, expected);
    EXPECT_NE(read("a.ini").find("PATH=/srv/pay\r\n"), std::string::npos);
    EXPECT_EQ(run({"delete", "a.ini", "tp", "NONE"}).out, "a.ini: unchanged\n");
    EXPECT_EQ(run({"put", "--check", "--diff", "a.ini", "tp", "-"}, moved).exitCode, 2);
}

TEST_F(ChangeModes, ACheckedSaveOrDeleteConvertsNothingOnDiskAndTellsWhatTheSaveWouldDo) {
    // Older entries and LF line ends: a save converts the one and rewrites every line.
    const std::string old = "%Arvenco SNA Client Configuration File\n[APPC]\nSELECT=SERVER\n"
                            "SERVER=HOSTA%,TCP/IP,ENC_OFF\n[CPIC_INFO]\nSYMB_NAME=S1\n";
    write("b.ini", old);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"save", "--check", "b.ini"},
          std::vector<std::string>{"delete", "--check", "b.ini", "cpic", "S1"}}) {
        ToolResult r = run(args);
        EXPECT_EQ(r.exitCode, 3) << args[0] << r.err;
        EXPECT_NE(r.out.find("-SERVER=HOSTA%,TCP/IP,ENC_OFF\n"), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("+SERVER=HOSTA,TCP/IP,ENC_OFF\r\n"), std::string::npos) << r.out;
        EXPECT_EQ(r.out.find("+SYMB_NAME=S1") == std::string::npos, args[0] == "delete");
        EXPECT_EQ(read("b.ini"), old);
        EXPECT_FALSE(exists("b.001"));
    }
    EXPECT_EQ(run({"save", "b.ini"}).exitCode, 0);
    ToolResult after = run({"save", "--check", "b.ini"});
    EXPECT_EQ(after.exitCode, 0) << after.out;
    EXPECT_EQ(after.out, "");
}
