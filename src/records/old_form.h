// Server names of the older form: an APPC server or a LUx link server whose name ends with
// "%". Opening a file takes the marker off, after keeping a copy of the file as it was.
#pragma once

#include "messages.h"

#include <string>
#include <string_view>

class CfgStore;

inline constexpr char kOldFormMarker = '%';

inline bool hasOldFormMarker(std::string_view server) {
    return server.ends_with(kOldFormMarker);
}

// Whether any APPC server name or any link server of a named LUx profile has the marker.
bool storeHasOldForm(const CfgStore& store);

// Takes the marker off through the APPC and LUx writers, as the open converts. 1 done;
// 0 a writer refused (failureFlag and errorCode set as it set them) or a profile listed
// could not be read (ErrorCode::Store).
int convertOldForm(CfgStore& store, int& failureFlag, ErrorCode& errorCode);
