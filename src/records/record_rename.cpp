#include "record_rename.h"

#include "cfg_store.h"
#include "check_steps.h"
#include "lux_records.h"
#include "record_text.h"

#include <cstdint>
#include <string_view>

namespace {

// The family's row when its records carry names of their own; nullptr for the others.
const RecordKind* namedKind(RecordFamily family) {
    const RecordKind& k = kindOf(family);
    return k.nameKey.empty() ? nullptr : &k;
}

// What the kind's check refuses in a name, in its order: the check of a new record of that
// name as far as the name is concerned (a new record's other values need not pass it: a
// CPI-C entry still lacks its partner TP), then what the file cannot carry, which the check
// comes to only after those other values.
RecordRefusal refuseName(const RecordKind& kind, const CfgStore& store, int occurrence,
                         const std::string& name) {
    const std::string key(kind.nameKey);
    return checks::firstOf(
        [&] {
            AnyRecord record;
            kind.newNamed(store, occurrence, name, record);
            RecordRefusal refusal = kind.check(record, store);
            return refusal.key == key && refusal.row < 0 ? refusal : RecordRefusal{};
        },
        [&] {
            const int rule = checks::unwritableRule(name);
            return rule ? checks::refuse(ErrorCode::None, rule, key) : RecordRefusal{};
        });
}

} // namespace

bool listNamedRecords(const CfgStore& store, RecordFamily family, std::vector<std::string>& list) {
    const RecordKind* f = namedKind(family);
    if (!f)
        return false;
    // A section without its name key is passed over, no failure here: the problems panel
    // names it.
    records::listFirstValues(store, f->section, f->nameKey, f->listedLength, list);
    return true;
}

int namedRecordSection(const CfgStore& store, RecordFamily family, const std::string& name) {
    const RecordKind* f = namedKind(family);
    return f ? records::findByValue(store, f->section, f->nameKey, name) : -1;
}

bool deleteRecordSection(CfgStore& store, RecordFamily family, int occurrence) {
    const RecordKind* f = namedKind(family);
    return f && cfgDeleteSection(store, occurrence, f->section) == 0;
}

RenameResult renameRecord(CfgStore& store, RecordFamily family, int occurrence,
                          const std::string& newName, RecordRefusal& refusal) {
    const RecordKind* f = namedKind(family);
    if (!f || occurrence < 0 || !cfgFindSection(store, 1, occurrence, f->section))
        return RenameResult::Missing;
    std::string oldName;
    int first = -1;
    const bool named =
        cfgGetValue(store, occurrence, f->section, first, f->nameKey, oldName, SIZE_MAX) == 0;
    if (named && oldName == newName)
        return RenameResult::Renamed;
    refusal = refuseName(*f, store, occurrence, newName);
    if (refusal)
        return RenameResult::Refused;
    const int holder = namedRecordSection(store, family, newName);
    if (holder >= 0 && holder != occurrence)
        return RenameResult::Duplicate;
    records::setKeyInPlace(store, occurrence, f->section, f->nameKey, newName);
    // The default profile is named in a section of its own, which follows the profile.
    if (family == RecordFamily::Lux && named)
        luxRenameDefault(store, oldName, newName);
    return RenameResult::Renamed;
}
