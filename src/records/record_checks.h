// The one check of each kind of record: everything the editor refuses before it stores a
// record, and what the file could not give back as it was given. The sheets, the tool's
// put and check, and the problems panel all ask these, so that a record refused in one
// place is refused, with the same message, in every other.
//
// A check looks, in this order, at the lengths the editor's fields take, the rules the
// kind's sheet applies on OK, the check its record writer runs, and the values that would
// read back differently (pieces a comma would shift, a link whose category takes no LU
// name, a row too long for its reading length). The first rule a record breaks decides.
#pragma once

#include "messages.h"
#include "record_types.h"

#include <string>

class CfgStore;

// What a check refused and the field it is about, named as the file and the tool name it:
// the key ("MODE"), and for the rows of the APPC server list and the links of a LUx
// profile the row (0 to 3) and the row's field ("name", "lu_name", ...).
struct RecordRefusal {
    // A code of the message table; None for a sheet's own rule.
    ErrorCode code = ErrorCode::None;
    int messageId = 0; // the text shown: the code's message, or one naming the field
    std::string arg;   // what the message's %1 names: a limit, a link number, a server name
    std::string limit; // what %2 names: the most the client reads of a row's value
    std::string key;   // "SYMB_NAME", "SERVER", "SESSION", "SCOPE", ...; empty: the record
    int row = -1;      // SERVER or SESSION row, 0 to 3
    std::string part;  // the row's field: "name", "transport", "encryption", "lu_name", ...

    explicit operator bool() const { return messageId != 0; }
    // The number the tool prints after "error": the code, or the message id of a sheet rule.
    int number() const { return code != ErrorCode::None ? codeNumber(code) : messageId; }
    // "MODE", "SERVER[0].name", "SCOPE.encryption": the field as the tool's JSON names it,
    // rows counted from 0.
    std::string fieldPath() const;
};

// The message of a refusal in the language library in use, with its %1 and %2 filled in.
std::string refusalText(const RecordRefusal& refusal);

// The whole check of each kind, in the order above; an empty refusal when the record passes.
RecordRefusal cpicCheckRecord(const CpicSideInfoRecord& record);
RecordRefusal tpCheckRecord(const AttachTpRecord& record);
RecordRefusal globalCheckRecord(const GlobalRecord& record);
RecordRefusal appcCheckRecord(const AppcRecord& record);
RecordRefusal luxCheckRecord(const LuxProfileRecord& record);
RecordRefusal systemCheckRecord(const MidrangeSystemRecord& record);
// The common settings are refused while no midrange system is configured in store.
RecordRefusal commonCheckRecord(const MidrangeCommonRecord& record, const CfgStore& store);

// The midrange sheet asks the user about the default system between its own rules and
// the write; it takes the two halves of the common check apart.
RecordRefusal commonSheetRules(const MidrangeCommonRecord& record, const CfgStore& store);
RecordRefusal commonWriteRules(const MidrangeCommonRecord& record);
