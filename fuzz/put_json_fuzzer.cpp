// Fuzzes what put does with its JSON input: parsed without exceptions, applied to each kind's
// record, written through the record writer with its check into a store, and printed back as
// get prints it. Nothing may crash or overrun, and the store still writes and reads back.
#include "appc_records.h"
#include "cpic_records.h"
#include "fuzz_support.h"
#include "global_records.h"
#include "lux_records.h"
#include "midrange_records.h"
#include "record_json.h"
#include "tp_records.h"

#include <cstddef>
#include <cstdint>

namespace {

template <typename Record, typename Write>
void put(const Json& input, CfgStore& store, Write write) {
    Record r;
    std::string error;
    if (!applyJson(input, r, error)) {
        fuzz::check(!error.empty());
        return;
    }
    int flag = 0;
    ErrorCode code = ErrorCode::None;
    write(store, r, flag, code);
    fuzz::checkWritesBack(store);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Json input = Json::parse(data, data + size, nullptr, false);
    if (input.is_discarded())
        return 0;
    CfgStore store;
    put<CpicSideInfoRecord>(input, store, cpicWriteEntry);
    put<AttachTpRecord>(input, store, tpWriteEntry);
    put<GlobalRecord>(input, store, globalWrite);
    put<AppcRecord>(input, store, appcWrite);
    put<LuxProfileRecord>(input, store, luxWriteProfile);
    put<MidrangeSystemRecord>(
        input, store, [](CfgStore& s, const MidrangeSystemRecord& r, int& flag, ErrorCode& code) {
            return midrangeWriteSystem(s, r.hostName, r.userId, r.password, r.password,
                                       r.defaultFlag, flag, code);
        });
    put<MidrangeCommonRecord>(
        input, store, [](CfgStore& s, const MidrangeCommonRecord& r, int& flag, ErrorCode& code) {
            return midrangeWriteCommon(s, r.localLu, r.mode, r.userId, r.password, r.userId, flag,
                                       code);
        });
    // What get prints of the records now in the store is JSON again.
    CpicSideInfoRecord cpic;
    std::vector<std::string> names;
    cpicListEntries(store, names);
    for (const std::string& name : names) {
        cpic.symbName = name;
        if (cpicReadEntry(store, cpic))
            fuzz::check(recordJson(cpic, true).is_object());
    }
    return 0;
}
