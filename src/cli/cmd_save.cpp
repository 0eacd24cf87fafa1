#include "cfg_doc.h"
#include "commands.h"
#include "config_input.h"
#include "file_steps.h"

int runSave(const Invocation& inv, std::istream& /*in*/, std::ostream& out, std::ostream& err) {
    if (int code = needsRealFile(inv.command, inv.files.front(), err); code != kExitOk)
        return code;
    CCfgDoc doc;
    FileBefore before;
    if (int code = openForChange(doc, inv, false, before, err); code != kExitOk)
        return code;
    return finishChange(doc, inv, before, out, err);
}
