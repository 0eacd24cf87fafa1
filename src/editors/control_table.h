// A page describes its controls in one table: which widget of its layout each control id
// is, which data member it exchanges, and its limit, style, legend and help topic. The
// sheet base does the rest (styles, legends, data exchange both ways, limit checks, help).
#pragma once

#include "record_fields.h"
#include "record_kinds.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

enum ControlStyle : unsigned {
    kStyleNone = 0,
    kStyleUpperCase = 1, // every typed letter becomes a capital
    kStylePassword = 2,  // input hidden
    kStyleSorted = 4,    // list entries kept in letter order
};

// The data member a control exchanges: text for edit fields, editable combo boxes and list
// boxes (the selected text); an integer for check boxes (0 or 1), drop-down lists and
// radio groups (the selected index, -1 for none). A radio button with an integer starts a
// group; the radio buttons after it in the table without a member belong to that group.
using ControlValue = std::variant<std::monostate, std::string*, int*>;

struct ControlRow {
    int id = 0;                  // the control id of the layout
    const char* objectName = ""; // the widget's object name in the layout
    ControlValue value{};        // the data member, if the control has one
    int limit = 0;               // most characters the field takes; 0 for no limit
    unsigned style = kStyleNone; // ControlStyle bits
    int legend = 0;              // string id of the control's text; 0 for none
    int helpTopic = 0;           // help context; 0 the page's default, kNoHelpTopic none
    int spokenName = 0;          // string id a screen reader names a field by that has no label
};

// The limit of the field that holds a key of a record: the one the record's check holds to,
// found when compiled, so that a key the family's table lacks does not compile.
template <RecordFamily Family> consteval int keyLimit(std::string_view key) {
    return static_cast<int>(checkLimit<RecordOf<Family>>(key));
}

// The limit and style of the field that holds a record's name, from the kind's name rule.
inline int nameLimit(const NameRule& rule) {
    return static_cast<int>(rule.limit);
}
inline unsigned nameStyle(const NameRule& rule) {
    return rule.upperCase ? kStyleUpperCase : kStyleNone;
}

// A control on which a help request shows nothing at all.
inline constexpr int kNoHelpTopic = -1;

using ControlTable = std::vector<ControlRow>;
