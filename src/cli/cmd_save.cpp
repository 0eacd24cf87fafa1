#include "cfg_doc.h"
#include "commands.h"
#include "file_steps.h"

int runSave(const Invocation& inv, std::ostream& out, std::ostream& err) {
    CCfgDoc doc;
    FileBefore before;
    if (int code = openForChange(doc, inv, false, before, err); code != kExitOk)
        return code;
    return finishChange(doc, inv, before, out, err);
}
