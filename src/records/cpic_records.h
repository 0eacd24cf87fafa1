// CPI-C side information entries: one CPIC_INFO section each, named by SYMB_NAME.
#pragma once

#include "messages.h"
#include "record_fields.h"
#include "record_types.h"

#include <string>
#include <string_view>
#include <vector>

// The key that names an entry.
inline constexpr std::string_view kCpicNameKey = keyOf<CpicSideInfoRecord>("SYMB_NAME");

class CfgStore;

// What a conversation security type takes (0 none, 1 same, 2 program, 5 strong): the
// sheet opens the fields by it, and the check wants the user ID by it.
constexpr bool cpicSecTypeTakesUserId(int secType) {
    return secType != 0;
}
constexpr bool cpicSecTypeTakesPassword(int secType) {
    return secType == 2 || secType == 5;
}

// 1 all listed; 0 a CPIC_INFO section without SYMB_NAME was met (names so far stay).
int cpicListEntries(const CfgStore& store, std::vector<std::string>& list);
// 1 read (or the values of a new entry when the name is empty); 0 no entry of that name.
int cpicReadEntry(const CfgStore& store, CpicSideInfoRecord& record);
// The entry in section occurrence s of CPIC_INFO, whatever its name.
void cpicReadSection(const CfgStore& store, int s, CpicSideInfoRecord& record);
// What cpicWriteEntry refuses before it touches the store: 1 passes; 0 with flag and code.
int cpicCheckWrite(CpicSideInfoRecord record, int& failureFlag, ErrorCode& errorCode);
// 1 written; 0 refused (flag 256 and the check's code) or a store failure (ErrorCode::Store).
int cpicWriteEntry(CfgStore& store, CpicSideInfoRecord record, int& failureFlag,
                   ErrorCode& errorCode);
// 1 deleted; 0 no entry of that name.
int cpicDeleteEntry(CfgStore& store, std::string_view symbName);
