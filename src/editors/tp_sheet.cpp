#include "tp_sheet.h"

#include "cfg_doc.h"
#include "messages.h"
#include "record_fields.h"
#include "tp_records.h"

namespace {

PropertySheet::Help tpHelp() {
    return {helpTopic(26), {helpTopic(27)}, HelpRef{}};
}

} // namespace

CPsTP::CPsTP(const std::string& title) : PropertySheet(title, tpHelp(), kMbIconStop) {}

CPsTP::~CPsTP() = default;

int CPsTP::Run(CCfgDoc& doc, const std::string& tpName) {
    addPage(m_basic);
    setDocument(doc);
    AttachTpRecord record;
    record.tpName = tpName;
    if (!tpReadEntry(doc.store(), record))
        return reportUnreadable();
    TpBasicValues& v = m_basic.values;
    v.tpName = record.tpName;
    v.path = record.path;
    v.parameters = record.parmString;
    v.luName = record.luName;
    v.serviceTp = record.tpType;
    v.dynamicLoad = record.tpOp == 0 ? 1 : 0;
    m_stored = record;
    return runModal();
}

AttachTpRecord CPsTP::gatherRecord() const {
    const TpBasicValues& v = m_basic.values;
    AttachTpRecord record;
    record.tpName = v.tpName;
    record.luName = v.luName;
    record.path = v.path;
    record.parmString = v.parameters;
    const bool sameType = (v.serviceTp != 0) == (m_stored.tpType != 0);
    record.tpType = sameType ? m_stored.tpType : v.serviceTp;
    const bool sameOp = (v.dynamicLoad != 0) == (m_stored.tpOp == 0);
    record.tpOp = sameOp ? m_stored.tpOp : (v.dynamicLoad ? 0 : 1);
    return record;
}

bool CPsTP::checkValues() {
    const RecordRefusal refusal = tpCheckRecord(gatherRecord());
    if (!refusal)
        return true;
    const std::string& key = refusal.key;
    const int control = key == keyOf<AttachTpRecord>("LU_NAME")       ? CPgTPBas::kLuName
                        : key == keyOf<AttachTpRecord>("PATH")        ? CPgTPBas::kPath
                        : key == keyOf<AttachTpRecord>("PARM_STRING") ? CPgTPBas::kParameters
                                                                      : CPgTPBas::kTpName;
    return refuse(refusal, 0, control);
}

int CPsTP::writeRecord(int& failureFlag, ErrorCode& errorCode) {
    return tpWriteEntry(document().store(), gatherRecord(), failureFlag, errorCode);
}
