#include "cpic_sheet.h"

#include "cfg_doc.h"
#include "cpic_records.h"
#include "messages.h"
#include "mode_names.h"
#include "record_fields.h"
#include "validation.h"

namespace {

PropertySheet::Help cpicHelp() {
    return {helpTopic(11), {helpTopic(12), helpTopic(13)}, helpTopic(1)};
}

} // namespace

CPsCpic::CPsCpic(const std::string& title) : PropertySheet(title, cpicHelp(), kMbIconStop) {}

CPsCpic::~CPsCpic() = default;

int CPsCpic::Run(CCfgDoc& doc, const std::string& symbName) {
    addPage(m_basic);
    addPage(m_security);
    setDocument(doc);
    CpicSideInfoRecord record;
    record.symbName = symbName;
    if (!cpicReadEntry(doc.store(), record))
        return reportUnreadable();
    spreadRecord(record, !symbName.empty());
    fillModeNameList(m_basic.values.modeNames);
    return runModal();
}

void CPsCpic::spreadRecord(const CpicSideInfoRecord& record, bool existing) {
    CpicBasicValues& basic = m_basic.values;
    if (record.pluType == 0) {
        basic.partnerAlias = record.partnerLu;
        basic.partnerRadio = 1;
    } else {
        // A qualified name is split at its first period; without one both parts stay empty.
        const auto period = record.partnerLu.find('.');
        if (period != std::string::npos) {
            basic.networkId = record.partnerLu.substr(0, period);
            basic.luName = record.partnerLu.substr(period + 1);
        }
        basic.partnerRadio = 0;
    }
    basic.symbName = record.symbName;
    basic.mode = record.mode;
    basic.remoteTp = record.remoteTp;
    basic.localLu = record.localLu;
    basic.serviceTp = record.tpType;
    CpicSecurityValues& security = m_security.values;
    security.userId = record.userId;
    security.password = existing ? m_password.hold(record.password) : record.password;
    security.secTypeIndex = cpicIndexOfSecType(record.secType);
    m_storedSecType = record.secType;
    m_storedTpType = record.tpType;
    m_storedPluType = record.pluType;
    m_storedEmptyAlias = existing && record.pluType == 0 && record.partnerLu.empty();
}

bool CPsCpic::checkValues() {
    CpicBasicValues& basic = m_basic.values;
    if (basic.partnerAlias.empty() && basic.partnerRadio != 0 && !m_storedEmptyAlias)
        basic.partnerAlias.assign(1, '*');
    const RecordRefusal refusal = cpicCheckRecord(gatherRecord());
    if (!refusal)
        return true;
    const auto [page, control] = controlOf(refusal);
    return refuse(refusal, page, control);
}

std::pair<int, int> CPsCpic::controlOf(const RecordRefusal& refusal) const {
    using Bas = CPgCpicBas;
    const std::string& key = refusal.key;
    if (key == keyOf<CpicSideInfoRecord>("SEC_USERID"))
        return {1, CPgCpicSec::kUserId};
    if (key == keyOf<CpicSideInfoRecord>("SEC_PW"))
        return {1, CPgCpicSec::kPassword};
    if (key == keyOf<CpicSideInfoRecord>("PART_LU")) {
        const CpicBasicValues& basic = m_basic.values;
        if (basic.partnerRadio == 1)
            return {0, Bas::kPartnerAlias};
        // Of the two parts of a qualified name, the first one at fault; an empty network ID
        // is what the user has yet to fill in.
        const std::string& net = basic.networkId;
        const bool netFine = !net.empty() && isNetworkId(net);
        return {0, netFine ? Bas::kLuName : Bas::kNetworkId};
    }
    if (key == keyOf<CpicSideInfoRecord>("LOCAL_LU"))
        return {0, Bas::kLocalLu};
    if (key == keyOf<CpicSideInfoRecord>("MODE"))
        return {0, Bas::kMode};
    if (key == keyOf<CpicSideInfoRecord>("REMOTE_TP"))
        return {0, Bas::kRemoteTp};
    return {0, Bas::kSymbName};
}

CpicSideInfoRecord CPsCpic::gatherRecord() const {
    const CpicBasicValues& basic = m_basic.values;
    const CpicSecurityValues& security = m_security.values;
    CpicSideInfoRecord record;
    record.symbName = basic.symbName;
    record.mode = basic.mode;
    record.remoteTp = basic.remoteTp;
    record.localLu = basic.localLu;
    record.tpType =
        (basic.serviceTp != 0) == (m_storedTpType != 0) ? m_storedTpType : basic.serviceTp;
    record.userId = security.userId;
    if (basic.partnerRadio == 1) {
        record.partnerLu = basic.partnerAlias;
        record.pluType = 0;
    } else {
        record.partnerLu = basic.networkId;
        record.partnerLu.append(1, '.').append(basic.luName);
        record.pluType = m_storedPluType != 0 ? m_storedPluType : 1;
    }
    record.password = m_password.resolve(security.password);
    const int secType = cpicSecTypeOfIndex(security.secTypeIndex);
    record.secType = secType >= 0 ? secType : m_storedSecType;
    return record;
}

int CPsCpic::writeRecord(int& failureFlag, ErrorCode& errorCode) {
    return cpicWriteEntry(document().store(), gatherRecord(), failureFlag, errorCode);
}
