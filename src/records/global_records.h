// Global settings: the first GLOBAL section. It also carries LU62_LB of the APPC settings.
#pragma once

#include "messages.h"
#include "record_types.h"

#include <string>
#include <string_view>
#include <vector>

class CfgStore;

// The key of the APPC settings' load balancing, which lives in the first GLOBAL section.
inline constexpr std::string_view kLoadBalancingKey = "LU62_LB";

int globalListOption(const CfgStore& store, std::vector<std::string>& list); // always 1
int globalRead(const CfgStore& store, GlobalRecord& record);                 // always 1
// What globalWrite refuses before it touches the store: 1 passes; 0 with flag and code.
int globalCheckWrite(GlobalRecord record, int& failureFlag, ErrorCode& errorCode);
int globalWrite(CfgStore& store, GlobalRecord record, int& failureFlag, ErrorCode& errorCode);
int globalDelete(CfgStore& store); // always 1
// Inserts LU62_LB into the first GLOBAL section where every writer puts it: before the
// first LU62_LB left there, else last. 1 when there is no GLOBAL section.
int globalInsertLoadBalancing(CfgStore& store, std::string_view value);
// Replaces the first LU62_LB, in the place globalInsertLoadBalancing gives it, adding
// GLOBAL when there is none. False when GLOBAL cannot be added.
bool globalPutLoadBalancing(CfgStore& store, std::string_view value);
