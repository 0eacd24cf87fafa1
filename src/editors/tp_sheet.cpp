#include "tp_sheet.h"

#include "cfg_doc.h"
#include "messages.h"
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
    return runModal();
}

int CPsTP::writeRecord(int& failureFlag, int& errorCode) {
    const TpBasicValues& v = m_basic.values;
    AttachTpRecord record;
    record.tpName = v.tpName;
    record.luName = v.luName;
    record.path = v.path;
    record.parmString = v.parameters;
    record.tpType = v.serviceTp;
    record.tpOp = v.dynamicLoad ? 0 : 1;
    return tpWriteEntry(document().store(), std::move(record), failureFlag, errorCode);
}
