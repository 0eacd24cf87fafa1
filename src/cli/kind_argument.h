// The KIND and NAME arguments of get, put and delete.
#pragma once

#include "command_line.h"
#include "tool_kinds.h"

#include <initializer_list>
#include <iosfwd>

// The kind that inv names, or nullptr after an error of use was written: a word that names
// no kind, a kind the command does not take, or a NAME for a kind that has none.
const ToolKindInfo* kindArgument(const Invocation& inv, std::initializer_list<ToolKind> refused,
                                 std::ostream& err);
