#include "save_content.h"

#include "cfg_file.h"
#include "cfg_store.h"
#include "global_records.h"
#include "section_names.h"

namespace {

// The TRACE defaults: no trace file named and every trace flag off.
void addTraceDefaults(CfgStore& store) {
    if (cfgAddSection(store, 0, sections::kTrace) != 0)
        return;
    cfgInsertKey(store, 0, sections::kTrace, 0, "FILE", "");
    cfgInsertKey(store, 0, sections::kTrace, 0, "FLAGS", "0x0000");
}

} // namespace

void addSaveDefaults(CfgStore& store) {
    int failureFlag = 0;
    ErrorCode errorCode = ErrorCode::None;
    if (!store.hasSection(sections::kGlobal))
        globalWrite(store, GlobalRecord{}, failureFlag, errorCode);
    if (!store.hasSection(sections::kTrace))
        addTraceDefaults(store);
}

std::string savedBytes(const CfgStore& store) {
    if (store.hasSection(sections::kGlobal) && store.hasSection(sections::kTrace))
        return cfgWriteBuffer(store);
    CfgStore copy;
    cfgCopy(store, copy);
    addSaveDefaults(copy);
    return cfgWriteBuffer(copy);
}
