// The editors by option kind, for the document's option dispatch.
#pragma once

#include <string>

class CCfgDoc;

// Runs the sheet of an option kind on the record of that name (empty: a new record) with
// the sheet title given. 1 when the user confirmed and the record was written; 0 on
// Cancel, on failure, and for a kind whose sheet this program does not have.
int runEditorSheet(CCfgDoc& doc, int kind, const std::string& title, const std::string& name);
