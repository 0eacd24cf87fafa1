// The record-level difference and the merge of the editor's changes into a changed file,
// on tables of stores written as "[NAME]|KEY=value|...".
#include "record_diff.h"
#include "record_fixture.h"
#include "record_kinds.h"
#include "record_merge.h"

namespace {

std::string label(const RecordName& id) {
    std::string out =
        id.otherSection ? "[" + id.section + "]" : std::string(kindOf(id.family).toolName);
    if (id.nameless)
        out += " (nameless)";
    else if (!id.name.empty())
        out += " " + id.name;
    if (id.sameName > 1)
        out += " (" + std::to_string(id.sameName) + ")";
    return out;
}

// One line per change, "kind NAME: what", fields as "KEY old>new" or "KEY changed".
std::string lines(const std::vector<RecordChange>& changes) {
    std::string out;
    for (const RecordChange& c : changes) {
        out += label(c.id) + ":";
        if (c.type == ChangeType::Added)
            out += " added";
        else if (c.type == ChangeType::Removed)
            out += " removed";
        else if (c.type == ChangeType::Moved)
            out += " moved " + std::to_string(c.beforePlace) + ">" + std::to_string(c.afterPlace);
        for (const FieldChange& f : c.fields)
            out += " " + f.field + (f.password ? " changed" : " " + f.before + ">" + f.after);
        out += "\n";
    }
    return out;
}

class RecordDiff : public RecordTest {
protected:
    CfgStore before, after;
};

// A changed password told, never shown, and a file in another order with the same records:
// the tool's diff test (ToolTest.DiffListsTheRecordDifferences...).
TEST_F(RecordDiff, ReportsRecordsAndFieldsOfEveryKind) {
    struct Case {
        const char* what;
        std::string before, after, expected;
    } cases[] = {
        {"a rewritten record moves first: only its field is a change",
         "[CPIC_INFO]|SYMB_NAME=A|MODE=M1|[CPIC_INFO]|SYMB_NAME=PAYROLL|MODE=#INTER",
         "[CPIC_INFO]|SYMB_NAME=PAYROLL|MODE=#BATCH|[CPIC_INFO]|SYMB_NAME=A|MODE=M1",
         "cpic PAYROLL: MODE #INTER>#BATCH\n"},
        {"added and removed, kinds in the options list's order",
         "[CLIENT_ATTACH]|TP_NAME=OLD|[GLOBAL]|USER_NAME=a",
         "[CLIENT_ATTACH]|TP_NAME=NEW|TP_OP=1|[GLOBAL]|USER_NAME=b",
         "global: USER_NAME a>b\ntp NEW: added\ntp OLD: removed\n"},
        {"APPC rows and load balancing in GLOBAL",
         "[GLOBAL]|LU62_LB=0|[APPC]|SELECT=SERVER|SERVER=H1,TCP/IP,ENC_OFF|SERVER=",
         "[GLOBAL]|LU62_LB=1|[APPC]|SELECT=SERVER|SERVER=H1,TCP/IP,ENC_ON|SERVER=H2,TCP/IP,ENC_OFF",
         "appc: LU62_LB 0>1 SERVER[0].encryption ENC_OFF>ENC_ON SERVER[1].name >H2 "
         "SERVER[1].transport >TCP/IP SERVER[1].encryption >ENC_OFF\n"},
        {"the default LUx profile is a field of the profile",
         "[LUX_PROFILE]|PROFILE_NAME=P1|SESSION=H1,*,1,,TCP/IP,,ENC_OFF|[LUX_PROFILE]|"
         "PROFILE_NAME=P2|[DEF_LUX_PROF]|DEF_PROF_NAME=P1",
         "[LUX_PROFILE]|PROFILE_NAME=P1|SESSION=H1,*,0,LU1,TCP/IP,,ENC_OFF|[LUX_PROFILE]|"
         "PROFILE_NAME=P2|[DEF_LUX_PROF]|DEF_PROF_NAME=P2",
         "lux P1: DEFAULT 1>0 SESSION[0].category 1>0 SESSION[0].lu_name >LU1\n"
         "lux P2: DEFAULT 0>1\n"},
        {"of two systems marked default the last counts: their move is told",
         "[NODEX_SYSTEM]|HOST_NAME=A|DEFAULT=1|[NODEX_SYSTEM]|HOST_NAME=B|DEFAULT=1|"
         "[NODEX_SYSTEM]|HOST_NAME=C|DEFAULT=0",
         "[NODEX_SYSTEM]|HOST_NAME=C|DEFAULT=0|[NODEX_SYSTEM]|HOST_NAME=B|DEFAULT=1|"
         "[NODEX_SYSTEM]|HOST_NAME=A|DEFAULT=1|[NODEX_COMMON]|MODE=M",
         "system A: moved 1>3\ncommon: added\n"},
        {"of two records of one name the first is read: the one taken out is named",
         "[CPIC_INFO]|SYMB_NAME=P|MODE=A|[CPIC_INFO]|SYMB_NAME=P|MODE=B",
         "[CPIC_INFO]|SYMB_NAME=P|MODE=B", "cpic P: removed\n"},
        {"two records of one name swapped",
         "[CPIC_INFO]|SYMB_NAME=P|MODE=A|[CPIC_INFO]|SYMB_NAME=P|MODE=B",
         "[CPIC_INFO]|SYMB_NAME=P|MODE=B|[CPIC_INFO]|SYMB_NAME=P|MODE=A",
         "cpic P (2): moved 1>2\n"},
        {"a section without its name key and a section no record reads",
         "[CPIC_INFO]|MODE=A|[TRACE]|FILE=|FLAGS=0x0000",
         "[CPIC_INFO]|MODE=B|[CPIC_INFO]|MODE=C|[TRACE]|FILE=|FLAGS=0x0001|[OTHER]|K=1",
         "cpic (nameless): MODE A>B\ncpic (nameless) (2): added\n"
         "[TRACE]: FLAGS 0x0000>0x0001\n[OTHER]: added\n"},
    };
    for (const Case& c : cases) {
        loadInto(before, c.before);
        loadInto(after, c.after);
        EXPECT_EQ(lines(diffStores(before, after)), c.expected) << c.what;
    }
}

class RecordMerge : public RecordTest {
protected:
    CfgStore base, mine, theirs, out;
    const std::string base3 = "[GLOBAL]|USER_NAME=u|LU62_LB=0|[CPIC_INFO]|SYMB_NAME=A|MODE=M1|"
                              "[CPIC_INFO]|SYMB_NAME=B|MODE=M1|[LUX_PROFILE]|PROFILE_NAME=P1";
};

TEST_F(RecordMerge, BringsTheEditorsChangesIntoTheChangedFile) {
    struct Case {
        const char* what;
        std::string mine, theirs;
        std::size_t conflicts;
        std::string mineWins, theirsWin; // the merge as the diff from theirs
        std::string base = {};           // base3 when empty
    } cases[] = {
        {"each side changed its own record",
         "[CPIC_INFO]|SYMB_NAME=A|MODE=M2|[GLOBAL]|USER_NAME=u|LU62_LB=0|[CPIC_INFO]|SYMB_NAME=B|"
         "MODE=M1|[LUX_PROFILE]|PROFILE_NAME=P1|[DEF_LUX_PROF]|DEF_PROF_NAME=P1",
         "[GLOBAL]|USER_NAME=v|LU62_LB=1|[CPIC_INFO]|SYMB_NAME=A|MODE=M1|[CPIC_INFO]|SYMB_NAME=B|"
         "MODE=M3|[LUX_PROFILE]|PROFILE_NAME=P1",
         0, "cpic A: MODE M1>M2\nlux P1: DEFAULT 0>1\n",
         "cpic A: MODE M1>M2\nlux P1: DEFAULT 0>1\n"},
        {"one side only: added, removed, and a record the file also removed",
         "[GLOBAL]|USER_NAME=u|LU62_LB=0|[CPIC_INFO]|SYMB_NAME=N|[CPIC_INFO]|SYMB_NAME=A|MODE=M1",
         "[GLOBAL]|USER_NAME=u|LU62_LB=0|[CPIC_INFO]|SYMB_NAME=A|MODE=M1|[CPIC_INFO]|SYMB_NAME=B|"
         "MODE=M1",
         0, "cpic N: added\ncpic B: removed\n", "cpic N: added\ncpic B: removed\n"},
        {"both changed one record, and both the same way another",
         "[GLOBAL]|USER_NAME=same|LU62_LB=0|[CPIC_INFO]|SYMB_NAME=A|MODE=MINE|[CPIC_INFO]|"
         "SYMB_NAME=B|MODE=M1|[LUX_PROFILE]|PROFILE_NAME=P1",
         "[GLOBAL]|USER_NAME=same|LU62_LB=0|[CPIC_INFO]|SYMB_NAME=A|MODE=DISK|[CPIC_INFO]|"
         "SYMB_NAME=B|MODE=M1|[LUX_PROFILE]|PROFILE_NAME=P1",
         1, "cpic A: MODE DISK>MINE\n", ""},
        {"each side made another system the default: the one made here is the only one",
         "[NODEX_SYSTEM]|HOST_NAME=A|DEFAULT=1|[NODEX_SYSTEM]|HOST_NAME=B|DEFAULT=0|"
         "[NODEX_SYSTEM]|HOST_NAME=C|DEFAULT=0",
         "[NODEX_SYSTEM]|HOST_NAME=A|DEFAULT=0|[NODEX_SYSTEM]|HOST_NAME=B|DEFAULT=0|"
         "[NODEX_SYSTEM]|HOST_NAME=C|DEFAULT=1",
         0, "system A: DEFAULT 0>1\nsystem C: DEFAULT 1>0\n",
         "system A: DEFAULT 0>1\nsystem C: DEFAULT 1>0\n",
         "[NODEX_SYSTEM]|HOST_NAME=A|DEFAULT=0|[NODEX_SYSTEM]|HOST_NAME=B|DEFAULT=1|"
         "[NODEX_SYSTEM]|HOST_NAME=C|DEFAULT=0"},
        {"LU62_LB goes where the editor writes it: before a second one",
         "[GLOBAL]|LU62_LB=1|LU62_LB=0|[APPC]", "[GLOBAL]|LU62_LB=0|LU62_LB=0|[APPC]|[TRACE]", 0,
         "appc: LU62_LB 0>1\n", "appc: LU62_LB 0>1\n", "[GLOBAL]|LU62_LB=0|LU62_LB=0|[APPC]"},
        {"removed here, changed on disk",
         "[GLOBAL]|USER_NAME=u|LU62_LB=0|[CPIC_INFO]|SYMB_NAME=B|MODE=M1|[LUX_PROFILE]|"
         "PROFILE_NAME=P1",
         "[GLOBAL]|USER_NAME=u|LU62_LB=0|[CPIC_INFO]|SYMB_NAME=A|MODE=M9|[CPIC_INFO]|SYMB_NAME=B|"
         "MODE=M1|[LUX_PROFILE]|PROFILE_NAME=P1",
         1, "cpic A: removed\n", ""},
    };
    for (const Case& c : cases) {
        loadInto(base, c.base.empty() ? base3 : c.base);
        loadInto(mine, c.mine);
        loadInto(theirs, c.theirs);
        MergePlan plan = planMerge(base, mine, theirs);
        ASSERT_EQ(plan.conflicts.size(), c.conflicts) << c.what;
        applyMerge(plan, mine, theirs, out);
        EXPECT_EQ(lines(diffStores(theirs, out)), c.mineWins) << c.what;
        for (MergeConflict& conflict : plan.conflicts)
            conflict.takeMine = false;
        applyMerge(plan, mine, theirs, out);
        EXPECT_EQ(lines(diffStores(theirs, out)), c.theirsWin) << c.what;
    }
}

} // namespace
