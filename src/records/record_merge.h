// Merging the changes made in the editor into a file that another program changed
// meanwhile. Three stores take part: the file as it was opened (base), the editor's store
// now (mine) and the file as it is on disk now (theirs). The result is theirs with every
// record that mine changed since base put in; a record that both changed, each in its
// own way, is a conflict, which takes one side whole as the user chooses.
#pragma once

#include "record_diff.h"

#include <vector>

class CfgStore;

struct MergeConflict {
    RecordName id;
    ChangeType mine = ChangeType::Changed;   // Added, Removed or Changed
    ChangeType theirs = ChangeType::Changed; // the same, on disk
    std::vector<FieldChange> mineFields;     // against the record as it was; for two
    std::vector<FieldChange> theirFields;    // records added, mine against theirs
    bool takeMine = true;                    // the choice; the editor's change by default
};

struct MergePlan {
    // One of mine's changes to bring into theirs: a record of mine replaces one of
    // theirs (both set), is added (no theirs) or theirs is removed (no mine).
    struct Step {
        int mine = -1;     // index into mineRecords
        int theirs = -1;   // index into theirRecords
        int conflict = -1; // index into conflicts; -1 when it always applies
    };
    std::vector<StoreRecord> mineRecords;
    std::vector<StoreRecord> theirRecords;
    std::vector<Step> steps;
    std::vector<MergeConflict> conflicts;
};

MergePlan planMerge(const CfgStore& base, const CfgStore& mine, const CfgStore& theirs);

// out becomes theirs with the steps applied, each conflict as its choice says. A record is
// brought over section for section as mine holds it, in the place theirs gives it; an added
// record goes first among its kind, as the editor places a written record.
void applyMerge(const MergePlan& plan, const CfgStore& mine, const CfgStore& theirs, CfgStore& out);
