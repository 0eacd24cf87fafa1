// The window's texts: the language library's strings are UTF-8; the file's bytes are shown
// as Latin-1, one byte to a character, as the sheets show them (fromBytes).
#pragma once

#include "record_kinds.h"
#include "sheet_text.h"
#include "string_ids.h"
#include "tela_environment.h"

#include <QString>

inline QString userString(int id) {
    return QString::fromUtf8(TelaEnvironment::GetUserString(id));
}

// How the problems panel and the review name a record: by its name; a section without its
// name key as such; the common settings as such; another record without a name by the
// records list's entry that stands for its kind.
inline QString recordLabel(RecordFamily family, const std::string& name, bool nameless) {
    if (nameless)
        return userString(ids::kProblemNoName);
    if (family == RecordFamily::MidrangeCommon)
        return userString(ids::kReviewCommon);
    return name.empty() ? userString(kindOf(family).entryTextId) : fromBytes(name);
}
