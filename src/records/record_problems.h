// What would stop the client or the editor in a configuration: for each record, what the
// check of its kind refuses (record_checks.h: the editor's rules, the writer's check, what
// would not read back); a section without its name key (ErrorCode::Store), which no record
// operation can reach; and server names of the older form (a warning), which are checked
// as the conversion on open writes them back. The tool's check command and the editor's
// problems panel both show this.
#pragma once

#include "record_checks.h"
#include "record_kinds.h"

#include <string>
#include <vector>

class CfgStore;

struct RecordProblem {
    RecordFamily family;
    std::string name;      // file bytes; empty for the one-record kinds and a nameless section
    int occurrence = 0;    // the section's index among the sections of its name
    std::string oldServer; // for a warning: the server name of the older form
    RecordRefusal refusal; // for an error: what was refused, and the field
    int section = 0;       // the section's index among all sections of the store
    // A section without its name key: no record operation reaches it and the records list
    // passes over it. A name key with an empty value is a record named "".
    bool nameless = false;

    // A warning (a server name of the older form) refuses nothing.
    bool isError() const { return static_cast<bool>(refusal); }
    // The refusal's number (its code or message id); 0 for a warning.
    int code() const { return isError() ? refusal.number() : 0; }
};

// Problems in the order of the sections in the store.
std::vector<RecordProblem> findRecordProblems(const CfgStore& store);
