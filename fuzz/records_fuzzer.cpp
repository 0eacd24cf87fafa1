// Fuzzes the record readers and writers over stores read from fuzzed files: whatever the
// store holds, every kind's list, read, write and delete must neither crash nor overrun, and
// after the writes of each kind the store still writes and reads back as it stands.
#include "appc_records.h"
#include "cpic_records.h"
#include "fuzz_support.h"
#include "global_records.h"
#include "lux_records.h"
#include "midrange_records.h"
#include "tp_records.h"

#include <cstddef>
#include <cstdint>

namespace {

constexpr std::size_t kMaxRecords = 8; // per kind, so that one input stays quick

template <typename Record, typename Read, typename Write>
void rewriteListed(CfgStore& store, const std::vector<std::string>& names, Read read, Write write,
                   std::string Record::*name) {
    for (std::size_t i = 0; i < names.size() && i < kMaxRecords; ++i) {
        Record r;
        r.*name = names[i];
        if (!read(store, r))
            continue;
        int flag = 0;
        ErrorCode code = ErrorCode::None;
        write(store, r, flag, code);
    }
    fuzz::checkWritesBack(store);
}

void oneRecordKinds(CfgStore& store) {
    int flag = 0, missing = 0;
    ErrorCode code = ErrorCode::None;
    GlobalRecord global;
    globalRead(store, global);
    globalWrite(store, global, flag, code);
    AppcRecord appc;
    if (appcRead(store, appc, missing))
        appcWrite(store, appc, flag, code);
    MidrangeCommonRecord common;
    if (midrangeReadCommon(store, common))
        midrangeWriteCommon(store, common.localLu, common.mode, common.userId, common.password,
                            common.userId, flag, code);
    fuzz::checkWritesBack(store);
}

void systems(CfgStore& store) {
    std::vector<std::string> names;
    std::string defaultName;
    midrangeListSystems(store, names, defaultName);
    for (std::size_t i = 0; i < names.size() && i < kMaxRecords; ++i) {
        MidrangeSystemRecord r;
        r.hostName = names[i];
        if (!midrangeReadSystem(store, r))
            continue;
        int flag = 0;
        ErrorCode code = ErrorCode::None;
        midrangeWriteSystem(store, r.hostName, r.userId, r.password, r.password, r.defaultFlag,
                            flag, code);
        midrangeSetDefault(store, r.hostName);
    }
    fuzz::checkWritesBack(store);
}

void deleteAll(CfgStore& store) {
    std::vector<std::string> names;
    cpicListEntries(store, names);
    for (const std::string& n : names)
        cpicDeleteEntry(store, n);
    names.clear();
    tpListEntries(store, names);
    for (const std::string& n : names)
        tpDeleteEntry(store, n);
    names.clear();
    luxListProfiles(store, names);
    for (const std::string& n : names)
        luxDeleteProfile(store, n);
    midrangeDeleteAll(store);
    appcDelete(store);
    globalDelete(store, "");
    fuzz::checkWritesBack(store);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CfgStore store;
    if (cfgReadBuffer(store, reinterpret_cast<const char*>(data), size) != 0)
        return 0;
    std::vector<std::string> names;
    cpicListEntries(store, names);
    rewriteListed(store, names, cpicReadEntry, cpicWriteEntry, &CpicSideInfoRecord::symbName);
    names.clear();
    tpListEntries(store, names);
    rewriteListed(store, names, tpReadEntry, tpWriteEntry, &AttachTpRecord::tpName);
    names.clear();
    luxListProfiles(store, names);
    rewriteListed(store, names, luxReadProfile, luxWriteProfile, &LuxProfileRecord::profileName);
    oneRecordKinds(store);
    systems(store);
    deleteAll(store);
    return 0;
}
