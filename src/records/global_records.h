// Global settings: the first GLOBAL section. It also carries LU62_LB of the APPC settings.
#pragma once

#include "messages.h"
#include "record_types.h"

#include <string>
#include <string_view>
#include <vector>

class CfgStore;

int globalListOption(const CfgStore& store, std::vector<std::string>& list); // always 1
int globalRead(const CfgStore& store, GlobalRecord& record);                 // always 1
// What globalWrite refuses before it touches the store: 1 passes; 0 with flag and code.
int globalCheckWrite(GlobalRecord record, int& failureFlag, ErrorCode& errorCode);
int globalWrite(CfgStore& store, GlobalRecord record, int& failureFlag, ErrorCode& errorCode);
int globalDelete(CfgStore& store, std::string_view unusedName); // always 1
