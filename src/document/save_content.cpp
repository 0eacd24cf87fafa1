#include "save_content.h"

#include "cfg_file.h"
#include "cfg_store.h"
#include "global_records.h"
#include "messages.h"

void addSaveDefaults(CfgStore& store) {
    int failureFlag = 0;
    ErrorCode errorCode = ErrorCode::None;
    if (!store.hasSection("GLOBAL"))
        globalWrite(store, GlobalRecord{}, failureFlag, errorCode);
    if (!store.hasSection("TRACE"))
        writeTraceDefaults(store, errorCode);
}

int writeTraceDefaults(CfgStore& store, ErrorCode& errorCode) {
    if (store.hasSection("TRACE") && cfgDeleteSection(store, 0, "TRACE") != 0) {
        errorCode = ErrorCode::Store;
        return 0;
    }
    if (!store.hasSection("TRACE") && cfgAddSection(store, 0, "TRACE") != 0) {
        errorCode = ErrorCode::Store;
        return 0;
    }
    if (cfgInsertKey(store, 0, "TRACE", 0, "FILE", "") == 1 ||
        cfgInsertKey(store, 0, "TRACE", 0, "FLAGS", "0x0000") == 1) {
        errorCode = ErrorCode::Store;
        return 0;
    }
    return 1;
}

std::string savedBytes(const CfgStore& store) {
    if (store.hasSection("GLOBAL") && store.hasSection("TRACE"))
        return cfgWriteBuffer(store);
    CfgStore copy;
    cfgCopy(store, copy);
    addSaveDefaults(copy);
    return cfgWriteBuffer(copy);
}
