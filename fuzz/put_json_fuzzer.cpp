// Fuzzes what put does with its JSON input: parsed without exceptions, applied to each kind's
// record, written through the record writer with its check into a store, and printed back as
// get prints it. Nothing may crash or overrun, and the store still writes and reads back.
// The kinds come from the table of kinds, so that a kind added there is fuzzed too.
#include "fuzz_support.h"
#include "record_json.h"
#include "record_kinds.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Json input = Json::parse(data, data + size, nullptr, false);
    if (input.is_discarded())
        return 0;
    CfgStore store;
    for (const RecordKind& kind : recordKinds()) {
        if (!kind.read || !kind.write)
            continue;
        // A new record's values, as put starts from them for a record not yet stored.
        AnyRecord record;
        kind.read(store, "", record);
        std::string error;
        if (!applyJson(input, record, error)) {
            fuzz::check(!error.empty());
            continue;
        }
        int flag = 0;
        ErrorCode code = ErrorCode::None;
        kind.write(store, record, flag, code);
        fuzz::checkWritesBack(store);
    }
    // What get prints of the records now in the store is JSON again.
    for (const RecordKind& kind : recordKinds()) {
        if (!kind.read)
            continue;
        std::vector<std::string> names;
        if (kind.nameKey.empty())
            names.emplace_back();
        else if (kind.list)
            kind.list(store, names);
        for (const std::string& name : names) {
            AnyRecord record;
            if (kind.read(store, name, record))
                fuzz::check(recordJson(record, true).is_object());
        }
    }
    return 0;
}
