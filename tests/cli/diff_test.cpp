// apicfg-tool diff: two workstation files compared record by record, with diff's statuses.
#include "tool_fixture.h"

TEST_F(ToolTest, DiffListsTheRecordDifferencesWithDiffsExitStatus) {
    const std::string reference =
        configFile({"[CPIC_INFO]", "SYMB_NAME=PAYROLL", "MODE=#INTER", "[CPIC_INFO]",
                    "SYMB_NAME=STOCK", "MODE=#INTER", "[GLOBAL]", "USER_NAME=ADMIN",
                    hidden("PASSWORD", "SECRET", 14), "[TRACE]", "FILE=", "FLAGS=0x0000"});
    // The same records in another order and layout, then one field, a password and a
    // record changed.
    write("ref.ini", reference);
    write("same.ini",
          configFile({"[GLOBAL]", "USER_NAME=ADMIN", hidden("PASSWORD", "SECRET", 14),
                      "[CPIC_INFO]", "SYMB_NAME=STOCK", "MODE=#INTER", "[CPIC_INFO]",
                      "SYMB_NAME=PAYROLL", "MODE=#INTER", "[TRACE]", "FILE=", "FLAGS=0x0000"}));
    write("ws.ini",
          configFile({"[CPIC_INFO]", "SYMB_NAME=PAYROLL", "MODE=#BATCH", "[GLOBAL]",
                      "USER_NAME=ADMIN", hidden("PASSWORD", "OTHER", 14), "[CLIENT_ATTACH]",
                      "TP_NAME=PAY", "[TRACE]", "FILE=", "FLAGS=0x0000"}));
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string out;
    } cases[] = {
        {{"diff", "ref.ini", "same.ini"}, 0, ""},
        {{"diff", "ref.ini", "ws.ini"},
         1,
         "global: PASSWORD changed\n"
         "cpic PAYROLL: MODE \"#INTER\" -> \"#BATCH\"\n"
         "cpic STOCK: removed\n"
         "tp PAY: added\n"},
        {{"diff", "--json", "ws.ini", "ref.ini"},
         1,
         R"([{"kind":"global","name":"","change":"changed","old_place":1,"new_place":1,)"
         R"("fields":[{"field":"PASSWORD","changed":true}]},)"
         R"({"kind":"cpic","name":"PAYROLL","change":"changed","old_place":1,"new_place":1,)"
         R"("fields":[{"field":"MODE","old":"#BATCH","new":"#INTER"}]},)"
         R"({"kind":"cpic","name":"STOCK","change":"added","old_place":0,"new_place":2,)"
         R"("fields":[]},{"kind":"tp","name":"PAY","change":"removed","old_place":1,)"
         R"("new_place":0,"fields":[]}])"
         "\n"},
        {{"diff", "ref.ini", "missing.ini"}, 4, ""},
        {{"diff", "ref.ini"}, 2, ""},
        {{"diff", "ref.ini", "ws.ini", "same.ini"}, 2, ""},
    };
    for (const Case& c : cases) {
        const ToolResult r = run(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args.back() << r.err;
        EXPECT_EQ(r.out, c.out) << c.args.back();
        EXPECT_EQ(r.out.find("SECRET"), std::string::npos);
    }
}
