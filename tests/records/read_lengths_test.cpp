// How much of each stored value a reader takes: what is cut here is lost when the record is
// written back, so each length is held here as the client reads it.
#include "appc_records.h"
#include "lux_records.h"
#include "record_fields.h"
#include "record_fixture.h"
#include "record_kinds.h"

#include <variant>

namespace {

struct ReadLength {
    const char* kind;
    const char* key;
    std::size_t length;
};

// A number's length is held by digits past it: "000...07" read no further than its length
// is 0.
constexpr ReadLength kLengths[] = {
    {"cpic", "SYMB_NAME", 8},
    {"cpic", "LOCAL_LU", 8},
    {"cpic", "PART_LU", 17},
    {"cpic", "MODE", 8},
    {"cpic", "REMOTE_TP", 65},
    {"cpic", "SEC_USERID", 10},
    {"cpic", "SEC_TYPE", 15},
    {"cpic", "TP_TYPE", 1},
    {"cpic", "PLU_TYPE", 1},
    {"tp", "TP_NAME", 65},
    {"tp", "LU_NAME", 8},
    {"tp", "PATH", 260},
    {"tp", "PARM_STRING", 128},
    {"tp", "TP_OP", 25},
    {"tp", "TP_TYPE", 1},
    {"global", "USER_NAME", 20},
    {"global", "TRANSLATE_TABLE", 260},
    {"global", "DEF_LU_ALIAS", 8},
    {"global", "DEF_PLU_ALIAS", 8},
    {"system", "HOST_NAME", 8},
    {"system", "USER_NAME", 10},
    {"system", "DEFAULT", 1},
    {"common", "USER_NAME", 10},
    {"common", "LOCAL_LU", 8},
    {"common", "MODE", 8},
};

class ReadLengths : public RecordTest {};

TEST_F(ReadLengths, EachReaderTakesAsMuchOfAValueAsTheClientReads) {
    for (const ReadLength& c : kLengths) {
        SCOPED_TRACE(std::string(c.kind) + " " + c.key);
        const RecordKind& kind = *findToolKind(c.kind);
        load("[" + std::string(kind.section) + "]|" + c.key + "=" + std::string(c.length, '0') +
             "7");
        AnyRecord record;
        kind.readSection(store, 0, record);
        std::visit(
            [&]<class Record>(const Record& r) {
                const auto& fields = kKeyFields<Record>;
                auto f = std::ranges::find(fields, std::string_view(c.key), &KeyField<Record>::key);
                ASSERT_NE(f, fields.end());
                if (f->number)
                    EXPECT_EQ(r.*f->number, 0);
                else
                    EXPECT_EQ(r.*f->text, std::string(c.length, '0'));
            },
            record);
    }

    // The rows: one SERVER or SCOPE value is read to 76 characters, one SESSION to 154.
    const std::string server(76, 'S'), session(154, 'L');
    load("[APPC]|SERVER=" + server + "7|SCOPE=" + server + "7|[LUX_PROFILE]|PROFILE_NAME=P|" +
         "SESSION=" + session + "7");
    AppcRecord appc;
    int missing = 0;
    ASSERT_EQ(appcRead(store, appc, missing), 1);
    EXPECT_EQ(appc.serverName[0], server);
    EXPECT_EQ(appc.scopeName, server);
    LuxProfileRecord lux;
    luxReadSection(store, 0, lux);
    EXPECT_EQ(lux.links[0].serverName, session);
}

} // namespace
