// APPC server list: the APPC section and LU62_LB in GLOBAL.
#pragma once

#include "messages.h"
#include "record_types.h"

#include <cstddef>
#include <string>
#include <vector>

class CfgStore;

int appcListOption(const CfgStore& store, std::vector<std::string>& list); // always 1
// Always 1; missing is 1 when the store has no APPC section.
int appcRead(const CfgStore& store, AppcRecord& record, int& missing);
int appcWrite(CfgStore& store, AppcRecord record, int& failureFlag, ErrorCode& errorCode);
int appcDelete(CfgStore& store); // always 1
// The values the writer stores: a SERVER row ("name,transport,encryption") and the SCOPE
// ("name,TCP,encryption"); empty for a row or scope without a name.
std::string appcServerValue(const AppcRecord& record, std::size_t row);
std::string appcScopeValue(const AppcRecord& record);
