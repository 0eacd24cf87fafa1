// Midrange systems: one NODEX_SYSTEM section per system and the shared NODEX_COMMON.
#pragma once

#include "messages.h"
#include "record_fields.h"
#include "record_types.h"

#include <string>
#include <string_view>
#include <vector>

// The key that names a system.
inline constexpr std::string_view kSystemNameKey = keyOf<MidrangeSystemRecord>("HOST_NAME");

class CfgStore;

// Those that answer an int: non-zero on success, 0 on failure.
int midrangeListSystems(const CfgStore& store, std::vector<std::string>& list,
                        std::string& defaultName);
int midrangeListOption(const CfgStore& store, std::vector<std::string>& list);
int midrangeReadSystem(const CfgStore& store, MidrangeSystemRecord& record);
// The system in section occurrence s of NODEX_SYSTEM, whatever its name.
void midrangeReadSystemSection(const CfgStore& store, int s, MidrangeSystemRecord& record);
// What the two writes refuse before they touch the store.
int midrangeCheckSystem(std::string_view hostName, std::string_view userId,
                        std::string_view password, int& validationResult, ErrorCode& errorCode);
int midrangeCheckCommon(std::string_view mode, std::string_view userId, std::string_view password,
                        int& validationResult, ErrorCode& errorCode);
int midrangeWriteSystem(CfgStore& store, std::string hostName, std::string userId,
                        std::string password, int& validationResult, ErrorCode& errorCode);
int midrangeDeleteSystem(CfgStore& store, std::string_view hostName);
// A host name a system can be stored under: the system dialog takes blanks off both ends,
// and without a name a system could not be found again.
inline bool midrangeIsStorableName(std::string_view hostName) {
    return !hostName.empty() && hostName.front() != ' ' && hostName.back() != ' ';
}
// The reading rule of a system's DEFAULT value: the first character '1' marks it the default.
inline bool midrangeIsMarked(std::string_view defaultValue) {
    return defaultValue.starts_with('1');
}
// Makes that system the only default one: every other marked system is unmarked as
// midrangeMarkDefault unmarks, and the system is marked unless it already is.
int midrangeSetDefault(CfgStore& store, std::string_view hostName);
// The same for section occurrence s of NODEX_SYSTEM (none when s is -1).
int midrangeSetDefaultSection(CfgStore& store, int s);
int midrangeMarkDefault(CfgStore& store, std::string_view hostName, std::string_view value);
int midrangeDeleteAll(CfgStore& store);
int midrangeReadCommon(const CfgStore& store, MidrangeCommonRecord& record);
int midrangeWriteCommon(CfgStore& store, std::string localLu, std::string mode, std::string userId,
                        std::string password, int& validationResult, ErrorCode& errorCode);
