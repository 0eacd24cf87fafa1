#include "lux_records.h"

#include "cfg_store.h"
#include "messages.h"
#include "record_fields.h"
#include "record_text.h"
#include "section_names.h"
#include "validation.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::string_view kProfile = sections::kLux;
constexpr std::string_view kDefault = kLuxDefaultSection;
constexpr std::string_view kDefaultName = kLuxDefaultKey;

// A hand-made value without its category (empty, commas only, a server name alone) is
// read as a link without LU name, so that the profile can be written back as it stands.
void noCategory(LuxLink& link) {
    link.category = kNoLuNameCategory;
}

// The server name of a value that names one: its first piece.
std::string_view serverOf(std::string_view value) {
    return value.substr(0, value.find(','));
}

// A value that names its server: the pieces are told apart by their count, since the
// writer's empty LU name (kNoLuNameCategory) and empty scope name leave no piece.

void parseWithServer(LuxLink& link, std::string_view value) {
    const TextPieces p = records::commaPieces(value);
    link.serverName = serverOf(value);
    if (p.size() < 3) {
        noCategory(link);
        return;
    }
    link.category = records::decimalValue(p[2]);
    if (link.category == kNoLuNameCategory) {
        link.transport = p.text(3);
        bool hasScope = p.size() >= 6;
        link.scopeName = hasScope ? p.text(4) : std::string();
        link.encryption = hasScope ? p.text(5) : p.text(4);
    } else {
        if (p.size() >= 4)
            link.luName = p[3];
        link.transport = p.text(4);
        bool hasScope = p.size() >= 7;
        link.scopeName = hasScope ? p.text(5) : std::string();
        link.encryption = hasScope ? p.text(6) : p.text(5);
    }
}

// A value without a server name: the category, then the LU name when the next piece is
// not a transport text, then the transport. Scope name and encryption are not read.
void parseWithoutServer(LuxLink& link, std::string_view value) {
    const TextPieces q = records::commaPieces(value.substr(std::min<std::size_t>(2, value.size())));
    if (q.empty()) {
        noCategory(link);
        return;
    }
    link.category = records::decimalValue(q[0]);
    if (q.size() < 2)
        return;
    const TransportTexts& texts = transportTexts();
    if (q[1] != texts.first && q[1] != texts.second) {
        link.luName = q[1];
        link.transport = q.text(2);
    } else {
        link.transport = q[1];
    }
}

} // namespace

bool luxIsDefaultProfile(const CfgStore& store, std::string_view name) {
    return records::findByValue(store, kDefault, kDefaultName, name) >= 0;
}

void luxRenameDefault(CfgStore& store, std::string_view oldName, std::string_view newName) {
    std::string named;
    int first = -1;
    if (cfgGetValue(store, 0, kDefault, first, kDefaultName, named, SIZE_MAX) == 0 &&
        named == oldName)
        records::setKeyInPlace(store, 0, kDefault, kDefaultName, std::string(newName));
}

bool luxMarkDefault(CfgStore& store, std::string_view name, bool isDefault) {
    if (!isDefault) {
        const int s = records::findByValue(store, kDefault, kDefaultName, name);
        if (s >= 0)
            cfgDeleteSection(store, s, kDefault);
        return true;
    }
    cfgDeleteSection(store, 0, kDefault);
    return records::addFirstSection(store, kDefault) &&
           records::appendKey(store, kDefault, kDefaultName, name);
}

void luxDropDefaultWithoutProfiles(CfgStore& store) {
    if (!store.hasSection(kProfile))
        cfgDeleteSection(store, 0, kDefault); // no such section: nothing happens
}

int luxListProfiles(const CfgStore& store, std::vector<std::string>& list) {
    return records::listFirstValues(store, kProfile, keynames::kProfileName, kLuxNameListed, list);
}

int luxReadProfile(const CfgStore& store, LuxProfileRecord& record) {
    if (record.profileName.empty()) {
        for (LuxLink& link : record.links) {
            link.category = kNoLuNameCategory;
            link.transport = transportTexts().first;
        }
        return 1;
    }
    for (LuxLink& link : record.links) {
        link.serverName.clear();
        link.luName.clear();
    }
    int s = records::findByValue(store, kProfile, keynames::kProfileName, record.profileName);
    if (s < 0)
        return 0;
    luxReadSection(store, s, record);
    record.isDefault = luxIsDefaultProfile(store, record.profileName) ? 1 : 0;
    return 1;
}

void luxReadSection(const CfgStore& store, int s, LuxProfileRecord& record) {
    records::SectionKeys keys(store, s, kProfile);
    keys.readFirst(keynames::kProfileName, record.profileName, kLuxNameRead);
    // One counter for the four reads: once a SESSION key is missing the later reads miss too.
    int keyOccurrence = -1;
    std::string value;
    for (int n = 1; n <= static_cast<int>(kRowCount); ++n) {
        if (keys.next(keynames::kSession, keyOccurrence, value, parts::kSessionRead))
            luxParseSession(record, value, n);
    }
}

int luxReadServerNames(const CfgStore& store, int section,
                       std::array<std::string, kRowCount>& names) {
    for (std::string& name : names)
        name.clear();
    if (!cfgFindSection(store, 1, section, kProfile))
        return 0;
    records::SectionKeys keys(store, section, kProfile);
    std::string value;
    if (!keys.readFirst(keynames::kProfileName, value, kLuxNameListed) || value.empty())
        return 1;
    int keyOccurrence = -1;
    for (std::string& name : names) {
        // A value without a server (it starts with a comma) has an empty first piece.
        if (keys.next(keynames::kSession, keyOccurrence, value, parts::kSessionRead))
            name = serverOf(value);
    }
    return 1;
}

void luxParseSession(LuxProfileRecord& record, std::string_view value, int n) {
    if (n < 1 || n > static_cast<int>(record.links.size()))
        return;
    LuxLink& link = record.links[static_cast<std::size_t>(n - 1)];
    if (!value.empty() && value.front() == ',')
        parseWithoutServer(link, value);
    else
        parseWithServer(link, value);
}

std::string luxFormatSession(const LuxLink& link) {
    return link.serverName + ",*," + std::to_string(link.category) + "," + link.luName + "," +
           link.transport + "," + link.scopeName + "," + link.encryption;
}

int luxCheckWrite(const LuxProfileRecord& record, int& failureFlag, ErrorCode& errorCode,
                  int* refusedRow) {
    int flag = 0;
    ErrorCode code = ErrorCode::None;
    luxCheckProfile(record, flag, code, refusedRow);
    if (flag != 0) {
        failureFlag = flag;
        errorCode = code;
        return 0;
    }
    if (record.links[0].serverName.empty()) {
        failureFlag = kCheckFailed;
        errorCode = ErrorCode::NoFirstLink;
        return 0;
    }
    return 1;
}

int luxWriteProfile(CfgStore& store, LuxProfileRecord record, int& failureFlag,
                    ErrorCode& errorCode) {
    std::vector<std::string> listed;
    luxListProfiles(store, listed);
    if (!luxCheckWrite(record, failureFlag, errorCode))
        return 0;

    if (!records::deleteListed(store, kProfile, keynames::kProfileName, listed,
                               record.profileName) ||
        !records::addFirstSection(store, kProfile) ||
        !records::appendKey(store, kProfile, keynames::kProfileName, record.profileName)) {
        errorCode = ErrorCode::Store;
        return 0;
    }
    for (const LuxLink& link : record.links) {
        if (!records::appendKey(store, kProfile, keynames::kSession, luxFormatSession(link))) {
            errorCode = ErrorCode::Store;
            return 0;
        }
    }

    if (!luxMarkDefault(store, record.profileName, record.isDefault != 0)) {
        errorCode = ErrorCode::Store;
        return 0;
    }
    return 1;
}

int luxDeleteProfile(CfgStore& store, std::string_view profileName) {
    int s = records::findByValue(store, kProfile, keynames::kProfileName, profileName);
    if (s < 0)
        return 1;
    cfgDeleteSection(store, s, kProfile);
    luxDropDefaultWithoutProfiles(store);
    return 1;
}
