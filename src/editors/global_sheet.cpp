#include "global_sheet.h"

#include "cfg_doc.h"
#include "global_records.h"
#include "installation.h"
#include "messages.h"
#include "record_fields.h"
#include "string_ids.h"

namespace {

PropertySheet::Help globalHelp() {
    return {helpTopic(2), {helpTopic(3)}, HelpRef{}};
}

} // namespace

std::string defaultTranslateTable() {
    std::string folder = installationDirectory();
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
    return folder + "COMTBLG.DAT";
}

CPsUIPW::CPsUIPW(const std::string& title) : PropertySheet(title, globalHelp(), kMbIconStop) {}

CPsUIPW::~CPsUIPW() = default;

int CPsUIPW::Run(CCfgDoc& doc, const std::string& /*recordName*/) {
    addPage(m_basic);
    setDocument(doc);
    GlobalRecord record;
    if (!globalRead(doc.store(), record))
        return reportUnreadable();
    GlobalBasicValues& v = m_basic.values;
    v.translateTable =
        record.translateTable.empty() ? defaultTranslateTable() : record.translateTable;
    v.userName = record.userName;
    if (!record.password.empty()) {
        v.password = m_password.hold(record.password);
        v.verification = v.password;
    }
    v.defLuAlias = record.defLuAlias;
    v.defPluAlias = record.defPluAlias;
    return runModal();
}

bool CPsUIPW::checkValues() {
    const GlobalBasicValues& v = m_basic.values;
    if (v.password != v.verification) {
        showCheckMessage(ids::kMsgPasswordMismatch);
        focusOn(0, CPgUIPWBas::kPassword);
        return false;
    }
    const RecordRefusal refusal = globalCheckRecord(gatherRecord());
    if (!refusal)
        return true;
    const std::string& key = refusal.key;
    const int control = key == keyOf<GlobalRecord>("USER_NAME")         ? CPgUIPWBas::kUserName
                        : key == keyOf<GlobalRecord>("PASSWORD")        ? CPgUIPWBas::kPassword
                        : key == keyOf<GlobalRecord>("TRANSLATE_TABLE") ? CPgUIPWBas::kTranslate
                        : key == keyOf<GlobalRecord>("DEF_LU_ALIAS")    ? CPgUIPWBas::kDefLu
                                                                        : CPgUIPWBas::kDefPlu;
    return refuse(refusal, 0, control);
}

GlobalRecord CPsUIPW::gatherRecord() const {
    const GlobalBasicValues& v = m_basic.values;
    GlobalRecord record;
    record.translateTable = v.translateTable.empty() ? defaultTranslateTable() : v.translateTable;
    record.userName = v.userName;
    record.password = m_password.resolve(v.password);
    record.defLuAlias = v.defLuAlias;
    record.defPluAlias = v.defPluAlias;
    return record;
}

int CPsUIPW::writeRecord(int& failureFlag, ErrorCode& errorCode) {
    return globalWrite(document().store(), gatherRecord(), failureFlag, errorCode);
}
