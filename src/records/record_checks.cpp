#include "record_checks.h"

#include "check_steps.h"
#include "cpic_records.h"
#include "global_records.h"
#include "messages.h"
#include "midrange_records.h"
#include "record_kinds.h"
#include "string_ids.h"
#include "tela_environment.h"
#include "tp_records.h"
#include "validation.h"

#include <algorithm>
#include <span>
#include <vector>

using namespace checks;
using F = RecordFamily;

namespace {

// The key each code of a writer's check names, each looked up in its record's table of
// keys when compiled. An LU alias's code, which two keys of a record share, is told apart
// where it is refused.
struct CodeKey {
    ErrorCode code;
    std::string_view key;
};
using enum ErrorCode;
using C = CpicSideInfoRecord;
using T = AttachTpRecord;
using G = GlobalRecord;
using S = MidrangeSystemRecord;
// clang-format off
constexpr CodeKey kCpicCodes[] = {
    {SymbolicName, kCpicNameKey},               {ModeName, keyOf<C>("MODE")},
    {QualifiedLuName, keyOf<C>("PART_LU")},     {ServiceTpName, keyOf<C>("REMOTE_TP")},
    {CpicUserId, keyOf<C>("SEC_USERID")},      {CpicPassword, keyOf<C>("SEC_PW")}};
constexpr CodeKey kTpCodes[] = {
    {AppTpName, kTpNameKey}, {ServiceTpName, kTpNameKey}, {TpPath, keyOf<T>("PATH")}};
constexpr CodeKey kGlobalCodes[] = {
    {GlobalUserName, keyOf<G>("USER_NAME")}, {GlobalPassword, keyOf<G>("PASSWORD")}};
constexpr CodeKey kMidrangeCodes[] = {
    {HostName, kSystemNameKey},             {ModeName, keyOf<MidrangeCommonRecord>("MODE")},
    {HostUserId, keyOf<S>("USER_NAME")},    {HostPassword, keyOf<S>("PASSWORD")}};
// clang-format on

// The code's message about the key the table gives it; none for a code it does not know.
RecordRefusal refuseAtKey(std::span<const CodeKey> keys, ErrorCode code) {
    auto it = std::ranges::find(keys, code, &CodeKey::code);
    return refuseCode(code, it == keys.end() ? std::string() : std::string(it->key));
}

RecordRefusal cpicWriterCheck(const CpicSideInfoRecord& r) {
    int flag = 0;
    ErrorCode code = ErrorCode::None;
    if (cpicCheckWrite(r, flag, code))
        return {};
    // The partner's application TP name shares its code with the TP entries' name, but not
    // their characters: its message says which it takes.
    if (code == ErrorCode::AppTpName)
        return refuse(code, ids::kRuleRemoteTpName, std::string(keyOf<C>("REMOTE_TP")));
    if (code != ErrorCode::LuAlias)
        return refuseAtKey(kCpicCodes, code);
    if (!isLocalAliasField(padRight(r.localLu, kLuAliasLength)))
        return refuse(code, ids::kRuleLocalLu, std::string(keyOf<C>("LOCAL_LU")));
    return refuse(code, ids::kRulePartnerAlias, std::string(keyOf<C>("PART_LU")));
}

} // namespace

std::string RecordRefusal::fieldPath() const {
    std::string path = key;
    if (row >= 0)
        path += "[" + std::to_string(row) + "]";
    if (!part.empty())
        path += "." + part;
    return path;
}

std::string refusalText(const RecordRefusal& refusal) {
    return formatMessage(TelaEnvironment::GetUserString(refusal.messageId),
                         {refusal.arg, refusal.limit});
}

RecordRefusal cpicCheckRecord(const CpicSideInfoRecord& r) {
    const std::size_t partnerLimit = r.pluType == 0 ? kLuAliasLength : kQualifiedLuLength;
    return firstOf(
        [&] {
            return firstTooLong({limitOf<F::Cpic>("SYMB_NAME", r.symbName),
                                 limitOf<F::Cpic>("LOCAL_LU", r.localLu),
                                 {keyOf<C>("PART_LU"), r.partnerLu, partnerLimit},
                                 limitOf<F::Cpic>("REMOTE_TP", r.remoteTp),
                                 limitOf<F::Cpic>("SEC_USERID", r.userId),
                                 limitOf<F::Cpic>("SEC_PW", r.password)});
        },
        [&] {
            // The sheet's own rules, before its write.
            if (r.mode.size() > checkLimit<CpicSideInfoRecord>("MODE"))
                return refuse(ErrorCode::None, ids::kCpicMsgModeTooLong,
                              std::string(keyOf<C>("MODE")));
            if (cpicSecTypeTakesUserId(r.secType) && r.userId.empty())
                return refuse(ErrorCode::None, ids::kCpicMsgUserIdRequired,
                              std::string(keyOf<C>("SEC_USERID")));
            return RecordRefusal{};
        },
        [&] { return cpicWriterCheck(r); }, [&] { return firstUnwritable(r); });
}

RecordRefusal tpCheckRecord(const AttachTpRecord& r) {
    return firstOf(
        // A record without its name could not be found again; whatever the TP type.
        [&] {
            return r.tpName.empty() ? refuseCode(ErrorCode::AppTpName, std::string(kTpNameKey))
                                    : RecordRefusal{};
        },
        [&] {
            return firstTooLong(
                {limitOf<F::Tp>("TP_NAME", r.tpName), limitOf<F::Tp>("LU_NAME", r.luName),
                 limitOf<F::Tp>("PATH", r.path), limitOf<F::Tp>("PARM_STRING", r.parmString)});
        },
        [&] {
            int flag = 0;
            ErrorCode code = ErrorCode::None;
            if (tpCheckWrite(r, flag, code))
                return RecordRefusal{};
            return refuseAtKey(kTpCodes, code);
        },
        [&] { return firstUnwritable(r); });
}

RecordRefusal globalCheckRecord(const GlobalRecord& r) {
    return firstOf(
        [&] {
            return firstTooLong({limitOf<F::Global>("USER_NAME", r.userName),
                                 limitOf<F::Global>("PASSWORD", r.password),
                                 limitOf<F::Global>("TRANSLATE_TABLE", r.translateTable),
                                 limitOf<F::Global>("DEF_LU_ALIAS", r.defLuAlias),
                                 limitOf<F::Global>("DEF_PLU_ALIAS", r.defPluAlias)});
        },
        [&] {
            int flag = 0;
            ErrorCode code = ErrorCode::None;
            if (globalCheckWrite(r, flag, code))
                return RecordRefusal{};
            if (code != ErrorCode::LuAlias)
                return refuseAtKey(kGlobalCodes, code);
            if (!isAliasField(padRight(r.defLuAlias, kLuAliasLength)))
                return refuse(code, ids::kRuleDefLu, std::string(keyOf<G>("DEF_LU_ALIAS")));
            return refuse(code, ids::kRuleDefPartner, std::string(keyOf<G>("DEF_PLU_ALIAS")));
        },
        [&] { return firstUnwritable(r); });
}

RecordRefusal systemCheckRecord(const MidrangeSystemRecord& r) {
    return firstOf(
        [&] {
            return midrangeIsStorableName(r.hostName)
                       ? RecordRefusal{}
                       : refuseCode(ErrorCode::HostName, std::string(kSystemNameKey));
        },
        [&] {
            return firstTooLong({limitOf<F::MidrangeSystem>("HOST_NAME", r.hostName),
                                 limitOf<F::MidrangeSystem>("USER_NAME", r.userId),
                                 limitOf<F::MidrangeSystem>("PASSWORD", r.password)});
        },
        [&] {
            int flag = 0;
            ErrorCode code = ErrorCode::None;
            if (midrangeCheckSystem(r.hostName, r.userId, r.password, flag, code))
                return RecordRefusal{};
            return refuseAtKey(kMidrangeCodes, code);
        },
        [&] { return firstUnwritable(r); });
}

RecordRefusal commonSheetRules(const MidrangeCommonRecord& r, const CfgStore& store) {
    std::vector<std::string> names;
    std::string defaultName;
    midrangeListSystems(store, names, defaultName); // a section without its name is no system
    if (names.empty())
        return refuse(ErrorCode::None, ids::kMidMsgNoSystem, {});
    if (r.mode.size() > checkLimit<MidrangeCommonRecord>("MODE"))
        return refuse(ErrorCode::None, ids::kMidMsgModeInvalid,
                      std::string(keyOf<MidrangeCommonRecord>("MODE")));
    return firstTooLong({limitOf<F::MidrangeCommon>("LOCAL_LU", r.localLu),
                         limitOf<F::MidrangeCommon>("USER_NAME", r.userId),
                         limitOf<F::MidrangeCommon>("PASSWORD", r.password)});
}

RecordRefusal commonWriteRules(const MidrangeCommonRecord& r) {
    return firstOf(
        [&] {
            int flag = 0;
            ErrorCode code = ErrorCode::None;
            if (midrangeCheckCommon(r.mode, r.userId, r.password, flag, code))
                return RecordRefusal{};
            return refuseAtKey(kMidrangeCodes, code);
        },
        [&] { return firstUnwritable(r); });
}

RecordRefusal commonCheckRecord(const MidrangeCommonRecord& r, const CfgStore& store) {
    return firstOf([&] { return commonSheetRules(r, store); }, [&] { return commonWriteRules(r); });
}
