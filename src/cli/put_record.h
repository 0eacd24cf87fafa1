// The sequence put runs for every kind: the record is built from the stored one and the
// JSON, checked by its kind's check (even when it equals what is stored), written when it
// differs, and read back from the text a save would write, so that a value the file would
// give back differently is refused before anything is saved.
#pragma once

#include "json_text.h"
#include "messages.h"
#include "record_checks.h"
#include "record_kinds.h"

#include <string>

class CfgStore;

struct PutResult {
    enum Outcome { Written, Unchanged, Refused, WriteFailed, ReadsBackDifferently };
    Outcome outcome = Written;
    std::string name;      // the record's name (file bytes); empty for one-record kinds
    RecordRefusal refusal; // Refused: what and which field
    // WriteFailed: the writer's code.
    ErrorCode code = ErrorCode::None;
    std::string field; // ReadsBackDifferently: the JSON field
    Json given, back;  // ReadsBackDifferently: the value given and the value read back
};

// Puts the record of kind that input (already found to be the kind's JSON) describes into
// store, the document's store. After ReadsBackDifferently the store holds the write, which
// must not be saved.
PutResult putRecord(CfgStore& store, const RecordKind& kind, const Json& input);
