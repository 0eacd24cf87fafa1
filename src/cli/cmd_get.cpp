#include "cfg_store.h"
#include "commands.h"
#include "config_input.h"
#include "file_steps.h"
#include "kind_argument.h"
#include "record_json.h"
#include "tool_text.h"

#include <ostream>

int runGet(const Invocation& inv, std::istream& in, std::ostream& out, std::ostream& err) {
    const RecordKind* kind = kindArgument(inv, KindUse::OneRecord, err);
    if (!kind)
        return kExitUsage;
    CfgStore store;
    if (int code = readConfigurationInput(store, inv.files.front(), in, err); code != kExitOk)
        return code;
    AnyRecord record;
    const bool existed = kind->read(store, argumentBytes(inv.name), record);
    // A one-record kind always has its record, a new record's values when it is not stored.
    // The readers take the empty name as a new record; here it names nothing.
    if (!existed && !kind->nameKey.empty()) {
        err << noRecordText(*kind, inv.name, inv.files.front()) << '\n';
        return kExitFailed;
    }
    out << jsonText(recordJson(record, inv.showPasswords)) << '\n';
    return kExitOk;
}
