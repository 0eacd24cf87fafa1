// The kinds of record, in one table: for each, what the tool calls it, the main window's
// option that shows it, its section and name key, its texts, its sheet and its operations.
// The tool, the problems check, the option dispatch and the main window all look kinds up
// here; adding a kind is a row in record_kinds.cpp (docs/design.md says what else).
#pragma once

#include "messages.h"
#include "record_checks.h"
#include "record_types.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

class CfgStore;

// The families of records the file holds; the midrange option shows two of them. A new
// family goes before MidrangeCommon, which the table's check counts up to.
enum class RecordFamily { Global, Appc, Cpic, Tp, Lux, MidrangeSystem, MidrangeCommon };

// One record of any family, as the table's operations take and give it; the alternatives
// follow the families' order, so that a family's index finds its record type.
using AnyRecord = std::variant<GlobalRecord, AppcRecord, CpicSideInfoRecord, AttachTpRecord,
                               LuxProfileRecord, MidrangeSystemRecord, MidrangeCommonRecord>;
template <RecordFamily F>
using RecordOf = std::variant_alternative_t<static_cast<std::size_t>(F), AnyRecord>;
static_assert(std::is_same_v<RecordOf<RecordFamily::Global>, GlobalRecord> &&
              std::is_same_v<RecordOf<RecordFamily::Appc>, AppcRecord> &&
              std::is_same_v<RecordOf<RecordFamily::Cpic>, CpicSideInfoRecord> &&
              std::is_same_v<RecordOf<RecordFamily::Tp>, AttachTpRecord> &&
              std::is_same_v<RecordOf<RecordFamily::Lux>, LuxProfileRecord> &&
              std::is_same_v<RecordOf<RecordFamily::MidrangeSystem>, MidrangeSystemRecord> &&
              std::is_same_v<RecordOf<RecordFamily::MidrangeCommon>, MidrangeCommonRecord> &&
              std::variant_size_v<AnyRecord> ==
                  static_cast<std::size_t>(RecordFamily::MidrangeCommon) + 1);

// The main window's option kinds, as the file's client numbers them.
inline constexpr int kKindCpic = 12;
inline constexpr int kKindTp = 13;
inline constexpr int kKindGlobal = 16;
inline constexpr int kKindAppc = 26;
inline constexpr int kKindLux = 27;
inline constexpr int kKindMidrange = 28;

// The editor sheet an option opens. A new sheet goes before Midrange, which the sheets'
// check counts up to.
enum class SheetKind { Global, Servers, Cpic, Tp, Lux, Midrange };

// The texts of an option of the main window's list.
struct OptionTexts {
    int labelId = 0;       // the entry in the options list
    int descriptionId = 0; // the description under it
    int groupTitleId = 0;  // the caption of the records group
    int sheetTitleId = 0;  // the caption of the kind's editor sheet
};

// How long a record's name may be, and whether typed letters become capitals. A record of
// single keys takes the limit from its table of keys (record_fields.h), as its checks do.
struct NameRule {
    std::size_t limit = 0;
    bool upperCase = false;
};

struct RecordKind {
    std::string_view toolName{}; // the word the tool takes: "global", "cpic", "system", ...
    std::string_view toolText{}; // what the tool's help calls the kind
    int optionKind = 0;          // the option whose records list shows the kind
    bool isOption = false;       // the row is that option itself (in the options list's order)
    bool oneRecordOnly = false;  // the option lists a single entry, not one per record
    // The family of the kind's records; none for the midrange option, which shows two.
    std::optional<RecordFamily> family{};
    std::string_view section{};   // the section of the family's records
    std::string_view nameKey{};   // the key that names a record; empty for a one-record family
    NameRule nameRule{};          // of that key: the checks, the sheets and Rename keep to it
    std::size_t listedLength = 0; // characters of a name the records list shows
    // The records list's one entry that stands for the kind's records (the systems': the
    // midrange entry); 0 when listed by name.
    int entryTextId = 0;
    OptionTexts texts{}; // on option rows
    SheetKind sheet = SheetKind::Global;

    // The option's records list; 1 listed, 0 a section lacks its name key.
    int (*list)(const CfgStore& store, std::vector<std::string>& list) = nullptr;
    // The option's delete of the record of that name (one-record kinds: the whole record).
    int (*remove)(CfgStore& store, const std::string& name) = nullptr;
    // The record of that name (a one-record family's one record) and whether it exists;
    // otherwise a new record's values under that name.
    bool (*read)(const CfgStore& store, const std::string& name, AnyRecord& record) = nullptr;
    // The record in section `occurrence` of the family's sections, read on its own.
    void (*readSection)(const CfgStore& store, int occurrence, AnyRecord& record) = nullptr;
    // The family's writer: 1 stored; 0 refused, with the failure flag and error code.
    int (*write)(CfgStore& store, const AnyRecord& record, int& failureFlag,
                 ErrorCode& errorCode) = nullptr;
    // Everything the editor and the writer would refuse in the record.
    RecordRefusal (*check)(const AnyRecord& record, const CfgStore& store) = nullptr;
    // A new record named `name` in place of the record in section `occurrence`, with what
    // of that record decides the name's rule (a TP's type): Rename runs the kind's check on
    // it. nullptr for the kinds without names.
    void (*newNamed)(const CfgStore& store, int occurrence, const std::string& name,
                     AnyRecord& record) = nullptr;
};

// Every kind: first the six options in the order of the options list, then the two
// midrange families.
std::span<const RecordKind> recordKinds();
// The options alone, in the order of the options list.
std::span<const RecordKind> optionKinds();
// nullptr for an integer that is no option kind.
const RecordKind* findOptionKind(int kind);
// nullptr for a word that names no kind.
const RecordKind* findToolKind(std::string_view toolName);
const RecordKind& kindOf(RecordFamily family);
// "global, appc, ..." for messages.
std::string kindNamesText();
