// The option kinds of the main window, over the table of kinds (record_kinds.h): their
// texts, and the editor sheet the editor layer installs for them.
#pragma once

#include "record_kinds.h"

#include <functional>
#include <string>

class CCfgDoc;

// For a kind of the table: its description id and records-group title id, result 1.
// For any other integer: 0, both outputs untouched.
int GetOptionStrings(int kind, int& descriptionId, int& titleId);

// Runs the editor sheet of a kind on a record (the empty name for a new one) with the
// given caption; non-zero when the user confirmed and the record was stored. The editor
// installs it; without one nothing opens.
using EditorRunner = std::function<int(CCfgDoc& doc, const RecordKind& kind,
                                       const std::string& title, const std::string& name)>;
void setEditorRunner(EditorRunner runner);
const EditorRunner& editorRunner();
