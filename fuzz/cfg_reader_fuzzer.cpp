// Fuzzes the configuration file reader. Whatever the bytes, reading must not overrun or
// crash, a malformed file must leave the store empty with a line and a reason, and a file
// that reads must write back and read again to the same sections, keys and values.
#include "fuzz_support.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

using fuzz::check;

// The writer's promise holds for names and values within the limits and values that do
// not end with a backslash (the reader would take that for a continuation).
bool roundTripPromised(const CfgStore& store) {
    for (const CfgSection& s : store.sections()) {
        if (s.name.size() > kCfgMaxName)
            return false;
        for (const CfgKey& k : s.keys)
            if (k.name.size() > kCfgMaxName || k.value.size() > kCfgMaxValue ||
                k.value.ends_with('\\'))
                return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CfgStore store;
    CfgReadResult detail;
    int result = cfgReadBuffer(store, reinterpret_cast<const char*>(data), size, &detail);
    // From memory there is nothing to open or close: read, or malformed.
    check(result == 0 || result == 2);
    if (result == 2) {
        check(store.empty());
        check(detail.line >= 1 && detail.error != CfgParseError::None);
        return 0;
    }

    std::string written = cfgWriteBuffer(store);
    if (!roundTripPromised(store))
        return 0;

    CfgStore again;
    check(cfgReadBuffer(again, written.data(), written.size()) == 0);
    check(cfgSameContent(again, store));
    // Writing what was read back gives the same bytes again.
    check(cfgWriteBuffer(again) == written);
    return 0;
}
