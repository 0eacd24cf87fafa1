#include "cfg_doc.h"
#include "commands.h"
#include "file_steps.h"

int runSave(const Invocation& inv, std::ostream& /*out*/, std::ostream& err) {
    CCfgDoc doc;
    if (int code = openDocument(doc, inv.files.front(), false, err); code != kExitOk)
        return code;
    return saveDocument(doc, err);
}
