#include "cfg_doc.h"
#include "commands.h"
#include "config_input.h"
#include "file_steps.h"
#include "kind_argument.h"
#include "messages.h"
#include "midrange_records.h"
#include "tool_messages.h"
#include "tool_text.h"

#include <ostream>

int runDelete(const Invocation& inv, std::ostream& out, std::ostream& err) {
    if (int code = needsRealFile(inv.command, inv.files.front(), err); code != kExitOk)
        return code;
    const ToolKindInfo* info = kindArgument(inv, {ToolKind::Common}, err);
    if (!info)
        return kExitUsage;
    CCfgDoc doc;
    FileBefore before;
    if (int code = openForChange(doc, inv, false, before, err); code != kExitOk)
        return code;
    const std::string name = argumentBytes(inv.name);
    int result = 0;
    if (info->kind == ToolKind::System) {
        // The midrange editor's Remove: one system, stored at once.
        result = midrangeDeleteSystem(doc.store(), name);
        if (result)
            doc.SetModifiedFlag(true);
    } else {
        // The main window's Delete button, through the option dispatch.
        result = doc.DeleteOptionRecord(info->optionKind, name);
    }
    if (!result) {
        // Only a CPI-C entry that is not there fails to be deleted; the others fail in the store.
        if (info->kind == ToolKind::Cpic)
            err << noRecordText(*info, inv.name, inv.files.front()) << '\n';
        else
            printError(err, kErrStore);
        return kExitFailed;
    }
    return finishChange(doc, inv, before, out, err);
}
