// The records that carry a name of their own (CPI-C side information, transaction programs,
// LUx profiles, midrange systems): renaming one where it stands, listing them past a section
// without its name key, and removing such a section, which no record operation can reach.
#pragma once

#include "record_checks.h"
#include "record_kinds.h"

#include <string>
#include <vector>

class CfgStore;

enum class RenameResult {
    Renamed,   // done, or the record had that name already
    Refused,   // the name's own rule refuses the name; the refusal says which
    Duplicate, // another record of the family has that name
    Missing,   // no such section
};

// Gives the record in section `occurrence` of its family the new name, as the kind's check
// takes a name (its limit, its writer's rule, what the file can carry): same place, same
// keys and values, only the name key's value changed (added at the end when the section had
// none). Renaming the default LUx profile renames the default too. refusal: why the name
// was refused.
RenameResult renameRecord(CfgStore& store, RecordFamily family, int occurrence,
                          const std::string& newName, RecordRefusal& refusal);

// The records list of a family with a name of its own: the name of every section that has
// its name key, as the family's listing cuts it, in document order; sections without the
// key are passed over (the problems panel names them). False for another family.
bool listNamedRecords(const CfgStore& store, RecordFamily family, std::vector<std::string>& list);

// The section occurrence of the first record of the family named name; -1 for none.
int namedRecordSection(const CfgStore& store, RecordFamily family, const std::string& name);

// Removes section `occurrence` of the family's sections; false when there is none.
bool deleteRecordSection(CfgStore& store, RecordFamily family, int occurrence);
