#include "tool_fixture.h"

#include "string_ids.h"

class ListCommand : public ToolTest {};

TEST_F(ListCommand, ListsWhatTheRecordsListShowsInTheOptionsListOrder) {
    // Records of every kind, deliberately not in the options-list order.
    write("all.ini", configFile({"[NODEX_SYSTEM]", "HOST_NAME=SYS1", "[CPIC_INFO]", "SYMB_NAME=ZED",
                                 "[LUX_PROFILE]", "PROFILE_NAME=P1", "[CPIC_INFO]",
                                 "SYMB_NAME=ALPHA", "[CLIENT_ATTACH]", "TP_NAME=TP1", "[APPC]",
                                 "[GLOBAL]", "[NODEX_SYSTEM]", "HOST_NAME=SYS2"}));
    const std::string global = text(ids::kEntryGlobal), appc = text(ids::kEntryAppc),
                      midrange = text(ids::kEntryMidrange);
    ToolResult r = run({"list", "all.ini"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "global\t" + global + "\nappc\t" + appc +
                         "\ncpic\tZED\ncpic\tALPHA\ntp\tTP1\nlux\tP1\nmidrange\t" + midrange +
                         "\n");
    // JSON is for scripts: the same in every language, a one-record kind by its kind name.
    for (const char* language : {"LHCENU", "LHCDEU"})
        EXPECT_EQ(run({"list", "--json", "all.ini", "--language", language}).out,
                  "{\"global\":[\"global\"],\"appc\":[\"appc\"],\"cpic\":[\"ZED\",\"ALPHA\"],"
                  "\"tp\":[\"TP1\"],\"lux\":[\"P1\"],\"midrange\":[\"midrange\"]}\n");
    EXPECT_EQ(run({"list", "all.ini", "tp", "--json"}).out, "{\"tp\":[\"TP1\"]}\n");
    write("empty.ini", "");
    EXPECT_EQ(run({"list", "empty.ini", "--json"}).out,
              "{\"global\":[],\"appc\":[],\"cpic\":[],\"tp\":[],\"lux\":[],\"midrange\":[]}\n");
}

TEST_F(ListCommand, ASectionWithoutItsNameKeyIsPassedOverAndFails) {
    write("broken.ini",
          configFile({"[CPIC_INFO]", "SYMB_NAME=FIRST", "[CPIC_INFO]", "MODE=X", "[CPIC_INFO]",
                      "SYMB_NAME=AFTER", "[CLIENT_ATTACH]", "TP_NAME=T"}));
    ToolResult r = run({"list", "broken.ini"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "cpic\tFIRST\ncpic\tAFTER\ntp\tT\n");
    EXPECT_EQ(r.err, errorLine(ErrorCode::Store) + "\n");
    ToolResult json = run({"list", "broken.ini", "cpic", "--json"});
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_EQ(json.out, "{\"cpic\":[\"FIRST\",\"AFTER\"]}\n");
}

TEST_F(ListCommand, NamesWithBytesAboveAsciiAreListedAsUtf8AndFoundAgainByThatName) {
    write("a.ini", configFile({"[CLIENT_ATTACH]", "TP_NAME=Z\xFCRICH", "PATH=p"}));
    EXPECT_EQ(run({"list", "a.ini", "tp"}).out, "tp\tZ\xC3\xBCRICH\n");
    ToolResult get = run({"get", "a.ini", "tp", "Z\xC3\xBCRICH"});
    EXPECT_EQ(get.exitCode, 0) << get.err;
    EXPECT_NE(get.out.find("\"TP_NAME\":\"Z\xC3\xBCRICH\""), std::string::npos);
    // An argument that is not UTF-8 is taken byte for byte.
    EXPECT_EQ(run({"get", "a.ini", "tp", "Z\xFCRICH"}).exitCode, 0);
}
