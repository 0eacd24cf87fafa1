// The six kinds of configuration the main window offers, in the order it shows them.
// This table is the one source for the options list, the dispatch and the sheet titles.
#pragma once

#include <functional>
#include <span>
#include <string>

class CCfgDoc;

struct OptionKind {
    int kind;
    int labelId;       // the entry in the options list
    int descriptionId; // the description under it
    int groupTitleId;  // the caption of the records group
    int sheetTitleId;  // the caption of the kind's editor sheet
    bool oneRecordOnly;
};

inline constexpr int kKindCpic = 12;
inline constexpr int kKindTp = 13;
inline constexpr int kKindGlobal = 16;
inline constexpr int kKindAppc = 26;
inline constexpr int kKindLux = 27;
inline constexpr int kKindMidrange = 28;

std::span<const OptionKind> optionKinds();
// The table row of a kind, or nullptr for an integer that is no option kind.
const OptionKind* findOptionKind(int kind);

// For a kind of the table: its description id and records-group title id, result 1.
// For any other integer: 0, both outputs untouched.
int GetOptionStrings(int kind, int& descriptionId, int& titleId);

// Runs the editor sheet of a kind on a record (the empty name for a new one) with the
// given caption; non-zero when the user confirmed and the record was stored. The editor
// installs it; without one, or for a kind whose sheet does not exist yet, nothing opens.
using EditorRunner =
    std::function<int(CCfgDoc& doc, int kind, const std::string& title, const std::string& name)>;
void setEditorRunner(EditorRunner runner);
const EditorRunner& editorRunner();
