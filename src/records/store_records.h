// Every record of a store as its kind's reader reads it, with its fields as texts: what the
// record-level difference and the merge of two stores compare.
#pragma once

#include "record_kinds.h"

#include <string>
#include <vector>

// Which record: the kind, the name and, for records sharing a name, which of them.
struct RecordName {
    RecordFamily family = RecordFamily::Global;
    // A section that no record reads (TRACE, a name the editor does not know): compared
    // key by key, named by its section name.
    bool otherSection = false;
    std::string section;   // the section's name
    std::string name;      // file bytes; empty for the one-record kinds and other sections
    bool nameless = false; // a record section without its name key
    int sameName = 1;      // 1 for the first record of this kind and name, 2 for the second...
};

struct RecordField {
    std::string name;  // the key, or "SERVER[0].name" for a part of a list value (rows from 0)
    std::string value; // file bytes; a number in decimal
    bool number = false;
    bool password = false; // plain, as the reader unscrambles it: never to be shown

    bool operator==(const RecordField&) const = default;
};

struct StoreRecord {
    RecordName id;
    int occurrence = 0; // the section's index among the sections of its name
    int place = 1;      // from 1, among the records of its kind as its records list shows them
    bool fieldsRead = false;
    std::vector<RecordField> fields;
};

// The records in the order of the editor's options list (global, appc, cpic, tp, lux, the
// midrange systems, the midrange common settings), each kind in store order, then the
// other sections in store order. Later GLOBAL, APPC and NODEX_COMMON sections, which no
// reader reads, are left out.
// withFields false gives the records without their fields, for a caller that reads them
// only where it needs them (readRecordFields).
std::vector<StoreRecord> storeRecords(const CfgStore& store, bool withFields = true);
void readRecordFields(const CfgStore& store, StoreRecord& record);

// True for the section names that some record reader reads.
bool isRecordSection(std::string_view section);
