#include "cfg_store.h"
#include "commands.h"
#include "file_steps.h"
#include "record_changes_text.h"
#include "record_diff.h"

#include <ostream>

int runDiff(const Invocation& inv, std::istream& /*in*/, std::ostream& out, std::ostream& err) {
    CfgStore stores[2];
    for (std::size_t i = 0; i < 2; ++i) {
        // Missing or malformed, a file that cannot be read is one status here.
        if (readConfiguration(stores[i], inv.files[i], err) != kExitOk)
            return kExitUnreadable;
    }
    const std::vector<RecordChange> changes = diffStores(stores[0], stores[1]);
    if (inv.json)
        out << jsonText(recordChangesJson(changes)) << '\n';
    else
        printRecordChanges(out, changes);
    return changes.empty() ? kExitOk : kExitFailed;
}
