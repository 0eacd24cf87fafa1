// The small steps the kind checks are made of: each answers a refusal for one field, or
// an empty one. A check runs its steps in order and stops at the first refusal.
#pragma once

#include "record_checks.h"
#include "record_fields.h"
#include "record_kinds.h"
#include "record_text.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace checks {

RecordRefusal refuse(ErrorCode code, int messageId, std::string key, int row = -1,
                     std::string part = {}, std::string arg = {});

// The message of an error code, about one field.
inline RecordRefusal refuseCode(ErrorCode code, std::string key, int row = -1,
                                std::string part = {}) {
    return refuse(code, 0, std::move(key), row, std::move(part));
}

// A field of the editor's that takes at most limit characters.
struct Limit {
    std::string_view key;
    const std::string& value;
    std::size_t limit;
};
RecordRefusal firstTooLong(std::initializer_list<Limit> limits);
// A key of Record's table and its limit, found when compiled (checkLimit): a string that is
// no such key, or names one without a limit, does not compile.
template <class Record> struct LimitedKey {
    consteval LimitedKey(const char* name) : key(name), limit(fields::limitOf<Record>(name)) {}
    std::string_view key;
    std::size_t limit;
};
// A key's value with the limit its family's table of keys gives it.
template <RecordFamily Family>
Limit limitOf(LimitedKey<RecordOf<Family>> key, const std::string& value) {
    return {key.key, value, key.limit};
}

// Row steps: a piece of a comma-separated value, an encryption code, a row too long.
bool holdsComma(std::string_view piece);
// The message of a value the file cannot carry as it stands (a line breaker, or a backslash
// at its end); 0 for one it can.
int unwritableRule(std::string_view value);
// The first text of a record of single keys that the file cannot carry as its writer stores
// it (a password scrambled). A mark is passed over; the writer sets it itself.
template <class Record> RecordRefusal firstUnwritable(const Record& record) {
    for (const KeyField<Record>& f : kKeyFields<Record>)
        if (f.form == FieldForm::Text || f.form == FieldForm::Password)
            if (const int rule = unwritableRule(records::storedValue(f, record)))
                return refuse(ErrorCode::None, rule, std::string(f.key));
    return {};
}
bool isEncryptionCode(std::string_view code);

// The first of the refusals that is one; a chain of steps reads like the rule list. Each
// step's answer is returned as it stands: the problems panel asks this of every record.
template <typename Step, typename... Rest> RecordRefusal firstOf(Step step, Rest... rest) {
    RecordRefusal found = step();
    if constexpr (sizeof...(rest) > 0) {
        if (!found)
            return firstOf(rest...);
    }
    return found;
}

} // namespace checks
