#include "cfg_doc.h"
#include "commands.h"
#include "config_input.h"
#include "file_steps.h"
#include "old_form.h"

#include <ostream>

int runConvert(const Invocation& inv, std::istream& /*in*/, std::ostream& out, std::ostream& err) {
    if (int code = needsRealFile(inv.command, inv.files.front(), err); code != kExitOk)
        return code;
    const std::string& path = inv.files.front();
    CfgStore before;
    if (readConfiguration(before, path, err) != kExitOk)
        return kExitUnreadable;
    const bool convert = storeHasOldForm(before);

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
