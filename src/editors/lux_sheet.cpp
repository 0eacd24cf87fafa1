#include "lux_sheet.h"

#include "cfg_doc.h"
#include "lux_records.h"
#include "messages.h"
#include "record_fields.h"
#include "server_choices.h"

#include <algorithm>
#include <array>

namespace {

PropertySheet::Help luxHelp() {
    return {helpTopic(31), {helpTopic(31)}, HelpRef{}};
}

// The server name of a scope link, and the scope name of a scope link left without one.
const std::string kStar(1, '*');

int categoryIndexOf(int category) {
    const auto& categories = CPgLux1Bas::kCategories;
    const auto found = std::find(categories.begin(), categories.end(), category);
    return found == categories.end() ? -1 : static_cast<int>(found - categories.begin());
}

} // namespace

CPsLux::CPsLux(const std::string& title) : PropertySheet(title, luxHelp(), kMbOk) {}

CPsLux::~CPsLux() = default;

int CPsLux::Run(CCfgDoc& doc, const std::string& profileName) {
    addPage(m_page);
    setDocument(doc);
    LuxProfileRecord record;
    record.profileName = profileName;
    if (!luxReadProfile(doc.store(), record))
        return reportUnreadable();
    spreadRecord(record);
    return runModal();
}

void CPsLux::spreadRecord(const LuxProfileRecord& record) {
    LuxLinksValues& v = m_page.values;
    v.sessionName = record.profileName;
    v.isDefault = record.isDefault;
    const std::string& first = transportTexts().first;
    for (std::size_t r = 0; r < v.rows.size(); ++r) {
        const LuxLink& link = record.links[r];
        LuxRowValues& row = v.rows[r];
        row.server = link.serverName;
        m_storedCategory[r] = link.category;
        row.category = categoryIndexOf(link.category);
        row.name = link.category == kNoLuNameCategory ? std::string() : link.luName;
        row.encryption = encryptionIndexOf(link.encryption);
        row.transport = -1;
        if (link.serverName.empty())
            continue;
        if (link.transport != first) {
            row.transport = CPgLux1Bas::kServerSecond;
        } else if (link.scopeName.empty()) {
            row.transport = CPgLux1Bas::kServerFirst;
        } else {
            // A scope link shows its scope name where a server link shows its server.
            row.transport = CPgLux1Bas::kScope;
            row.server = link.scopeName == kStar ? std::string() : link.scopeName;
        }
    }
}

bool CPsLux::checkValues() {
    LuxLinksValues& v = m_page.values;
    // A server name without a transport is refused by the check; an unused link goes over
    // the first transport.
    std::array<int, kRowCount> chosen{};
    for (std::size_t r = 0; r < v.rows.size(); ++r) {
        chosen[r] = v.rows[r].transport;
        if (v.rows[r].transport == -1 && v.rows[r].server.empty())
            v.rows[r].transport = CPgLux1Bas::kServerFirst;
    }
    const RecordRefusal refusal = luxCheckRecord(gatherRecord());
    if (!refusal)
        return true;
    for (std::size_t r = 0; r < v.rows.size(); ++r)
        v.rows[r].transport = chosen[r];
    return refuse(refusal, 0, controlOf(refusal));
}

int CPsLux::controlOf(const RecordRefusal& refusal) const {
    if (refusal.key == keynames::kProfileName)
        return CPgLux1Bas::kSessionName;
    const std::size_t link = refusal.row >= 0 ? static_cast<std::size_t>(refusal.row) : 0;
    const CPgLux1Bas::RowIds& ids = CPgLux1Bas::kRows[link];
    const std::string& part = refusal.part;
    if (part == parts::kTransport)
        return ids.transport;
    if (part == parts::kEncryption)
        return ids.encryption;
    if (part == parts::kCategory)
        return ids.category;
    if (part == parts::kLuName) {
        // A name field that its category disables is reached through the category.
        const QWidget* name = m_page.control(ids.name);
        return name && !name->isEnabled() ? ids.category : ids.name;
    }
    return ids.server;
}

LuxProfileRecord CPsLux::gatherRecord() const {
    const LuxLinksValues& v = m_page.values;
    LuxProfileRecord record;
    record.profileName = v.sessionName;
    record.isDefault = v.isDefault;
    for (std::size_t r = 0; r < v.rows.size(); ++r) {
        const LuxRowValues& row = v.rows[r];
        LuxLink& link = record.links[r];
        link.serverName = row.server;
        link.encryption = encryptionCodeOf(row.encryption);
        // A stored category that the list does not offer stays, with the name shown.
        link.category =
            row.category >= 0 ? CPgLux1Bas::kCategories[row.category] : m_storedCategory[r];
        link.luName = link.category == kNoLuNameCategory ? std::string() : row.name;
        link.transport = transportTextOf(row.transport);
        if (row.transport == CPgLux1Bas::kScope) {
            link.scopeName = row.server.empty() ? kStar : row.server;
            link.serverName = kStar;
        }
        if (link.transport == transportTexts().second)
            link.serverName = upperCaseName(link.serverName);
    }
    return record;
}

int CPsLux::writeRecord(int& failureFlag, ErrorCode& errorCode) {
    return luxWriteProfile(document().store(), gatherRecord(), failureFlag, errorCode);
}
