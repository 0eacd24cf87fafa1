// The keys of the records that are one section of single keys, each with the record's member
// that holds it and how the file stores it, in the order a writer puts them in the file. The
// readers, the writers, the backslash check, the review of changes and the tool's JSON walk
// these lists, and the record checks and the sheets take each value's longest length from
// them: how such a key is read, written and limited is decided here, a name's longest value
// included, which its kind's name rule takes from here. (A check names the key it refuses,
// and the midrange default mark has rules of its own.) Above them, the names of the keys
// that code names itself: the rows' and the default mark's; below them, the parts of the
// rows of the APPC servers and the LUx links.
#pragma once

#include "password_keys.h"
#include "record_types.h"
#include "validation.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

enum class FieldForm {
    Text,     // a text, stored as it stands
    Number,   // a decimal number
    Password, // a text, stored scrambled and shown as asterisks
    Mark,     // a text the writer sets itself ("1" or "0"); read and shown as stored
};

template <class Record> struct KeyField {
    std::string_view key;
    FieldForm form = FieldForm::Text;
    std::string Record::*text = nullptr;   // every form but Number
    int Record::*number = nullptr;         // Number
    std::size_t readLimit = 0;             // the most a read takes of the stored value
    std::size_t checkLimit = 0;            // the longest value the checks let pass; 0 none
    const PasswordKey* password = nullptr; // Password
};

// The keys of the records made of rows, whose readers and writers are their own, and the
// midrange systems' default mark, which has rules of its own: the modules, checks, review,
// merge, JSON and sheets name them from here.
namespace keynames {
inline constexpr char kSelect[] = "SELECT"; // APPC: whether SERVER or SCOPE is in force
inline constexpr char kServer[] = "SERVER";
inline constexpr char kScope[] = "SCOPE";
inline constexpr char kProfileName[] = "PROFILE_NAME"; // LUx
inline constexpr char kSession[] = "SESSION";
inline constexpr char kSystemDefault[] = "DEFAULT"; // a midrange system's
// A LUx profile's field (not a key of its section): whether it is the default profile.
inline constexpr char kLuxDefault[] = "DEFAULT";
} // namespace keynames

namespace fields {

template <class R>
constexpr KeyField<R> text(std::string_view key, std::string R::*member, std::size_t readLimit,
                           std::size_t checkLimit = 0) {
    return {key, FieldForm::Text, member, nullptr, readLimit, checkLimit, nullptr};
}
template <class R>
constexpr KeyField<R> number(std::string_view key, int R::*member, std::size_t readLimit) {
    return {key, FieldForm::Number, nullptr, member, readLimit, 0, nullptr};
}
template <class R> constexpr KeyField<R> password(const PasswordKey& key, std::string R::*member) {
    return {key.key, FieldForm::Password, member, nullptr, key.storedLength(), key.maxPlain, &key};
}
template <class R>
constexpr KeyField<R> mark(std::string_view key, std::string R::*member, std::size_t readLimit) {
    return {key, FieldForm::Mark, member, nullptr, readLimit, 0, nullptr};
}

using C = CpicSideInfoRecord;
using T = AttachTpRecord;
using G = GlobalRecord;
using S = MidrangeSystemRecord;
using M = MidrangeCommonRecord;

// One key to a line, as the file has them: key, member, read length, longest value. SEC_TYPE comes
// before TP_TYPE, as the client's own files have it.
// clang-format off
inline constexpr KeyField<C> kCpic[] = {
    text("SYMB_NAME", &C::symbName, kLuAliasLength, kLuAliasLength),
    text("LOCAL_LU", &C::localLu, kLuAliasLength, kLuAliasLength),
    text("PART_LU", &C::partnerLu, kQualifiedLuLength),
    text("MODE", &C::mode, kModeNameLength, kModeNameLength),
    text("REMOTE_TP", &C::remoteTp, 65, 64),
    number("SEC_TYPE", &C::secType, 15),
    number("TP_TYPE", &C::tpType, 1),
    password(kCpicPassword, &C::password),
    text("SEC_USERID", &C::userId, 10, kUserIdCheckLength),
    number("PLU_TYPE", &C::pluType, 1),
};
inline constexpr KeyField<T> kTp[] = {
    text("TP_NAME", &T::tpName, 65, 64),
    text("LU_NAME", &T::luName, kLuAliasLength, kLuAliasLength),
    text("PATH", &T::path, 260, 80),
    text("PARM_STRING", &T::parmString, 128, 32),
    number("TP_OP", &T::tpOp, 25),
    number("TP_TYPE", &T::tpType, 1),
};
inline constexpr KeyField<G> kGlobal[] = {
    text("USER_NAME", &G::userName, 20, 20),
    password(kGlobalPassword, &G::password),
    text("TRANSLATE_TABLE", &G::translateTable, 260, 256),
    text("DEF_LU_ALIAS", &G::defLuAlias, kLuAliasLength, kLuAliasLength),
    text("DEF_PLU_ALIAS", &G::defPluAlias, kLuAliasLength, kLuAliasLength),
};
inline constexpr KeyField<S> kSystem[] = {
    text("HOST_NAME", &S::hostName, 8, 8),
    text("USER_NAME", &S::userId, 10, kUserIdCheckLength),
    password(kSystemPassword, &S::password),
    mark(keynames::kSystemDefault, &S::defaultFlag, 1),
};
inline constexpr KeyField<M> kCommon[] = {
    text("USER_NAME", &M::userId, 10, kUserIdCheckLength),
    password(kCommonPassword, &M::password),
    text("LOCAL_LU", &M::localLu, kLuAliasLength, kLuAliasLength),
    text("MODE", &M::mode, kModeNameLength, kModeNameLength),
};
// clang-format on

} // namespace fields

// The keys of a record of single keys; empty for the records made of rows (APPC, LUx).
template <class Record> inline constexpr std::span<const KeyField<Record>> kKeyFields{};
template <>
inline constexpr std::span<const KeyField<CpicSideInfoRecord>> kKeyFields<CpicSideInfoRecord> =
    fields::kCpic;
template <>
inline constexpr std::span<const KeyField<AttachTpRecord>> kKeyFields<AttachTpRecord> = fields::kTp;
template <>
inline constexpr std::span<const KeyField<GlobalRecord>> kKeyFields<GlobalRecord> = fields::kGlobal;
template <>
inline constexpr std::span<const KeyField<MidrangeSystemRecord>> kKeyFields<MidrangeSystemRecord> =
    fields::kSystem;
template <>
inline constexpr std::span<const KeyField<MidrangeCommonRecord>> kKeyFields<MidrangeCommonRecord> =
    fields::kCommon;

template <class Record> constexpr bool isKeyRecord = !kKeyFields<Record>.empty();

namespace fields {
// The lookups behind the compile-time ones below; constant-evaluated, a throw is a compile
// error.
template <class Record> constexpr const KeyField<Record>& find(std::string_view key) {
    for (const KeyField<Record>& f : kKeyFields<Record>)
        if (f.key == key)
            return f;
    throw "the record has no such key";
}
template <class Record> constexpr std::size_t limitOf(std::string_view key) {
    const std::size_t limit = find<Record>(key).checkLimit;
    if (limit == 0)
        throw "the key has no limit of its own";
    return limit;
}
} // namespace fields

// A key's entry in the record's table, looked up when compiled: a key the record does not
// have does not compile.
template <class Record> consteval const KeyField<Record>& keyField(std::string_view key) {
    return fields::find<Record>(key);
}

// The width of a key's field in the client's record: what a read takes of the value, and
// what a writer's check pads the value to.
template <class Record> consteval std::size_t fieldWidth(std::string_view key) {
    return keyField<Record>(key).readLimit;
}

// The longest value of a key that the checks let pass and the sheets' fields take; a key
// without a limit of its own does not compile either, rather than refuse every value.
template <class Record> consteval std::size_t checkLimit(std::string_view key) {
    return fields::limitOf<Record>(key);
}

// A key of the record's table, for code that matches a key by its name (a sheet putting the
// focus on a refused field).
template <class Record> consteval std::string_view keyOf(std::string_view key) {
    return keyField<Record>(key).key;
}

// The names of the parts of a row, as the review of changes, the checks, the tool's JSON and
// the sheets name them.
namespace parts {
inline constexpr char kName[] = "name";
inline constexpr char kServer[] = "server";
inline constexpr char kCategory[] = "category";
inline constexpr char kLuName[] = "lu_name";
inline constexpr char kTransport[] = "transport";
inline constexpr char kScope[] = "scope";
inline constexpr char kEncryption[] = "encryption";

// The longest server or scope name, and a link's LU name, that the checks and the sheets
// let pass; and how much of one SERVER or SCOPE value, and of one SESSION, the readers take.
inline constexpr std::size_t kNameLimit = 64;
inline constexpr std::size_t kLuNameLimit = kLuNameLength;
inline constexpr std::size_t kServerRead = 76;
inline constexpr std::size_t kSessionRead = 154;
} // namespace parts

// A part of a row of the records made of rows: a text or a number of Row.
template <class Row> struct RowPart {
    std::string_view name;
    std::string Row::*text = nullptr;
    int Row::*number = nullptr;
};

// A LUx profile's links, the pieces in the order its SESSION values hold them.
inline constexpr RowPart<LuxLink> kLinkParts[] = {
    {parts::kServer, &LuxLink::serverName}, {parts::kCategory, nullptr, &LuxLink::category},
    {parts::kLuName, &LuxLink::luName},     {parts::kTransport, &LuxLink::transport},
    {parts::kScope, &LuxLink::scopeName},   {parts::kEncryption, &LuxLink::encryption},
};

// The APPC servers: row i of each of the record's three lists.
struct ServerPart {
    std::string_view name;
    std::array<std::string, kRowCount> AppcRecord::*list;
};
inline constexpr ServerPart kServerParts[] = {
    {parts::kName, &AppcRecord::serverName},
    {parts::kTransport, &AppcRecord::transport},
    {parts::kEncryption, &AppcRecord::encryption},
};

// The APPC record's scope.
inline constexpr RowPart<AppcRecord> kScopeParts[] = {
    {parts::kName, &AppcRecord::scopeName},
    {parts::kEncryption, &AppcRecord::scopeEncryption},
};
