// Helpers shared by the record modules: reading one key, number conversion, the comma
// form of list values, and placing a record among the records of its kind.
#pragma once

#include "cfg_store.h"
#include "messages.h"
#include "record_fields.h"
#include "scramble.h"
#include "text_pieces.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace records {

// The decimal value of the leading digits of text, as the client's C runtime reads it:
// leading white space and one sign are taken, no digits gives 0, and a value beyond the
// range of int is held at the nearest end of that range.
int decimalValue(std::string_view text);

// The pieces of text between commas; a run of commas counts as one separator, so empty
// pieces vanish (",a,,b," gives "a" and "b").
inline TextPieces commaPieces(std::string_view text) {
    return TextPieces(text, ',');
}

// What a record check said, handed on as a writer hands it on: 1 when it passed (flag 0);
// otherwise the flag and code go to the caller's and the result is 0.
inline int checkPassed(int flag, ErrorCode code, int& failureFlag, ErrorCode& errorCode) {
    if (flag == 0)
        return 1;
    failureFlag = flag;
    errorCode = code;
    return 0;
}

// One section, for reading a whole record key by key: the section is looked up once.
class SectionKeys {
public:
    SectionKeys(const CfgStore& store, int section, std::string_view sectionName);

    // As cfgGetValue: the key named key after occurrence keyOccurrence (-1 for the first),
    // at most maxLength characters, keyOccurrence advanced; false when there is none.
    bool next(std::string_view key, int& keyOccurrence, std::string& destination,
              std::size_t maxLength);
    // As readFirst below: destination untouched when the key is missing.
    bool readFirst(std::string_view key, std::string& destination, std::size_t maxLength);

private:
    const CfgStore& m_store;
    const CfgSection* m_section;
};

// Reads every key of a record of single keys; a member keeps its value when its key is
// missing.
template <class Record> void readKeys(SectionKeys& keys, Record& record) {
    std::string value;
    for (const KeyField<Record>& f : kKeyFields<Record>) {
        if (f.form != FieldForm::Number && f.form != FieldForm::Password) {
            keys.readFirst(f.key, record.*f.text, f.readLimit);
        } else if (keys.readFirst(f.key, value, f.readLimit)) {
            if (f.form == FieldForm::Number)
                record.*f.number = decimalValue(value);
            else
                record.*f.text = unscramblePassword(value, f.password->maxPlain);
        }
    }
}

// The value a writer stores for one key of the record.
template <class Record> std::string storedValue(const KeyField<Record>& f, const Record& record) {
    switch (f.form) {
    case FieldForm::Number:
        return std::to_string(record.*f.number);
    case FieldForm::Password:
        return scramblePassword(record.*f.text, f.password->storedLength());
    case FieldForm::Text:
    case FieldForm::Mark:
        break;
    }
    return record.*f.text;
}

// Hands every key of the record with its stored value to put, in the file's order; false as
// soon as put refuses one.
template <class Record, class Put> bool putKeys(const Record& record, Put put) {
    for (const KeyField<Record>& f : kKeyFields<Record>)
        if (!put(f.key, storedValue(f, record)))
            return false;
    return true;
}

// The first occurrence of key in section occurrence `section`, at most maxLength
// characters; false (destination untouched) when the section or the key is missing.
bool readFirst(const CfgStore& store, int section, std::string_view sectionName,
               std::string_view key, std::string& destination, std::size_t maxLength);

// Appends the first `key` of every section named sectionName, in document order, each cut
// to maxLength characters. 1 when all were listed; 0 when a section lacks the key (it is
// passed over, so that a writer still finds every record after it). This is the records
// list of a kind.
int listFirstValues(const CfgStore& store, std::string_view sectionName, std::string_view key,
                    std::size_t maxLength, std::vector<std::string>& list);

// The occurrence of the first section named sectionName holding key = value, or -1.
int findByValue(const CfgStore& store, std::string_view sectionName, std::string_view key,
                std::string_view value);

// Removes, for every entry of `listed` equal to name, the first section whose key equals
// name. False, with the store untouched, when the store holds fewer such sections than the
// listing promises (a listed name cut from a longer value).
bool deleteListed(CfgStore& store, std::string_view sectionName, std::string_view key,
                  const std::vector<std::string>& listed, std::string_view name);

// Adds an empty section immediately before the first section of that name, or at the
// end of the document when there is none. False when the store refuses.
bool addFirstSection(CfgStore& store, std::string_view sectionName);

// Appends key = value at the end of section occurrence 0 of that name. False when there
// is no such section.
bool appendKey(CfgStore& store, std::string_view sectionName, std::string_view key,
               std::string_view value);

// A writer's last step: every key of the record appended to section occurrence 0 of that
// name. 1 when stored; 0 with the code of a store that refused.
template <class Record>
int appendKeys(CfgStore& store, std::string_view sectionName, const Record& record,
               ErrorCode& errorCode) {
    if (putKeys(record, [&](std::string_view key, const std::string& value) {
            return appendKey(store, sectionName, key, value);
        }))
        return 1;
    errorCode = ErrorCode::Store;
    return 0;
}

// Sets the first key of that name in section occurrence to value where it stands; appends
// it when the section has none.
void setKeyInPlace(CfgStore& store, int occurrence, std::string_view section, std::string_view key,
                   const std::string& value);

} // namespace records
