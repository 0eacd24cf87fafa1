// Shared helpers for the core tests: building stores and reading them back as text.
#pragma once

#include "cfg_file.h"
#include "cfg_store.h"
#include "messages.h"

#include <climits>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace testing_support {

// A file's bytes, or nothing when it cannot be read.
inline std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

using Keys = std::vector<std::pair<std::string, std::string>>;
using Sections = std::vector<std::pair<std::string, Keys>>;

inline Sections snapshot(const CfgStore& store) {
    Sections out;
    for (const CfgSection& s : store.sections()) {
        Keys keys;
        for (const CfgKey& k : s.keys)
            keys.emplace_back(k.name, k.value);
        out.emplace_back(s.name, std::move(keys));
    }
    return out;
}

// A key at the end of the store's last section, where the file reader puts it.
inline void appendKeyToLast(CfgStore& store, std::string_view name, std::string_view value) {
    if (store.empty())
        return;
    const std::string section = store.sections().back().name;
    const int last = static_cast<int>(store.countSections(section)) - 1;
    cfgInsertKey(store, last, section, INT_MAX, name, value);
}

// The keys of every section of that name, in store order.
inline std::vector<Keys> sectionsNamed(const CfgStore& store, const std::string& name) {
    std::vector<Keys> found;
    for (const auto& [section, keys] : snapshot(store))
        if (section == name)
            found.push_back(keys);
    return found;
}

inline void fill(CfgStore& store, const Sections& sections) {
    for (const auto& [name, keys] : sections) {
        store.appendSection(name);
        for (const auto& [k, v] : keys)
            appendKeyToLast(store, k, v);
    }
}

inline int readText(CfgStore& store, const std::string& text, CfgReadResult* detail = nullptr) {
    cfgClear(store);
    return cfgReadBuffer(store, text.data(), text.size(), detail);
}

// Section names in store order, for placement checks.
inline std::vector<std::string> order(const CfgStore& store) {
    std::vector<std::string> names;
    for (const CfgSection& s : store.sections())
        names.emplace_back(s.name);
    return names;
}

} // namespace testing_support

// Error codes print as the numbers the tool prints, in gtest's messages too.
inline std::ostream& operator<<(std::ostream& out, ErrorCode code) {
    return out << codeNumber(code);
}
