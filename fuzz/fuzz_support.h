// What every fuzzer needs: a check that stops the run, and the store's promise that a store
// whose names and values the file can carry writes and reads back as it stands.
#pragma once

#include "cfg_file.h"
#include "cfg_store.h"

#include <string>
#include <utility>
#include <vector>

namespace fuzz {

inline void check(bool condition) {
    if (!condition)
        __builtin_trap();
}

// After any change: a store the file can carry reads back from its own bytes unchanged.
inline void checkWritesBack(const CfgStore& store) {
    CfgUnwritable where;
    if (cfgFindUnwritable(store, where))
        return;
    const std::string bytes = cfgWriteBuffer(store);
    CfgStore again;
    check(cfgReadBuffer(again, bytes.data(), bytes.size()) == 0);
    check(cfgSameContent(again, store));
}

} // namespace fuzz
