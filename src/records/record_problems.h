// What would stop the client or the editor in a configuration: for each record, what its
// writer's check would refuse; a section without its name key (code 66), which no record
// operation can reach; a LUx profile whose first link has no server (68); and server
// names of the older form (a warning), which are checked as the conversion on open writes
// them back. The tool's check command and the editor's problems panel both show this.
#pragma once

#include <string>
#include <vector>

class CfgStore;

// The record families; the midrange kind has a record per system and the common one.
enum class RecordFamily { Global, Appc, Cpic, Tp, Lux, MidrangeSystem, MidrangeCommon };

// The option kind (12, 13, 16, 26, 27, 28) whose records list shows the family.
int optionKindOf(RecordFamily family);

struct RecordProblem {
    RecordFamily family;
    std::string name;      // file bytes; empty for the one-record kinds and a nameless section
    int occurrence = 0;    // the section's index among the sections of its name
    int code = 0;          // the error code; 0 for a warning
    std::string oldServer; // for a warning: the server name of the older form
};

// Problems in the order of the sections in the store.
std::vector<RecordProblem> findRecordProblems(const CfgStore& store);
