#include "global_records.h"

#include "cfg_store.h"
#include "messages.h"
#include "record_fields.h"
#include "record_text.h"
#include "section_names.h"
#include "string_ids.h"
#include "tela_environment.h"
#include "validation.h"

namespace {

using sections::kGlobal;

} // namespace

int globalListOption(const CfgStore& store, std::vector<std::string>& list) {
    if (store.hasSection(kGlobal))
        list.push_back(TelaEnvironment::GetUserString(ids::kEntryGlobal));
    return 1;
}

int globalRead(const CfgStore& store, GlobalRecord& record) {
    if (!store.hasSection(kGlobal))
        return 1;
    records::SectionKeys keys(store, 0, kGlobal);
    records::readKeys(keys, record);
    return 1;
}

int globalCheckWrite(GlobalRecord padded, int& failureFlag, ErrorCode& errorCode) {
    padded.defLuAlias = padRight(padded.defLuAlias, fieldWidth<GlobalRecord>("DEF_LU_ALIAS"));
    padded.defPluAlias = padRight(padded.defPluAlias, fieldWidth<GlobalRecord>("DEF_PLU_ALIAS"));
    int flag = 0;
    ErrorCode code = ErrorCode::None;
    globalCheck(padded, flag, code);
    return records::checkPassed(flag, code, failureFlag, errorCode);
}

int globalWrite(CfgStore& store, GlobalRecord record, int& failureFlag, ErrorCode& errorCode) {
    if (!globalCheckWrite(record, failureFlag, errorCode))
        return 0;

    // LU62_LB belongs to the APPC settings; it survives the rewrite of the section.
    std::string loadBalancing;
    if (store.hasSection(kGlobal)) {
        records::readFirst(store, 0, kGlobal, kLoadBalancingKey, loadBalancing, 1);
        if (cfgDeleteSection(store, 0, kGlobal) != 0) {
            errorCode = ErrorCode::Store;
            return 0;
        }
    }
    // A file with a second GLOBAL section keeps it and takes the keys there.
    if (!store.hasSection(kGlobal) && cfgAddSection(store, 0, kGlobal) != 0) {
        errorCode = ErrorCode::Store;
        return 0;
    }

    int position = 0;
    if (!records::putKeys(record, [&](std::string_view key, const std::string& value) {
            return cfgInsertKey(store, 0, kGlobal, position++, key, value) != 1;
        })) {
        errorCode = ErrorCode::Store;
        return 0;
    }
    if (!loadBalancing.empty())
        globalInsertLoadBalancing(store, loadBalancing);
    return 1;
}

int globalDelete(CfgStore& store) {
    if (store.hasSection(kGlobal))
        cfgDeleteSection(store, 0, kGlobal);
    return 1;
}

int globalInsertLoadBalancing(CfgStore& store, std::string_view value) {
    return cfgInsertKey(store, 0, kGlobal, 0, kLoadBalancingKey, value);
}

bool globalPutLoadBalancing(CfgStore& store, std::string_view value) {
    if (!store.hasSection(kGlobal) && cfgAddSection(store, 0, kGlobal) != 0)
        return false;
    cfgDeleteKey(store, 0, kGlobal, 0, kLoadBalancingKey);
    globalInsertLoadBalancing(store, value);
    return true;
}
