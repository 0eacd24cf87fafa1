// Attach transaction programs: one CLIENT_ATTACH section each, named by TP_NAME.
#pragma once

#include "messages.h"
#include "record_fields.h"
#include "record_types.h"

#include <string>
#include <string_view>
#include <vector>

// The key that names a program.
inline constexpr std::string_view kTpNameKey = keyOf<AttachTpRecord>("TP_NAME");

class CfgStore;

int tpListEntries(const CfgStore& store, std::vector<std::string>& list);
int tpReadEntry(const CfgStore& store, AttachTpRecord& record);
// The entry in section occurrence s of CLIENT_ATTACH, whatever its name.
void tpReadSection(const CfgStore& store, int s, AttachTpRecord& record);
// What tpWriteEntry refuses before it touches the store: 1 passes; 0 with flag and code.
int tpCheckWrite(AttachTpRecord record, int& failureFlag, ErrorCode& errorCode);
int tpWriteEntry(CfgStore& store, AttachTpRecord record, int& failureFlag, ErrorCode& errorCode);
// Always 1, also for a name that does not exist.
int tpDeleteEntry(CfgStore& store, std::string_view tpName);
