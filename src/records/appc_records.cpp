#include "appc_records.h"

#include "cfg_store.h"
#include "global_records.h"
#include "messages.h"
#include "record_fields.h"
#include "record_text.h"
#include "section_names.h"
#include "string_ids.h"
#include "tela_environment.h"
#include "validation.h"

#include <vector>

namespace {

using sections::kAppc;
using sections::kGlobal;
constexpr std::size_t kValueMax = parts::kServerRead;

} // namespace

std::string appcServerValue(const AppcRecord& r, std::size_t row) {
    if (r.serverName[row].empty())
        return {};
    return r.serverName[row] + "," + r.transport[row] + "," + r.encryption[row];
}

std::string appcScopeValue(const AppcRecord& r) {
    if (r.scopeName.empty())
        return {};
    return r.scopeName + ",TCP," + r.scopeEncryption;
}

int appcListOption(const CfgStore& store, std::vector<std::string>& list) {
    if (store.hasSection(kAppc))
        list.push_back(TelaEnvironment::GetUserString(ids::kEntryAppc));
    return 1;
}

int appcRead(const CfgStore& store, AppcRecord& record, int& missing) {
    record.selection = 0;
    if (!store.hasSection(kAppc)) {
        missing = 1;
        return 1;
    }
    std::string value;
    int keyOccurrence = -1;
    // A SELECT other than SCOPE leaves the server list in force; the SERVER keys are read
    // from the first one whatever SELECT holds, so no server of the file is skipped.
    if (cfgGetValue(store, 0, kAppc, keyOccurrence, keynames::kSelect, value, kValueMax) == 0)
        record.selection = value == "SCOPE" ? 1 : 0;

    // Rows follow the SERVER keys in order. Rows past the last SERVER key keep what they
    // held: a section with fewer than four keys never repeats a server in a later row.
    keyOccurrence = -1;
    for (std::size_t row = 0; row < kRowCount; ++row) {
        if (cfgGetValue(store, 0, kAppc, keyOccurrence, keynames::kServer, value, kValueMax) != 0)
            break;
        const TextPieces pieces = records::commaPieces(value);
        record.serverName[row] = pieces.text(0);
        record.transport[row] = pieces.text(1);
        record.encryption[row] = pieces.text(2);
    }

    keyOccurrence = -1;
    if (cfgGetValue(store, 0, kAppc, keyOccurrence, keynames::kScope, value, kValueMax) == 0) {
        const TextPieces pieces = records::commaPieces(value);
        record.scopeName = pieces.text(0); // the second piece is the fixed "TCP"
        record.scopeEncryption = pieces.text(2);
    }

    missing = 0;
    // Only the first character of LU62_LB counts.
    if (records::readFirst(store, 0, kGlobal, kLoadBalancingKey, value, 1))
        record.loadBalancing = records::decimalValue(value);
    return 1;
}

int appcWrite(CfgStore& store, AppcRecord record, int& failureFlag, ErrorCode& errorCode) {
    int flag = 0;
    ErrorCode code = ErrorCode::None;
    appcCheck(record, flag, code);
    if (flag != 0) {
        failureFlag = flag;
        errorCode = code;
        return 0;
    }

    if (store.hasSection(kAppc) && cfgDeleteSection(store, 0, kAppc) != 0) {
        errorCode = ErrorCode::Store;
        return 0;
    }
    if (!records::addFirstSection(store, kAppc)) {
        errorCode = ErrorCode::Store;
        return 0;
    }
    std::vector<std::pair<std::string_view, std::string>> keys{
        {keynames::kSelect, record.selection == 1 ? "SCOPE" : "SERVER"}};
    for (std::size_t row = 0; row < kRowCount; ++row)
        keys.emplace_back(keynames::kServer, appcServerValue(record, row));
    keys.emplace_back(keynames::kScope, appcScopeValue(record));
    for (const auto& [key, value] : keys) {
        if (!records::appendKey(store, kAppc, key, value)) {
            errorCode = ErrorCode::Store;
            return 0;
        }
    }

    if (!globalPutLoadBalancing(store, std::to_string(record.loadBalancing))) {
        errorCode = ErrorCode::Store;
        return 0;
    }
    return 1;
}

int appcDelete(CfgStore& store) {
    if (store.hasSection(kAppc))
        cfgDeleteSection(store, 0, kAppc);
    return 1;
}
