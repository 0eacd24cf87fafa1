// The KIND and NAME arguments of the commands, and which commands take which kind.
#pragma once

#include "command_line.h"
#include "record_kinds.h"

#include <iosfwd>
#include <string_view>
#include <vector>

// What the command does with a record of the kind; a kind without that operation in the
// table (the midrange option has no one record, the common settings no delete) is refused.
enum class KindUse { Listing, OneRecord, Removal };

bool kindTakes(const RecordKind& kind, KindUse use);
// The commands that take the kind, of list, get, put and delete, in that order.
std::vector<std::string_view> commandsTaking(const RecordKind& kind);

// The kind that inv names, or nullptr after an error of use was written: a word that names
// no kind, a kind the command does not take, or a NAME for a kind that has none.
const RecordKind* kindArgument(const Invocation& inv, KindUse use, std::ostream& err);
