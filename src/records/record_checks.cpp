#include "record_checks.h"

#include "check_steps.h"
#include "cpic_records.h"
#include "field_limits.h"
#include "global_records.h"
#include "messages.h"
#include "midrange_records.h"
#include "record_kinds.h"
#include "string_ids.h"
#include "tela_environment.h"
#include "tp_records.h"
#include "validation.h"

#include <vector>

using namespace checks;
using F = RecordFamily;

namespace {

// A default alias of the global settings: any LU ("*"), blank, or an alias.
bool aliasFieldFails(const std::string& alias) {
    const std::string padded = padRight(alias, 8);
    return padded != padRight("*", 8) && padded != padRight("", 8) && !isLuAlias(padded);
}

// The local LU alias as the writer takes it: any LU ("*") or an alias, never blank.
bool localAliasFails(const std::string& alias) {
    const std::string padded = padRight(alias, 8);
    return padded != padRight("*", 8) && !isLuAlias(padded);
}

RecordRefusal cpicWriterCheck(const CpicSideInfoRecord& r) {
    int flag = 0;
    ErrorCode code = ErrorCode::None;
    if (cpicCheckWrite(r, flag, code))
        return {};
    switch (code) {
    case ErrorCode::SymbolicName:
        return refuseCode(code, "SYMB_NAME");
    case ErrorCode::LuAlias:
        // Two aliases share the code; the message names the one at fault.
        if (localAliasFails(r.localLu))
            return refuse(code, ids::kRuleLocalLu, "LOCAL_LU");
        return refuse(code, ids::kRulePartnerAlias, "PART_LU");
    case ErrorCode::ModeName:
        return refuseCode(code, "MODE");
    case ErrorCode::QualifiedLuName:
        return refuseCode(code, "PART_LU");
    case ErrorCode::CpicPassword:
        return refuseCode(code, "SEC_PW");
    case ErrorCode::CpicUserId:
        return refuseCode(code, "SEC_USERID");
    default:
        return refuseCode(code, "REMOTE_TP");
    }
}

RecordRefusal midrangeCodeField(ErrorCode code) {
    switch (code) {
    case ErrorCode::HostName:
        return refuseCode(code, "HOST_NAME");
    case ErrorCode::ModeName:
        return refuseCode(code, "MODE");
    case ErrorCode::HostUserId:
        return refuseCode(code, "USER_NAME");
    default:
        return refuseCode(code, "PASSWORD");
    }
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
    return formatMessage(TelaEnvironment::GetUserString(refusal.messageId), {refusal.arg});
}

RecordRefusal cpicCheckRecord(const CpicSideInfoRecord& r) {
    const std::size_t partnerLimit = r.pluType == 0 ? 8 : 17;
    return firstOf(
        [&] {
            return firstTooLong({limitOf(F::Cpic, "SYMB_NAME", r.symbName),
                                 limitOf(F::Cpic, "LOCAL_LU", r.localLu),
                                 {"PART_LU", r.partnerLu, partnerLimit},
                                 limitOf(F::Cpic, "REMOTE_TP", r.remoteTp),
                                 limitOf(F::Cpic, "SEC_USERID", r.userId),
                                 limitOf(F::Cpic, "SEC_PW", r.password)});
        },
        [&] {
            // The sheet's own rules, before its write.
            if (r.mode.size() > fieldLimit(F::Cpic, "MODE"))
                return refuse(ErrorCode::None, ids::kCpicMsgModeTooLong, "MODE");
            if (r.secType != 0 && r.userId.empty())
                return refuse(ErrorCode::None, ids::kCpicMsgUserIdRequired, "SEC_USERID");
            return RecordRefusal{};
        },
        [&] { return cpicWriterCheck(r); }, [&] { return firstBackslashEnd(r); });
}

RecordRefusal tpCheckRecord(const AttachTpRecord& r) {
    return firstOf(
        // A record without its name could not be found again; whatever the TP type.
        [&] {
            return r.tpName.empty() ? refuseCode(ErrorCode::AppTpName, "TP_NAME") : RecordRefusal{};
        },
        [&] {
            return firstTooLong(
                {limitOf(F::Tp, "TP_NAME", r.tpName), limitOf(F::Tp, "LU_NAME", r.luName),
                 limitOf(F::Tp, "PATH", r.path), limitOf(F::Tp, "PARM_STRING", r.parmString)});
        },
        [&] {
            int flag = 0;
            ErrorCode code = ErrorCode::None;
            if (tpCheckWrite(r, flag, code))
                return RecordRefusal{};
            return refuseCode(code, code == ErrorCode::TpPath ? "PATH" : "TP_NAME");
        },
        [&] { return firstBackslashEnd(r); });
}

RecordRefusal globalCheckRecord(const GlobalRecord& r) {
    return firstOf(
        [&] {
            return firstTooLong({limitOf(F::Global, "USER_NAME", r.userName),
                                 limitOf(F::Global, "PASSWORD", r.password),
                                 limitOf(F::Global, "TRANSLATE_TABLE", r.translateTable),
                                 limitOf(F::Global, "DEF_LU_ALIAS", r.defLuAlias),
                                 limitOf(F::Global, "DEF_PLU_ALIAS", r.defPluAlias)});
        },
        [&] {
            int flag = 0;
            ErrorCode code = ErrorCode::None;
            if (globalCheckWrite(r, flag, code))
                return RecordRefusal{};
            if (code == ErrorCode::GlobalUserName)
                return refuseCode(code, "USER_NAME");
            if (code == ErrorCode::GlobalPassword)
                return refuseCode(code, "PASSWORD");
            if (aliasFieldFails(r.defLuAlias))
                return refuse(code, ids::kRuleDefLu, "DEF_LU_ALIAS");
            return refuse(code, ids::kRuleDefPartner, "DEF_PLU_ALIAS");
        },
        [&] { return firstBackslashEnd(r); });
}

RecordRefusal systemCheckRecord(const MidrangeSystemRecord& r) {
    return firstOf(
        [&] {
            return r.hostName.empty() ? refuseCode(ErrorCode::HostName, "HOST_NAME")
                                      : RecordRefusal{};
        },
        [&] {
            return firstTooLong({limitOf(F::MidrangeSystem, "HOST_NAME", r.hostName),
                                 limitOf(F::MidrangeSystem, "USER_NAME", r.userId),
                                 limitOf(F::MidrangeSystem, "PASSWORD", r.password)});
        },
        [&] {
            int flag = 0;
            ErrorCode code = ErrorCode::None;
            if (midrangeCheckSystem(r.hostName, r.userId, r.password, flag, code))
                return RecordRefusal{};
            return midrangeCodeField(code);
        },
        [&] { return firstBackslashEnd(r); });
}

RecordRefusal commonSheetRules(const MidrangeCommonRecord& r, const CfgStore& store) {
    std::vector<std::string> names;
    std::string defaultName;
    if (!midrangeListSystems(store, names, defaultName) || names.empty())
        return refuse(ErrorCode::None, ids::kMidMsgNoSystem, {});
    if (r.mode.size() > fieldLimit(F::MidrangeCommon, "MODE"))
        return refuse(ErrorCode::None, ids::kMidMsgModeInvalid, "MODE");
    return firstTooLong({limitOf(F::MidrangeCommon, "LOCAL_LU", r.localLu),
                         limitOf(F::MidrangeCommon, "USER_NAME", r.userId),
                         limitOf(F::MidrangeCommon, "PASSWORD", r.password)});
}

RecordRefusal commonWriteRules(const MidrangeCommonRecord& r) {
    return firstOf(
        [&] {
            int flag = 0;
            ErrorCode code = ErrorCode::None;
            if (midrangeCheckCommon(r.mode, r.userId, r.password, flag, code))
                return RecordRefusal{};
            return midrangeCodeField(code);
        },
        [&] { return firstBackslashEnd(r); });
}

RecordRefusal commonCheckRecord(const MidrangeCommonRecord& r, const CfgStore& store) {
    return firstOf([&] { return commonSheetRules(r, store); }, [&] { return commonWriteRules(r); });
}
