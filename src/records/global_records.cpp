#include "global_records.h"

#include "cfg_store.h"
#include "messages.h"
#include "password_keys.h"
#include "record_text.h"
#include "scramble.h"
#include "string_ids.h"
#include "tela_environment.h"
#include "validation.h"

namespace {

constexpr std::string_view kGlobal = "GLOBAL";

bool hasGlobal(const CfgStore& store) {
    int occurrence = -1;
    return cfgNextSection(store, occurrence, kGlobal) == 0;
}

} // namespace

int globalListOption(const CfgStore& store, std::vector<std::string>& list) {
    if (hasGlobal(store))
        list.push_back(TelaEnvironment::GetUserString(ids::kEntryGlobal));
    return 1;
}

int globalRead(const CfgStore& store, GlobalRecord& record) {
    if (!hasGlobal(store))
        return 1;
    records::readFirst(store, 0, kGlobal, "USER_NAME", record.userName, 20);
    if (records::readFirst(store, 0, kGlobal, "PASSWORD", record.password,
                           kGlobalPassword.storedLength()))
        record.password = unscramblePassword(record.password, kGlobalPassword.maxPlain);
    records::readFirst(store, 0, kGlobal, "TRANSLATE_TABLE", record.translateTable, 260);
    records::readFirst(store, 0, kGlobal, "DEF_LU_ALIAS", record.defLuAlias, 8);
    records::readFirst(store, 0, kGlobal, "DEF_PLU_ALIAS", record.defPluAlias, 8);
    return 1;
}

int globalCheckWrite(GlobalRecord padded, int& failureFlag, ErrorCode& errorCode) {
    padded.defLuAlias = padRight(padded.defLuAlias, 8);
    padded.defPluAlias = padRight(padded.defPluAlias, 8);
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
    if (hasGlobal(store)) {
        records::readFirst(store, 0, kGlobal, "LU62_LB", loadBalancing, 1);
        if (cfgDeleteSection(store, 0, kGlobal) != 0) {
            errorCode = ErrorCode::Store;
            return 0;
        }
    }
    // A file with a second GLOBAL section keeps it and takes the keys there.
    if (!hasGlobal(store) && cfgAddSection(store, 0, kGlobal) != 0) {
        errorCode = ErrorCode::Store;
        return 0;
    }

    const std::string values[] = {record.userName,
                                  scramblePassword(record.password, kGlobalPassword.storedLength()),
                                  record.translateTable, record.defLuAlias, record.defPluAlias};
    const std::string_view keys[] = {"USER_NAME", "PASSWORD", "TRANSLATE_TABLE", "DEF_LU_ALIAS",
                                     "DEF_PLU_ALIAS"};
    for (int i = 0; i < 5; ++i) {
        if (cfgInsertKey(store, 0, kGlobal, i, keys[i], values[i]) == 1) {
            errorCode = ErrorCode::Store;
            return 0;
        }
    }
    if (!loadBalancing.empty())
        cfgInsertKey(store, 0, kGlobal, 0, "LU62_LB", loadBalancing);
    return 1;
}

int globalDelete(CfgStore& store, std::string_view /*unusedName*/) {
    if (hasGlobal(store))
        cfgDeleteSection(store, 0, kGlobal);
    return 1;
}
