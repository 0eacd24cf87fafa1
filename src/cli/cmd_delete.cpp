#include "cfg_doc.h"
#include "commands.h"
#include "config_input.h"
#include "file_steps.h"
#include "kind_argument.h"
#include "messages.h"
#include "tool_messages.h"
#include "tool_text.h"

#include <ostream>

int runDelete(const Invocation& inv, std::istream& /*in*/, std::ostream& out, std::ostream& err) {
    if (int code = needsRealFile(inv.command, inv.files.front(), err); code != kExitOk)
        return code;
    const RecordKind* kind = kindArgument(inv, KindUse::Removal, err);
    if (!kind)
        return kExitUsage;
    CCfgDoc doc;
    FileBefore before;
    if (int code = openForChange(doc, inv, false, before, err); code != kExitOk)
        return code;
    // The kind's delete: the main window's Delete button for an option, the midrange
    // editor's Remove (one system, stored at once) for a system.
    if (!kind->remove(doc.store(), argumentBytes(inv.name))) {
        // A delete that fails on a name that is not there (the CPI-C entry's) says so; any
        // other failure is the store's.
        AnyRecord record;
        if (!kind->nameKey.empty() && !kind->read(doc.store(), argumentBytes(inv.name), record))
            err << noRecordText(*kind, inv.name, inv.files.front()) << '\n';
        else
            printError(err, ErrorCode::Store);
        return kExitFailed;
    }
    doc.SetModifiedFlag(true);
    return finishChange(doc, inv, before, out, err);
}
