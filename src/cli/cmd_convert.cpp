#include "appc_records.h"
#include "cfg_doc.h"
#include "commands.h"
#include "config_input.h"
#include "file_steps.h"
#include "lux_records.h"
#include "tool_messages.h"

#include <ostream>

namespace {

bool marked(const std::string& name) {
    return !name.empty() && name.back() == kOldFormMarker;
}

// Whether opening will convert: the APPC server names and the session servers of every
// listed LUx profile, looked at as the open looks at them.
bool hasOldForm(const CfgStore& store) {
    AppcRecord appc;
    int missing = 0;
    appcRead(store, appc, missing);
    if (!missing)
        for (const std::string& name : appc.serverName)
            if (marked(name))
                return true;
    std::vector<std::string> profiles;
    luxListProfiles(store, profiles);
    for (const std::string& name : profiles) {
        LuxProfileRecord profile;
        profile.profileName = name;
        if (luxReadProfile(store, profile))
            for (const LuxLink& link : profile.links)
                if (marked(link.serverName))
                    return true;
    }
    return false;
}

} // namespace

int runConvert(const Invocation& inv, std::ostream& out, std::ostream& err) {
    if (int code = needsRealFile(inv.command, inv.files.front(), err); code != kExitOk)
        return code;
    const std::string& path = inv.files.front();
    CfgStore before;
    if (readConfiguration(before, path, err) != kExitOk)
        return kExitUnreadable;
    const bool convert = hasOldForm(before);

    CCfgDoc doc;
    setLockWaitSeconds(inv.lockWait);
    if (int code = openDocument(doc, path, false, inv.force, err); code != kExitOk)
        return code;
    if (!convert) {
        out << path << ": nothing to convert\n";
        return kExitOk;
    }
    const std::string base = pathWithoutExtension(path);
    out << base << kBackupSuffix << '\n' << base << kConfigExtension << '\n';
    return kExitOk;
}
