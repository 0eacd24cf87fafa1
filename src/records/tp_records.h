// Attach transaction programs: one CLIENT_ATTACH section each, named by TP_NAME.
#pragma once

#include "record_types.h"

#include <string>
#include <string_view>
#include <vector>

class CfgStore;

int tpListEntries(const CfgStore& store, std::vector<std::string>& list);
int tpReadEntry(const CfgStore& store, AttachTpRecord& record);
int tpWriteEntry(CfgStore& store, AttachTpRecord record, int& failureFlag, int& errorCode);
// Always 1, also for a name that does not exist.
int tpDeleteEntry(CfgStore& store, std::string_view tpName);
