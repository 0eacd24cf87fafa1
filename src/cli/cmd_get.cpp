#include "appc_records.h"
#include "cfg_store.h"
#include "commands.h"
#include "config_input.h"
#include "cpic_records.h"
#include "file_steps.h"
#include "global_records.h"
#include "kind_argument.h"
#include "lux_records.h"
#include "messages.h"
#include "midrange_records.h"
#include "record_json.h"
#include "tool_messages.h"
#include "tool_text.h"
#include "tp_records.h"

#include <optional>
#include <ostream>

namespace {

// The record of kind named name, read with the kind's reader; nullopt when there is none.
std::optional<Json> readRecord(const CfgStore& store, ToolKind kind, const std::string& name,
                               bool showPasswords) {
    switch (kind) {
    case ToolKind::Global: {
        GlobalRecord r;
        globalRead(store, r);
        return recordJson(r, showPasswords);
    }
    case ToolKind::Appc: {
        AppcRecord r;
        int missing = 0;
        appcRead(store, r, missing);
        return recordJson(r);
    }
    case ToolKind::Cpic: {
        CpicSideInfoRecord r;
        r.symbName = name;
        if (!cpicReadEntry(store, r))
            return std::nullopt;
        return recordJson(r, showPasswords);
    }
    case ToolKind::Tp: {
        AttachTpRecord r;
        r.tpName = name;
        if (!tpReadEntry(store, r))
            return std::nullopt;
        return recordJson(r);
    }
    case ToolKind::Lux: {
        LuxProfileRecord r;
        r.profileName = name;
        if (!luxReadProfile(store, r))
            return std::nullopt;
        return recordJson(r);
    }
    case ToolKind::System: {
        MidrangeSystemRecord r;
        r.hostName = name;
        if (!midrangeReadSystem(store, r))
            return std::nullopt;
        return recordJson(r, showPasswords);
    }
    case ToolKind::Common: {
        MidrangeCommonRecord r;
        if (!midrangeReadCommon(store, r))
            return std::nullopt;
        return recordJson(r, showPasswords);
    }
    case ToolKind::Midrange:
        break;
    }
    return std::nullopt;
}

} // namespace

int runGet(const Invocation& inv, std::istream& in, std::ostream& out, std::ostream& err) {
    const ToolKindInfo* info = kindArgument(inv, {ToolKind::Midrange}, err);
    if (!info)
        return kExitUsage;
    CfgStore store;
    if (int code = readConfigurationInput(store, inv.files.front(), in, err); code != kExitOk)
        return code;
    const std::string name = argumentBytes(inv.name);
    // The readers take the empty name as a new record; here it names nothing.
    std::optional<Json> record;
    if (info->nameKey.empty() || !name.empty())
        record = readRecord(store, info->kind, name, inv.showPasswords);
    if (!record) {
        err << noRecordText(*info, inv.name, inv.files.front()) << '\n';
        return kExitFailed;
    }
    out << jsonText(*record) << '\n';
    return kExitOk;
}
