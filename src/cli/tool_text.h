// Text the tool prints and takes on its command line is UTF-8; the file's bytes map to it as
// Latin-1, the language library's texts are UTF-8 already.
#pragma once

#include <string>
#include <string_view>

// A command-line argument as file bytes: UTF-8 text whose characters are all at most U+00FF
// becomes those bytes; anything else is taken byte for byte.
std::string argumentBytes(std::string_view argument);

struct RecordKind;

// "no cpic record NOPE in s.ini": a record that is not there, named as the user named it.
std::string noRecordText(const RecordKind& kind, const std::string& name, const std::string& file);
