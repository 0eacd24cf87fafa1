// Where each section of a configuration file starts, for messages that name a line. It
// reads the bytes as the file reader does (the first line skipped, a backslash before the
// line end joining the next line, byte 255 ending the input), but keeps nothing else.
#pragma once

#include <string_view>
#include <vector>

// The physical line (from 1) of every section line, in file order: the n-th entry belongs
// to the store's n-th section when the reader read the same bytes.
std::vector<long> cfgSectionLines(std::string_view bytes);
