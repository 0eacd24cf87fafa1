#include "old_form.h"

#include "appc_records.h"
#include "cfg_store.h"
#include "lux_records.h"
#include "messages.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

void dropMarker(std::string& name) {
    if (hasOldFormMarker(name))
        name.pop_back();
}

ErrorCode codeOrStore(ErrorCode code) {
    return code != ErrorCode::None ? code : ErrorCode::Store;
}

} // namespace

bool storeHasOldForm(const CfgStore& store) {
    AppcRecord appc;
    int missing = 0;
    appcRead(store, appc, missing);
    if (!missing && std::any_of(appc.serverName.begin(), appc.serverName.end(),
                                [](const std::string& name) { return hasOldFormMarker(name); }))
        return true;
    // Each profile is read by its place: a search by name for each would walk the file
    // once per profile.
    std::array<std::string, kRowCount> servers;
    for (int s = 0; luxReadServerNames(store, s, servers); ++s)
        for (const std::string& server : servers)
            if (hasOldFormMarker(server))
                return true;
    return false;
}

int convertOldForm(CfgStore& store, int& failureFlag, ErrorCode& errorCode) {
    AppcRecord appc;
    int missing = 0;
    appcRead(store, appc, missing);
    if (!missing) {
        for (std::string& name : appc.serverName)
            dropMarker(name);
        if (!appcWrite(store, appc, failureFlag, errorCode)) {
            errorCode = codeOrStore(errorCode);
            return 0;
        }
    }
    std::vector<std::string> profiles;
    luxListProfiles(store, profiles);
    for (const std::string& name : profiles) {
        LuxProfileRecord profile;
        profile.profileName = name;
        if (!luxReadProfile(store, profile)) {
            errorCode = ErrorCode::Store;
            return 0;
        }
        for (LuxLink& link : profile.links)
            dropMarker(link.serverName);
        if (!luxWriteProfile(store, profile, failureFlag, errorCode)) {
            errorCode = codeOrStore(errorCode);
            return 0;
        }
    }
    return 1;
}
