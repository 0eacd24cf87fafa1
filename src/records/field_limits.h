// The longest value each key of a record takes: the record checks refuse a longer one, and
// the sheets' fields take no more. A name's limit is its kind's name rule, a password's its
// password key's; the partner LU's depends on its type and stays with the CPI-C check.
#pragma once

#include "record_kinds.h"

#include <cstddef>
#include <string_view>

// 0 for a key without a limit of its own.
std::size_t fieldLimit(RecordFamily family, std::string_view key);
