#include "cpic_records.h"

#include "cfg_store.h"
#include "messages.h"
#include "password_keys.h"
#include "record_fields.h"
#include "record_text.h"
#include "section_names.h"
#include "validation.h"

namespace {

using sections::kCpic;

} // namespace

int cpicListEntries(const CfgStore& store, std::vector<std::string>& list) {
    return records::listFirstValues(store, kCpic, kCpicNameKey,
                                    fieldWidth<CpicSideInfoRecord>(kCpicNameKey), list);
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
    int s = records::findByValue(store, kCpic, kCpicNameKey, record.symbName);
    if (s < 0)
        return 0;
    cpicReadSection(store, s, record);
    return 1;
}

void cpicReadSection(const CfgStore& store, int s, CpicSideInfoRecord& record) {
    records::SectionKeys keys(store, s, kCpic);
    records::readKeys(keys, record);
}

int cpicCheckWrite(CpicSideInfoRecord padded, int& failureFlag, ErrorCode& errorCode) {
    padded.symbName = padRight(padded.symbName, fieldWidth<CpicSideInfoRecord>(kCpicNameKey));
    padded.localLu = padRight(padded.localLu, fieldWidth<CpicSideInfoRecord>("LOCAL_LU"));
    padded.password = padRight(padded.password, kCpicPassword.maxPlain);
    padded.userId = padRight(padded.userId, fieldWidth<CpicSideInfoRecord>("SEC_USERID"));
    padded.partnerLu = padRight(padded.partnerLu, fieldWidth<CpicSideInfoRecord>("PART_LU"));
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
    if (!records::deleteListed(store, kCpic, kCpicNameKey, listed, record.symbName) ||
        !records::addFirstSection(store, kCpic)) {
        errorCode = ErrorCode::Store;
        return 0;
    }
    return records::appendKeys(store, kCpic, record, errorCode);
}

int cpicDeleteEntry(CfgStore& store, std::string_view symbName) {
    int s = records::findByValue(store, kCpic, kCpicNameKey, symbName);
    if (s < 0)
        return 0;
    return cfgDeleteSection(store, s, kCpic) == 0 ? 1 : 0;
}
