#include "midrange_sheet.h"

#include "cfg_doc.h"
#include "messages.h"
#include "midrange_records.h"
#include "mode_names.h"
#include "string_ids.h"

#include <vector>

namespace {

constexpr std::size_t kModeLimit = 8;

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
    m_commonStored = doc.store().hasSection("NODEX_COMMON");
    MidrangeCommonValues& v = m_common.values;
    v.localLu = record.localLu;
    v.mode = record.mode;
    v.userId = record.userId;
    v.verification = record.spare;
    // With a user ID the fields show the placeholder, even for an empty password.
    if (!record.userId.empty()) {
        v.password = m_password.hold(record.password);
        v.verification = v.password;
    }
    fillModeNameList(v.modeNames);
    return runModal();
}

bool CPsNODEX::checkValues() {
    std::vector<std::string> names;
    std::string defaultName;
    if (!midrangeListSystems(document().store(), names, defaultName) || names.empty()) {
        showCheckMessage(ids::kMidMsgNoSystem);
        return false;
    }
    const MidrangeCommonValues& v = m_common.values;
    if (v.mode.size() > kModeLimit) {
        showCheckMessage(ids::kMidMsgModeInvalid);
        return false;
    }
    if (v.password != v.verification) {
        showCheckMessage(ids::kMsgPasswordMismatch);
        return false;
    }
    return m_basic.applyDefaultChoice();
}

int CPsNODEX::writeRecord(int& failureFlag, int& errorCode) {
    // Common settings left as they were stay as they are, in their place, while the systems
    // changed.
    if (m_commonStored && !m_common.changed())
        return 1;
    const MidrangeCommonValues& v = m_common.values;
    return midrangeWriteCommon(document().store(), v.localLu, v.mode, v.userId,
                               m_password.resolve(v.password), v.userId, failureFlag, errorCode);
}
