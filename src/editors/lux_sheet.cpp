#include "lux_sheet.h"

#include "cfg_doc.h"
#include "lux_records.h"
#include "messages.h"
#include "server_choices.h"

#include <algorithm>

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
    reloadTransportTexts();
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
        row.name = link.category == 1 ? std::string() : link.luName;
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
    for (const LuxRowValues& row : v.rows)
        if (checkTransportChosen(row.transport, row.server))
            return false;
    // An unused link goes over the first transport.
    for (LuxRowValues& row : v.rows)
        if (row.transport == -1)
            row.transport = CPgLux1Bas::kServerFirst;
    return true;
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
        link.luName = link.category == 1 ? std::string() : row.name;
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

int CPsLux::writeRecord(int& failureFlag, int& errorCode) {
    return luxWriteProfile(document().store(), gatherRecord(), failureFlag, errorCode);
}
