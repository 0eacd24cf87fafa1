#include "server_sheet.h"

#include "appc_records.h"
#include "cfg_doc.h"
#include "messages.h"
#include "record_fields.h"
#include "server_choices.h"
#include "string_ids.h"

namespace {

PropertySheet::Help serverHelp() {
    return {helpTopic(9), {helpTopic(10)}, HelpRef{}};
}

// "*" in the file stands for a scope left without a name.
const std::string kAnyScope(1, '*');

} // namespace

CPsServ::CPsServ(const std::string& title) : PropertySheet(title, serverHelp(), kMbOk) {}

CPsServ::~CPsServ() = default;

int CPsServ::Run(CCfgDoc& doc, const std::string& /*entryText*/) {
    addPage(m_page);
    setDocument(doc);
    AppcRecord record;
    int missing = 0;
    if (!appcRead(doc.store(), record, missing))
        return reportUnreadable();
    spreadRecord(record);
    return runModal();
}

void CPsServ::spreadRecord(const AppcRecord& record) {
    ServerListValues& v = m_page.values;
    v.selection = record.selection;
    v.scopeName = record.scopeName == kAnyScope ? std::string() : record.scopeName;
    v.loadBalancing = record.loadBalancing;
    const std::string& second = transportTexts().second;
    for (std::size_t r = 0; r < v.rows.size(); ++r) {
        ServerRowValues& row = v.rows[r];
        row.name = record.serverName[r];
        row.transport = -1;
        row.encryption = 0;
        // A row without a name keeps no transport; a transport text that is neither of
        // the two (a file written under another language) shows as the first.
        if (!row.name.empty()) {
            row.transport = record.transport[r] == second ? 1 : 0;
            row.encryption = encryptionIndexOf(record.encryption[r]);
        }
    }
    v.scopeEncryption = record.scopeName.empty() ? 0 : encryptionIndexOf(record.scopeEncryption);
}

AppcRecord CPsServ::gatherRecord() const {
    const ServerListValues& v = m_page.values;
    AppcRecord record;
    // The rows that have a name close up in screen order, each with its own settings.
    std::size_t next = 0;
    for (const ServerRowValues& row : v.rows) {
        if (row.name.empty())
            continue;
        record.transport[next] = transportTextOf(row.transport);
        record.serverName[next] =
            record.transport[next] == transportTexts().second ? upperCaseName(row.name) : row.name;
        record.encryption[next] = encryptionCodeOf(row.encryption);
        ++next;
    }
    record.selection = v.selection;
    record.loadBalancing = v.loadBalancing;
    record.scopeName = v.scopeName.empty() ? kAnyScope : v.scopeName;
    record.scopeEncryption = encryptionCodeOf(v.scopeEncryption);
    return record;
}

bool CPsServ::checkValues() {
    const RecordRefusal refusal = appcCheckRecord(gatherRecord());
    return !refusal || refuse(refusal, 0, controlOf(refusal));
}

int CPsServ::controlOf(const RecordRefusal& refusal) const {
    const ServerListValues& v = m_page.values;
    int control = CPgServerList::kRows[0].name;
    if (refusal.key == keynames::kScope) {
        control = refusal.part == parts::kName ? CPgServerList::kScopeName
                                               : CPgServerList::kScopeEncryption;
    } else if (refusal.key == keynames::kServer && refusal.row >= 0) {
        // The record's rows are the screen rows that have a name, closed up.
        int named = -1;
        for (std::size_t r = 0; r < v.rows.size() && named < refusal.row; ++r) {
            if (v.rows[r].name.empty())
                continue;
            const CPgServerList::RowIds& ids = CPgServerList::kRows[r];
            control = refusal.part == parts::kTransport    ? ids.transport
                      : refusal.part == parts::kEncryption ? ids.encryption
                                                           : ids.name;
            ++named;
        }
    }
    // A field of the list that is not in force is reached through its radio button.
    if (QWidget* field = m_page.control(control); field && !field->isEnabled())
        return v.selection == 0 ? CPgServerList::kScopeRadio : CPgServerList::kServerListRadio;
    return control;
}

int CPsServ::writeRecord(int& failureFlag, ErrorCode& errorCode) {
    return appcWrite(document().store(), gatherRecord(), failureFlag, errorCode);
}
