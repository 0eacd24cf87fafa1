#include "tp_records.h"

#include "cfg_store.h"
#include "messages.h"
#include "record_fields.h"
#include "record_text.h"
#include "section_names.h"
#include "validation.h"

namespace {

using sections::kAttach;

} // namespace

int tpListEntries(const CfgStore& store, std::vector<std::string>& list) {
    return records::listFirstValues(store, kAttach, kTpNameKey,
                                    fieldWidth<AttachTpRecord>(kTpNameKey), list);
}

int tpReadEntry(const CfgStore& store, AttachTpRecord& record) {
    if (record.tpName.empty()) {
        record.luName = std::string("*");
        record.tpType = 0;
        record.tpOp = 0;
        return 1;
    }
    int s = records::findByValue(store, kAttach, kTpNameKey, record.tpName);
    if (s < 0)
        return 0;
    tpReadSection(store, s, record);
    return 1;
}

void tpReadSection(const CfgStore& store, int s, AttachTpRecord& record) {
    records::SectionKeys keys(store, s, kAttach);
    records::readKeys(keys, record);
}

int tpCheckWrite(AttachTpRecord padded, int& failureFlag, ErrorCode& errorCode) {
    padded.luName = padRight(padded.luName, fieldWidth<AttachTpRecord>("LU_NAME"));
    int flag = 0;
    ErrorCode code = ErrorCode::None;
    tpCheckEntry(padded, flag, code);
    return records::checkPassed(flag, code, failureFlag, errorCode);
}

int tpWriteEntry(CfgStore& store, AttachTpRecord record, int& failureFlag, ErrorCode& errorCode) {
    if (!tpCheckWrite(record, failureFlag, errorCode))
        return 0;

    std::vector<std::string> listed;
    tpListEntries(store, listed);
    if (!records::deleteListed(store, kAttach, kTpNameKey, listed, record.tpName) ||
        !records::addFirstSection(store, kAttach)) {
        errorCode = ErrorCode::Store;
        return 0;
    }
    return records::appendKeys(store, kAttach, record, errorCode);
}

int tpDeleteEntry(CfgStore& store, std::string_view tpName) {
    int s = records::findByValue(store, kAttach, kTpNameKey, tpName);
    if (s >= 0)
        cfgDeleteSection(store, s, kAttach);
    return 1;
}
