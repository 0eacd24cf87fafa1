#include "midrange_records.h"

#include "cfg_store.h"
#include "messages.h"
#include "password_keys.h"
#include "record_fields.h"
#include "record_text.h"
#include "section_names.h"
#include "string_ids.h"
#include "tela_environment.h"
#include "validation.h"

#include <climits>

namespace {

using sections::kCommon;
using sections::kSystem;

// What the list of systems, and whatever goes by its names, takes of a HOST_NAME.
constexpr std::size_t kHostNameWidth = fieldWidth<MidrangeSystemRecord>(kSystemNameKey);

// The first DEFAULT key of the section decides.
bool isMarked(const CfgStore& store, int s) {
    std::string mark;
    return records::readFirst(store, s, kSystem, keynames::kSystemDefault, mark, 1) &&
           midrangeIsMarked(mark);
}

// The new mark goes to the end of the section, after any further DEFAULT key.
int markSection(CfgStore& store, int s, std::string_view value) {
    cfgDeleteKey(store, s, kSystem, 0, keynames::kSystemDefault);
    return cfgInsertKey(store, s, kSystem, INT_MAX, keynames::kSystemDefault, value) == 1 ? 0 : 1;
}

} // namespace

// A section without its host name is passed over, as the other kinds' lists pass over
// theirs, so that a system after it is still replaced by a write, not stored twice; the
// result still says that one was met.
int midrangeListSystems(const CfgStore& store, std::vector<std::string>& list,
                        std::string& defaultName) {
    bool all = true;
    for (int s = -1; cfgNextSection(store, s, kSystem) == 0;) {
        std::string host;
        if (!records::readFirst(store, s, kSystem, kSystemNameKey, host, kHostNameWidth)) {
            all = false;
            continue;
        }
        list.push_back(host);
        // When several systems are marked the last one wins.
        if (isMarked(store, s))
            defaultName = host;
    }
    return all ? 1 : 0;
}

int midrangeListOption(const CfgStore& store, std::vector<std::string>& list) {
    if (store.hasSection(kSystem))
        list.push_back(TelaEnvironment::GetUserString(ids::kEntryMidrange));
    return 1;
}

int midrangeReadSystem(const CfgStore& store, MidrangeSystemRecord& record) {
    if (record.hostName.empty())
        return 1;
    int s = records::findByValue(store, kSystem, kSystemNameKey, record.hostName);
    if (s < 0)
        return 0;
    midrangeReadSystemSection(store, s, record);
    return 1;
}

void midrangeReadSystemSection(const CfgStore& store, int s, MidrangeSystemRecord& record) {
    records::SectionKeys keys(store, s, kSystem);
    records::readKeys(keys, record);
}

int midrangeCheckSystem(std::string_view hostName, std::string_view userId,
                        std::string_view password, int& validationResult, ErrorCode& errorCode) {
    int flag = 0;
    ErrorCode code = ErrorCode::None;
    midrangeSystemCheck(hostName, padRight(userId, fieldWidth<MidrangeSystemRecord>("USER_NAME")),
                        padRight(password, kSystemPassword.maxPlain), flag, code);
    return records::checkPassed(flag, code, validationResult, errorCode);
}

int midrangeCheckCommon(std::string_view mode, std::string_view userId, std::string_view password,
                        int& validationResult, ErrorCode& errorCode) {
    int flag = 0;
    ErrorCode code = ErrorCode::None;
    midrangeCommonCheck(mode, padRight(userId, fieldWidth<MidrangeCommonRecord>("USER_NAME")),
                        padRight(password, kCommonPassword.maxPlain), flag, code);
    return records::checkPassed(flag, code, validationResult, errorCode);
}

int midrangeWriteSystem(CfgStore& store, std::string hostName, std::string userId,
                        std::string password, int& validationResult, ErrorCode& errorCode) {
    if (!midrangeCheckSystem(hostName, userId, password, validationResult, errorCode))
        return 0;

    // The default mark stays with the host name across a rewrite.
    std::vector<std::string> listed;
    std::string defaultName;
    midrangeListSystems(store, listed, defaultName);
    if (!records::deleteListed(store, kSystem, kSystemNameKey, listed, hostName) ||
        !records::addFirstSection(store, kSystem)) {
        errorCode = ErrorCode::Store;
        return 0;
    }
    const bool isDefault = !defaultName.empty() && hostName == defaultName;
    const MidrangeSystemRecord stored{std::move(hostName), std::move(userId), std::move(password),
                                      isDefault ? "1" : "0"};
    return records::appendKeys(store, kSystem, stored, errorCode);
}

int midrangeDeleteSystem(CfgStore& store, std::string_view hostName) {
    int s = records::findByValue(store, kSystem, kSystemNameKey, hostName);
    if (s >= 0)
        cfgDeleteSection(store, s, kSystem);
    return 1;
}

int midrangeSetDefault(CfgStore& store, std::string_view hostName) {
    return midrangeSetDefaultSection(
        store, records::findByValue(store, kSystem, kSystemNameKey, hostName));
}

int midrangeSetDefaultSection(CfgStore& store, int s) {
    // Every other mark comes off, not only the last one's: with two left, the later would
    // still win. A system not marked keeps its DEFAULT where it stands.
    for (int other = -1; cfgNextSection(store, other, kSystem) == 0;)
        if (other != s && isMarked(store, other) && !markSection(store, other, "0"))
            return 0;
    return s < 0 || isMarked(store, s) ? 1 : markSection(store, s, "1");
}

int midrangeMarkDefault(CfgStore& store, std::string_view hostName, std::string_view value) {
    int s = records::findByValue(store, kSystem, kSystemNameKey, hostName);
    return s < 0 ? 1 : markSection(store, s, value);
}

int midrangeDeleteAll(CfgStore& store) {
    while (store.hasSection(kSystem))
        cfgDeleteSection(store, 0, kSystem);
    if (store.hasSection(kCommon))
        cfgDeleteSection(store, 0, kCommon);
    return 1;
}

int midrangeReadCommon(const CfgStore& store, MidrangeCommonRecord& record) {
    if (!store.hasSection(kCommon)) {
        record.mode = "XLNKMOD";
        return 1;
    }
    records::SectionKeys keys(store, 0, kCommon);
    records::readKeys(keys, record);
    return 1;
}

int midrangeWriteCommon(CfgStore& store, std::string localLu, std::string mode, std::string userId,
                        std::string password, int& validationResult, ErrorCode& errorCode) {
    if (!midrangeCheckCommon(mode, userId, password, validationResult, errorCode))
        return 0;
    if (store.hasSection(kCommon))
        cfgDeleteSection(store, 0, kCommon);
    if (!records::addFirstSection(store, kCommon)) {
        errorCode = ErrorCode::Store;
        return 0;
    }
    const MidrangeCommonRecord stored{std::move(localLu), std::move(mode), std::move(userId),
                                      std::move(password)};
    return records::appendKeys(store, kCommon, stored, errorCode);
}
