// The editor sheets by kind, for the document's option dispatch.
#pragma once

#include "record_kinds.h"

#include <string>

class CCfgDoc;

// Runs the sheet of a kind on the record of that name (empty: a new record) with the sheet
// title given. 1 when the user confirmed and the record was written; 0 on Cancel and on
// failure.
int runEditorSheet(CCfgDoc& doc, const RecordKind& kind, const std::string& title,
                   const std::string& name);
