#include "cpic_records.h"

#include "cfg_store.h"
#include "messages.h"
#include "password_keys.h"
#include "record_text.h"
#include "scramble.h"
#include "validation.h"

namespace {

constexpr std::string_view kCpic = "CPIC_INFO";

} // namespace

int cpicListEntries(const CfgStore& store, std::vector<std::string>& list) {
    return records::listFirstValues(store, kCpic, "SYMB_NAME", 8, list);
}

int cpicReadEntry(const CfgStore& store, CpicSideInfoRecord& record) {
    if (record.symbName.empty()) {
        record.localLu = "*";
        record.partnerLu.clear();
        record.mode = "BLANK";
        record.tpType = 0;
        record.secType = 0;
        record.pluType = 0;
        return 1;
    }
    int s = records::findByValue(store, kCpic, "SYMB_NAME", record.symbName);
    if (s < 0)
        return 0;
    cpicReadSection(store, s, record);
    return 1;
}

void cpicReadSection(const CfgStore& store, int s, CpicSideInfoRecord& record) {
    records::SectionKeys keys(store, s, kCpic);
    std::string value;
    keys.readFirst("SYMB_NAME", record.symbName, 8);
    keys.readFirst("LOCAL_LU", record.localLu, 8);
    keys.readFirst("PART_LU", record.partnerLu, 17);
    keys.readFirst("MODE", record.mode, 8);
    keys.readFirst("REMOTE_TP", record.remoteTp, 65);
    if (keys.readFirst("SEC_TYPE", value, 15))
        record.secType = records::decimalValue(value);
    if (keys.readFirst("TP_TYPE", value, 1))
        record.tpType = records::decimalValue(value);
    if (keys.readFirst("SEC_PW", value, kCpicPassword.storedLength()))
        record.password = unscramblePassword(value, kCpicPassword.maxPlain);
    keys.readFirst("SEC_USERID", record.userId, 10);
    if (keys.readFirst("PLU_TYPE", value, 1))
        record.pluType = records::decimalValue(value);
}

int cpicCheckWrite(CpicSideInfoRecord padded, int& failureFlag, ErrorCode& errorCode) {
    padded.symbName = padRight(padded.symbName, 8);
    padded.localLu = padRight(padded.localLu, 8);
    padded.password = padRight(padded.password, kCpicPassword.maxPlain);
    padded.userId = padRight(padded.userId, 10);
    padded.partnerLu = padRight(padded.partnerLu, 17);
    int flag = 0;
    ErrorCode code = ErrorCode::None;
    cpicCheckEntry(padded, flag, code);
    return records::checkPassed(flag, code, failureFlag, errorCode);
}

int cpicWriteEntry(CfgStore& store, CpicSideInfoRecord record, int& failureFlag,
                   ErrorCode& errorCode) {
    if (!cpicCheckWrite(record, failureFlag, errorCode))
        return 0;

    std::vector<std::string> listed;
    cpicListEntries(store, listed);
    if (!records::deleteListed(store, kCpic, "SYMB_NAME", listed, record.symbName) ||
        !records::addFirstSection(store, kCpic)) {
        errorCode = ErrorCode::Store;
        return 0;
    }
    // SEC_TYPE is written before TP_TYPE, as the client's own files have it.
    const std::pair<std::string_view, std::string> keys[] = {
        {"SYMB_NAME", record.symbName},
        {"LOCAL_LU", record.localLu},
        {"PART_LU", record.partnerLu},
        {"MODE", record.mode},
        {"REMOTE_TP", record.remoteTp},
        {"SEC_TYPE", std::to_string(record.secType)},
        {"TP_TYPE", std::to_string(record.tpType)},
        {"SEC_PW", scramblePassword(record.password, kCpicPassword.storedLength())},
        {"SEC_USERID", record.userId},
        {"PLU_TYPE", std::to_string(record.pluType)},
    };
    for (const auto& [key, value] : keys) {
        if (!records::appendKey(store, kCpic, key, value)) {
            errorCode = ErrorCode::Store;
            return 0;
        }
    }
    return 1;
}

int cpicDeleteEntry(CfgStore& store, std::string_view symbName) {
    int s = records::findByValue(store, kCpic, "SYMB_NAME", symbName);
    if (s < 0)
        return 0;
    return cfgDeleteSection(store, s, kCpic) == 0 ? 1 : 0;
}
