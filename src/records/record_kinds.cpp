#include "record_kinds.h"

#include "appc_records.h"
#include "cfg_store.h"
#include "cpic_records.h"
#include "global_records.h"
#include "lux_records.h"
#include "midrange_records.h"
#include "record_fields.h"
#include "section_names.h"
#include "string_ids.h"
#include "tp_records.h"

#include <algorithm>
#include <array>

namespace {

// The operations of a family whose records carry a name: R is its record type, Read its
// reader by name, Name the field that names a record.
template <typename R, int (*Read)(const CfgStore&, R&), std::string R::*Name> struct Named {
    static bool read(const CfgStore& store, const std::string& name, AnyRecord& out) {
        R r;
        r.*Name = name;
        const bool existed = !name.empty() && Read(store, r);
        if (!existed) {
            r = R();
            Read(store, r); // the empty name gives a new record's values
            r.*Name = name;
        }
        out = std::move(r);
        return existed;
    }
    // A renamed record's name is checked in a new record of that name, so that nothing else
    // of the stored record can answer for it.
    static void newNamed(const CfgStore& store, int, const std::string& name, AnyRecord& out) {
        R r;
        Read(store, r); // the empty name gives a new record's values
        r.*Name = name;
        out = std::move(r);
    }
};

template <typename R, void (*ReadSection)(const CfgStore&, int, R&)>
void readSectionOf(const CfgStore& store, int occurrence, AnyRecord& out) {
    R r;
    ReadSection(store, occurrence, r);
    out = std::move(r);
}

void readGlobal(const CfgStore& store, GlobalRecord& r) {
    globalRead(store, r);
}
void readAppc(const CfgStore& store, AppcRecord& r) {
    int missing = 0;
    appcRead(store, r, missing);
}
void readCommon(const CfgStore& store, MidrangeCommonRecord& r) {
    midrangeReadCommon(store, r);
}

// A one-record family reads the first section of its name, or a new record's values.
template <typename R, void (*Read)(const CfgStore&, R&)>
bool readSingle(const CfgStore& store, RecordFamily family, AnyRecord& out) {
    R r;
    Read(store, r);
    out = std::move(r);
    return store.hasSection(kindOf(family).section);
}

bool readGlobalRecord(const CfgStore& store, const std::string&, AnyRecord& out) {
    return readSingle<GlobalRecord, readGlobal>(store, RecordFamily::Global, out);
}
bool readAppcRecord(const CfgStore& store, const std::string&, AnyRecord& out) {
    return readSingle<AppcRecord, readAppc>(store, RecordFamily::Appc, out);
}
bool readCommonRecord(const CfgStore& store, const std::string&, AnyRecord& out) {
    return readSingle<MidrangeCommonRecord, readCommon>(store, RecordFamily::MidrangeCommon, out);
}
void readGlobalSection(const CfgStore& store, int, AnyRecord& out) {
    readGlobalRecord(store, {}, out);
}
void readAppcSection(const CfgStore& store, int, AnyRecord& out) {
    readAppcRecord(store, {}, out);
}
void readCommonSection(const CfgStore& store, int, AnyRecord& out) {
    readCommonRecord(store, {}, out);
}

int writeGlobal(CfgStore& s, const AnyRecord& r, int& flag, ErrorCode& code) {
    return globalWrite(s, std::get<GlobalRecord>(r), flag, code);
}
int writeAppc(CfgStore& s, const AnyRecord& r, int& flag, ErrorCode& code) {
    return appcWrite(s, std::get<AppcRecord>(r), flag, code);
}
int writeCpic(CfgStore& s, const AnyRecord& r, int& flag, ErrorCode& code) {
    return cpicWriteEntry(s, std::get<CpicSideInfoRecord>(r), flag, code);
}
int writeTp(CfgStore& s, const AnyRecord& r, int& flag, ErrorCode& code) {
    return tpWriteEntry(s, std::get<AttachTpRecord>(r), flag, code);
}
int writeLux(CfgStore& s, const AnyRecord& r, int& flag, ErrorCode& code) {
    return luxWriteProfile(s, std::get<LuxProfileRecord>(r), flag, code);
}
int writeSystem(CfgStore& s, const AnyRecord& any, int& flag, ErrorCode& code) {
    const auto& r = std::get<MidrangeSystemRecord>(any);
    return midrangeWriteSystem(s, r.hostName, r.userId, r.password, flag, code);
}
int writeCommon(CfgStore& s, const AnyRecord& any, int& flag, ErrorCode& code) {
    const auto& r = std::get<MidrangeCommonRecord>(any);
    return midrangeWriteCommon(s, r.localLu, r.mode, r.userId, r.password, flag, code);
}

// The check of a family whose rules need nothing but the record.
template <typename R, RecordRefusal (*Check)(const R&)>
RecordRefusal checkOf(const AnyRecord& r, const CfgStore&) {
    return Check(std::get<R>(r));
}
constexpr auto checkGlobal = checkOf<GlobalRecord, globalCheckRecord>;
constexpr auto checkAppc = checkOf<AppcRecord, appcCheckRecord>;
constexpr auto checkCpic = checkOf<CpicSideInfoRecord, cpicCheckRecord>;
constexpr auto checkTp = checkOf<AttachTpRecord, tpCheckRecord>;
constexpr auto checkLux = checkOf<LuxProfileRecord, luxCheckRecord>;
constexpr auto checkSystem = checkOf<MidrangeSystemRecord, systemCheckRecord>;
RecordRefusal checkCommon(const AnyRecord& r, const CfgStore& store) {
    return commonCheckRecord(std::get<MidrangeCommonRecord>(r), store);
}

int removeGlobal(CfgStore& s, const std::string&) {
    return globalDelete(s);
}
int removeAppc(CfgStore& s, const std::string&) {
    return appcDelete(s);
}
int removeCpic(CfgStore& s, const std::string& name) {
    return cpicDeleteEntry(s, name);
}
int removeTp(CfgStore& s, const std::string& name) {
    return tpDeleteEntry(s, name);
}
int removeLux(CfgStore& s, const std::string& name) {
    return luxDeleteProfile(s, name);
}
int removeMidrange(CfgStore& s, const std::string&) {
    return midrangeDeleteAll(s);
}
int removeSystem(CfgStore& s, const std::string& name) {
    return midrangeDeleteSystem(s, name);
}
int listSystems(const CfgStore& s, std::vector<std::string>& list) {
    std::string defaultName;
    return midrangeListSystems(s, list, defaultName);
}

using CpicOps = Named<CpicSideInfoRecord, cpicReadEntry, &CpicSideInfoRecord::symbName>;
using TpOps = Named<AttachTpRecord, tpReadEntry, &AttachTpRecord::tpName>;
using LuxOps = Named<LuxProfileRecord, luxReadProfile, &LuxProfileRecord::profileName>;
using SystemOps = Named<MidrangeSystemRecord, midrangeReadSystem, &MidrangeSystemRecord::hostName>;

// An SNA service TP has a name rule of its own, so the renamed TP keeps its type.
void newNamedTp(const CfgStore& store, int occurrence, const std::string& name, AnyRecord& out) {
    AttachTpRecord stored;
    tpReadSection(store, occurrence, stored);
    TpOps::newNamed(store, occurrence, name, out);
    std::get<AttachTpRecord>(out).tpType = stored.tpType;
}

using F = RecordFamily;
using S = SheetKind;
namespace i = ids;

// The six options first, in the order of the options list.
// clang-format off
constexpr auto kKinds = std::to_array<RecordKind>({
    {.toolName = "global", .toolText = "the global settings",
     .optionKind = kKindGlobal, .isOption = true, .oneRecordOnly = true,
     .family = F::Global, .section = sections::kGlobal,
     .entryTextId = i::kEntryGlobal,
     .texts = {i::kOptionGlobal, i::kDescGlobal, i::kGroupGlobal, i::kTitleGlobal},
     .sheet = S::Global,
     .list = globalListOption, .remove = removeGlobal, .read = readGlobalRecord,
     .readSection = readGlobalSection, .write = writeGlobal, .check = checkGlobal},
    {.toolName = "appc", .toolText = "the APPC server list",
     .optionKind = kKindAppc, .isOption = true, .oneRecordOnly = true,
     .family = F::Appc, .section = sections::kAppc,
     .entryTextId = i::kEntryAppc,
     .texts = {i::kOptionAppc, i::kDescAppc, i::kGroupAppc, i::kTitleServers},
     .sheet = S::Servers,
     .list = appcListOption, .remove = removeAppc, .read = readAppcRecord,
     .readSection = readAppcSection, .write = writeAppc, .check = checkAppc},
    {.toolName = "cpic", .toolText = "CPI-C side information",
     .optionKind = kKindCpic, .isOption = true,
     .family = F::Cpic, .section = sections::kCpic, .nameKey = kCpicNameKey,
     .nameRule = {checkLimit<CpicSideInfoRecord>(kCpicNameKey), true},
     .listedLength = fieldWidth<CpicSideInfoRecord>(kCpicNameKey),
     .texts = {i::kOptionCpic, i::kDescRecords, i::kGroupCpic, i::kTitleCpic},
     .sheet = S::Cpic,
     .list = cpicListEntries, .remove = removeCpic, .read = CpicOps::read,
     .readSection = readSectionOf<CpicSideInfoRecord, cpicReadSection>, .write = writeCpic,
     .check = checkCpic,
     .newNamed = CpicOps::newNamed},
    {.toolName = "tp", .toolText = "attach transaction programs",
     .optionKind = kKindTp, .isOption = true,
     .family = F::Tp, .section = sections::kAttach, .nameKey = kTpNameKey,
     .nameRule = {checkLimit<AttachTpRecord>(kTpNameKey), false},
     .listedLength = fieldWidth<AttachTpRecord>(kTpNameKey),
     .texts = {i::kOptionTp, i::kDescRecords, i::kGroupTp, i::kTitleTp},
     .sheet = S::Tp,
     .list = tpListEntries, .remove = removeTp, .read = TpOps::read,
     .readSection = readSectionOf<AttachTpRecord, tpReadSection>, .write = writeTp,
     .check = checkTp, .newNamed = newNamedTp},
    {.toolName = "lux", .toolText = "LUx profiles",
     .optionKind = kKindLux, .isOption = true,
     .family = F::Lux, .section = sections::kLux, .nameKey = keynames::kProfileName,
     // A longer name could not be found again under its listed one.
     .nameRule = {kLuxNameListed, true}, .listedLength = kLuxNameListed,
     .texts = {i::kOptionLux, i::kDescRecords, i::kGroupLux, i::kTitleLux},
     .sheet = S::Lux,
     .list = luxListProfiles, .remove = removeLux, .read = LuxOps::read,
     .readSection = readSectionOf<LuxProfileRecord, luxReadSection>, .write = writeLux,
     .check = checkLux,
     .newNamed = LuxOps::newNamed},
    {.toolName = "midrange", .toolText = "every midrange system and the common settings",
     .optionKind = kKindMidrange, .isOption = true, .oneRecordOnly = true,
     .entryTextId = i::kEntryMidrange,
     .texts = {i::kOptionMidrange, i::kDescMidrange, i::kGroupMidrange, i::kTitleMidrange},
     .sheet = S::Midrange,
     .list = midrangeListOption, .remove = removeMidrange},
    {.toolName = "system", .toolText = "one midrange system",
     .optionKind = kKindMidrange,
     .family = F::MidrangeSystem, .section = sections::kSystem, .nameKey = kSystemNameKey,
     .nameRule = {checkLimit<MidrangeSystemRecord>(kSystemNameKey), true},
     .listedLength = fieldWidth<MidrangeSystemRecord>(kSystemNameKey),
     .entryTextId = i::kEntryMidrange,
     .sheet = S::Midrange,
     .list = listSystems, .remove = removeSystem, .read = SystemOps::read,
     .readSection = readSectionOf<MidrangeSystemRecord, midrangeReadSystemSection>,
     .write = writeSystem, .check = checkSystem, .newNamed = SystemOps::newNamed},
    {.toolName = "common", .toolText = "the midrange common settings",
     .optionKind = kKindMidrange, .oneRecordOnly = true,
     .family = F::MidrangeCommon, .section = sections::kCommon,
     .entryTextId = i::kEntryMidrange,
     .sheet = S::Midrange,
     .read = readCommonRecord, .readSection = readCommonSection, .write = writeCommon,
     .check = checkCommon},
});
// clang-format on

constexpr auto kOptionCount =
    static_cast<std::size_t>(std::ranges::count_if(kKinds, &RecordKind::isOption));
static_assert(std::ranges::all_of(std::span(kKinds).first(kOptionCount), &RecordKind::isOption),
              "the options come first, in the order of the options list");

// kindOf finds each family's row; a family added without one is caught here, not there.
constexpr bool everyFamilyHasARow() {
    for (int f = 0; f <= static_cast<int>(RecordFamily::MidrangeCommon); ++f)
        if (std::ranges::none_of(kKinds, [f](const RecordKind& k) {
                return k.family && static_cast<int>(*k.family) == f;
            }))
            return false;
    return true;
}
static_assert(everyFamilyHasARow(), "each family of records needs its row in the table");

} // namespace

std::span<const RecordKind> recordKinds() {
    return kKinds;
}

std::span<const RecordKind> optionKinds() {
    return std::span<const RecordKind>(kKinds).first(kOptionCount);
}

const RecordKind* findOptionKind(int kind) {
    for (const RecordKind& k : optionKinds())
        if (k.optionKind == kind)
            return &k;
    return nullptr;
}

const RecordKind* findToolKind(std::string_view toolName) {
    for (const RecordKind& k : kKinds)
        if (k.toolName == toolName)
            return &k;
    return nullptr;
}

const RecordKind& kindOf(RecordFamily family) {
    for (const RecordKind& k : kKinds)
        if (k.family == family)
            return k;
    return kKinds.front(); // not reached: everyFamilyHasARow
}

std::string kindNamesText() {
    std::string text;
    for (const RecordKind& k : kKinds)
        text.append(text.empty() ? "" : ", ").append(k.toolName);
    return text;
}
