// Fuzzes the record readers and writers over stores read from fuzzed files: whatever the
// store holds, every kind's list, read, write and delete must neither crash nor overrun, and
// after the writes of each kind the store still writes and reads back as it stands. The
// kinds come from the table of kinds, so that a kind added there is fuzzed too.
#include "fuzz_support.h"
#include "midrange_records.h"
#include "record_kinds.h"

#include <cstddef>
#include <cstdint>

namespace {

constexpr std::size_t kMaxRecords = 8; // per kind, so that one input stays quick

// The names a kind's records go by: its list's, or the one nameless record.
std::vector<std::string> namesOf(const RecordKind& kind, const CfgStore& store) {
    std::vector<std::string> names;
    if (kind.nameKey.empty())
        names.emplace_back();
    else if (kind.list)
        kind.list(store, names);
    if (names.size() > kMaxRecords)
        names.resize(kMaxRecords);
    return names;
}

void rewriteEach(const RecordKind& kind, CfgStore& store) {
    for (const std::string& name : namesOf(kind, store)) {
        AnyRecord record;
        if (!kind.read(store, name, record))
            continue;
        int flag = 0;
        ErrorCode code = ErrorCode::None;
        kind.write(store, record, flag, code);
        // The midrange editor's default choice, which no other kind has.
        if (const auto* system = std::get_if<MidrangeSystemRecord>(&record))
            midrangeSetDefault(store, system->hostName);
    }
    fuzz::checkWritesBack(store);
}

void deleteEach(const RecordKind& kind, CfgStore& store) {
    for (const std::string& name : namesOf(kind, store))
        kind.remove(store, name);
    fuzz::checkWritesBack(store);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CfgStore store;
    if (cfgReadBuffer(store, reinterpret_cast<const char*>(data), size) != 0)
        return 0;
    for (const RecordKind& kind : recordKinds())
        if (kind.read && kind.write)
            rewriteEach(kind, store);
    for (const RecordKind& kind : recordKinds())
        if (kind.remove)
            deleteEach(kind, store);
    return 0;
}
