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

// Each name check runs on a new record's values, which cannot fail before the name is
// looked at, so that it is the name's own rule that answers.
ErrorCode cpicNameRefusal(const CfgStore& store, int, const std::string& name) {
    CpicSideInfoRecord r;
    cpicReadEntry(store, r);
    r.symbName = name;
    int flag = 0;
    ErrorCode code = ErrorCode::None;
    return cpicCheckWrite(r, flag, code) || code != ErrorCode::SymbolicName ? ErrorCode::None
                                                                            : code;
}
// Without its name a TP entry or a system could not be found again, whatever the writer
// says: their checks refuse an empty name first, with these codes.
ErrorCode tpNameRefusal(const CfgStore& store, int occurrence, const std::string& name) {
    if (name.empty())
        return ErrorCode::AppTpName;
    AttachTpRecord stored;
    tpReadSection(store, occurrence, stored);
    AttachTpRecord r;
    tpReadEntry(store, r);
    r.tpType = stored.tpType; // an SNA service TP has a name rule of its own
    r.tpName = name;
    int flag = 0;
    ErrorCode code = ErrorCode::None;
    return tpCheckWrite(r, flag, code) ||
                   (code != ErrorCode::ServiceTpName && code != ErrorCode::AppTpName)
               ? ErrorCode::None
               : code;
}
ErrorCode luxNameRefusal(const CfgStore& store, int, const std::string& name) {
    LuxProfileRecord r;
    luxReadProfile(store, r);
    r.profileName = name;
    int flag = 0;
    ErrorCode code = ErrorCode::None;
    return luxCheckWrite(r, flag, code) || code != ErrorCode::LuxProfileName ? ErrorCode::None
                                                                             : code;
}
ErrorCode systemNameRefusal(const CfgStore&, int, const std::string& name) {
    if (!midrangeIsStorableName(name))
        return ErrorCode::HostName;
    int flag = 0;
    ErrorCode code = ErrorCode::None;
    return midrangeCheckSystem(name, "", "", flag, code) || code != ErrorCode::HostName
               ? ErrorCode::None
               : code;
}

using CpicOps = Named<CpicSideInfoRecord, cpicReadEntry, &CpicSideInfoRecord::symbName>;
using TpOps = Named<AttachTpRecord, tpReadEntry, &AttachTpRecord::tpName>;
using LuxOps = Named<LuxProfileRecord, luxReadProfile, &LuxProfileRecord::profileName>;
using SystemOps = Named<MidrangeSystemRecord, midrangeReadSystem, &MidrangeSystemRecord::hostName>;

using F = RecordFamily;
using S = SheetKind;
namespace i = ids;

// The six options first, in the order of the options list. One kind to a row: the
// formatter would give each field a line of its own.
// clang-format off
constexpr auto kKinds = std::to_array<RecordKind>({
    {"global", "the global settings",
     kKindGlobal, true, true, true, F::Global, sections::kGlobal, "", {}, 0, i::kEntryGlobal,
     {i::kOptionGlobal, i::kDescGlobal, i::kGroupGlobal, i::kTitleGlobal}, S::Global,
     globalListOption, removeGlobal, readGlobalRecord, readGlobalSection, writeGlobal,
     checkGlobal, nullptr},
    {"appc", "the APPC server list",
     kKindAppc, true, true, true, F::Appc, sections::kAppc, "", {}, 0, i::kEntryAppc,
     {i::kOptionAppc, i::kDescAppc, i::kGroupAppc, i::kTitleServers}, S::Servers,
     appcListOption, removeAppc, readAppcRecord, readAppcSection, writeAppc, checkAppc, nullptr},
    {"cpic", "CPI-C side information",
     kKindCpic, true, false, true, F::Cpic, sections::kCpic, kCpicNameKey,
     {checkLimit<CpicSideInfoRecord>(kCpicNameKey), true},
     fieldWidth<CpicSideInfoRecord>(kCpicNameKey), 0,
     {i::kOptionCpic, i::kDescRecords, i::kGroupCpic, i::kTitleCpic}, S::Cpic, cpicListEntries,
     removeCpic, CpicOps::read, readSectionOf<CpicSideInfoRecord, cpicReadSection>, writeCpic,
     checkCpic, cpicNameRefusal},
    {"tp", "attach transaction programs",
     kKindTp, true, false, true, F::Tp, sections::kAttach, kTpNameKey,
     {checkLimit<AttachTpRecord>(kTpNameKey), false}, fieldWidth<AttachTpRecord>(kTpNameKey), 0,
     {i::kOptionTp, i::kDescRecords, i::kGroupTp, i::kTitleTp}, S::Tp, tpListEntries, removeTp,
     TpOps::read, readSectionOf<AttachTpRecord, tpReadSection>, writeTp, checkTp,
     tpNameRefusal},
    {"lux", "LUx profiles",
     kKindLux, true, false, true, F::Lux, sections::kLux, keynames::kProfileName,
     {kLuxNameListed, true}, // a longer name could not be found again under its listed one
     kLuxNameListed, 0,
     {i::kOptionLux, i::kDescRecords, i::kGroupLux, i::kTitleLux}, S::Lux, luxListProfiles,
     removeLux, LuxOps::read, readSectionOf<LuxProfileRecord, luxReadSection>, writeLux,
     checkLux, luxNameRefusal},
    {"midrange", "every midrange system and the common settings",
     kKindMidrange, true, true, false, F::MidrangeSystem, "", "", {}, 0,
     i::kEntryMidrange,
     {i::kOptionMidrange, i::kDescMidrange, i::kGroupMidrange, i::kTitleMidrange}, S::Midrange,
     midrangeListOption, removeMidrange, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"system", "one midrange system",
     kKindMidrange, false, false, true, F::MidrangeSystem, sections::kSystem, kSystemNameKey,
     {checkLimit<MidrangeSystemRecord>(kSystemNameKey), true},
     fieldWidth<MidrangeSystemRecord>(kSystemNameKey), i::kEntryMidrange, {}, S::Midrange,
     listSystems, removeSystem, SystemOps::read,
     readSectionOf<MidrangeSystemRecord, midrangeReadSystemSection>, writeSystem, checkSystem,
     systemNameRefusal},
    {"common", "the midrange common settings",
     kKindMidrange, false, true, true, F::MidrangeCommon, sections::kCommon, "", {}, 0,
     i::kEntryMidrange, {}, S::Midrange, nullptr, nullptr, readCommonRecord, readCommonSection,
     writeCommon, checkCommon, nullptr},
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
                return k.hasFamily && static_cast<int>(k.family) == f;
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
        if (k.hasFamily && k.family == family)
            return k;
    return kKinds.front(); // not reached: everyFamilyHasARow
}

std::string kindNamesText() {
    std::string text;
    for (const RecordKind& k : kKinds)
        text.append(text.empty() ? "" : ", ").append(k.toolName);
    return text;
}
