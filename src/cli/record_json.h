// Records as the tool prints and takes them: one JSON object per record, named by the
// file's keys. A stored password is printed as the editor's placeholder unless asked for.
#pragma once

#include "json_text.h"
#include "record_kinds.h"
#include "record_types.h"

#include <string>
#include <string_view>

Json recordJson(const AppcRecord& r);
Json recordJson(const LuxProfileRecord& r);
// The record of any kind; showPasswords reaches the kinds whose JSON holds a password.
Json recordJson(const AnyRecord& record, bool showPasswords);

// Sets the fields that input names and leaves the others as they are. A password equal to
// the placeholder keeps what the record holds. False, with a message, when input is not an
// object of the record's fields with values of the right types and storable characters.
bool applyJson(const Json& input, AppcRecord& r, std::string& error);
bool applyJson(const Json& input, LuxProfileRecord& r, std::string& error);
bool applyJson(const Json& input, AnyRecord& record, std::string& error);
