// The difference between two stores by record: the records added, removed and changed,
// each change with its fields' old and new values, as an administrator thinks of a
// configuration. Where a record stands among the others of its kind is not a change,
// because the client looks records up by name, with two exceptions that are reported as
// moves: among records of one name the first is the one read, and among midrange systems
// marked as the default the last one counts.
#pragma once

#include "store_records.h"

#include <string>
#include <vector>

class CfgStore;

enum class ChangeType { Added, Removed, Changed, Moved };

struct FieldChange {
    std::string field;
    std::string before; // empty for a password: only that it changed is told
    std::string after;
    bool number = false;
    bool password = false;
};

struct RecordChange {
    ChangeType type = ChangeType::Changed;
    RecordName id;       // as the record is named where it is now (before, when removed)
    int beforePlace = 0; // from 1 among the records of its kind; 0 when it was not there
    int afterPlace = 0;  // 0 when it is not there any more
    std::vector<FieldChange> fields; // a changed record's changed fields, in field order
};

// Which record of one list is which record of the other: records of the same kind and
// name, the identical ones first, then the others in their order. -1 where a record has no
// partner (added, or removed).
struct RecordPairs {
    std::vector<int> partnerOfBefore; // per record of `before`: its index in `after`
    std::vector<int> partnerOfAfter;  // per record of `after`: its index in `before`
};
RecordPairs pairRecords(const std::vector<StoreRecord>& before,
                        const std::vector<StoreRecord>& after);

// The fields of b that differ from a's, passwords without their values.
std::vector<FieldChange> changedFields(const StoreRecord& a, const StoreRecord& b);
std::vector<FieldChange> changedFieldsOf(const std::vector<RecordField>& older,
                                         const std::vector<RecordField>& newer);

// Per kind in the order of storeRecords: changed and added records in their new order,
// then removed records, then moves.
std::vector<RecordChange> diffStores(const CfgStore& before, const CfgStore& after);
