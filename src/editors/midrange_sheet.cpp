#include "midrange_sheet.h"

#include "cfg_doc.h"
#include "messages.h"
#include "midrange_records.h"
#include "mode_names.h"
#include "record_fields.h"
#include "section_names.h"
#include "string_ids.h"

#include <vector>

namespace {

PropertySheet::Help midrangeHelp() {
    return {helpTopic(40), {helpTopic(41), helpTopic(47)}, HelpRef{}};
}

} // namespace

CPsNODEX::CPsNODEX(const std::string& title) : PropertySheet(title, midrangeHelp(), kMbIconStop) {}

CPsNODEX::~CPsNODEX() = default;

int CPsNODEX::Run(CCfgDoc& doc, const std::string& /*recordName*/) {
    addPage(m_basic);
    addPage(m_common);
    m_basic.setDocument(doc);
    setDocument(doc);
    MidrangeCommonRecord record;
    if (!midrangeReadCommon(doc.store(), record))
        return reportUnreadable();
    m_commonStored = doc.store().hasSection(sections::kCommon);
    MidrangeCommonValues& v = m_common.values;
    v.localLu = record.localLu;
    v.mode = record.mode;
    v.userId = record.userId;
    // With a user ID the fields show the placeholder, even for an empty password.
    if (!record.userId.empty()) {
        v.password = m_password.hold(record.password);
        v.verification = v.password;
    }
    fillModeNameList(v.modeNames);
    return runModal();
}

bool CPsNODEX::checkValues() {
    const MidrangeCommonRecord record = gatherRecord();
    if (const RecordRefusal refusal = commonSheetRules(record, document().store()))
        return refuse(refusal, pageOf(refusal), controlOf(refusal));
    const MidrangeCommonValues& v = m_common.values;
    if (v.password != v.verification) {
        showCheckMessage(ids::kMsgPasswordMismatch);
        focusOn(1, CPgNODEXCommom::kPassword);
        return false;
    }
    if (!m_basic.applyDefaultChoice()) {
        focusOn(0, CPgNODEXBas::kDefault);
        return false;
    }
    // The write's own check comes after the default choice, as the write itself did.
    const RecordRefusal refusal = commonWriteRules(record);
    return !refusal || refuse(refusal, pageOf(refusal), controlOf(refusal));
}

MidrangeCommonRecord CPsNODEX::gatherRecord() const {
    const MidrangeCommonValues& v = m_common.values;
    MidrangeCommonRecord record;
    record.localLu = v.localLu;
    record.mode = v.mode;
    record.userId = v.userId;
    record.password = m_password.resolve(v.password);
    return record;
}

int CPsNODEX::pageOf(const RecordRefusal& refusal) {
    // Without a system to go with them, the common settings send the user to the systems.
    return refusal.key.empty() ? 0 : 1;
}

int CPsNODEX::controlOf(const RecordRefusal& refusal) {
    const std::string& key = refusal.key;
    if (key.empty())
        return CPgNODEXBas::kAdd;
    return key == keyOf<MidrangeCommonRecord>("MODE")        ? CPgNODEXCommom::kMode
           : key == keyOf<MidrangeCommonRecord>("USER_NAME") ? CPgNODEXCommom::kUserId
           : key == keyOf<MidrangeCommonRecord>("PASSWORD")  ? CPgNODEXCommom::kPassword
                                                             : CPgNODEXCommom::kLocalLu;
}

int CPsNODEX::writeRecord(int& failureFlag, ErrorCode& errorCode) {
    // Common settings left as they were stay as they are, in their place, while the systems
    // changed.
    if (m_commonStored && !m_common.changed())
        return 1;
    const MidrangeCommonRecord r = gatherRecord();
    return midrangeWriteCommon(document().store(), r.localLu, r.mode, r.userId, r.password,
                               failureFlag, errorCode);
}
