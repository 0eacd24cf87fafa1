// The kinds the tool names on its command line: the editor's six option kinds and the two
// halves of the midrange kind.
#pragma once

#include <span>
#include <string_view>

enum class ToolKind { Global, Appc, Cpic, Tp, Lux, Midrange, System, Common };

struct ToolKindInfo {
    ToolKind kind;
    std::string_view name;    // as typed: "global", "cpic", ...
    int optionKind;           // 16, 26, 12, 13, 27 or 28
    std::string_view nameKey; // the key that names a record; empty for one-record kinds
};

const ToolKindInfo& kindInfo(ToolKind kind);
// nullptr for a word that names no kind.
const ToolKindInfo* findKind(std::string_view name);
// The six option kinds in the order of the editor's options list.
std::span<const ToolKind> optionListOrder();
// "global, appc, ..." for messages.
std::string_view kindNamesText();
