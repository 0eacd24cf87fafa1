// A store and a small language library of the tests' own for the record tests.
#pragma once

#include "cfg_store.h"
#include "messages.h"
#include "tela_environment.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

inline constexpr const char* kT1 = "TCP/IP";
inline constexpr const char* kT2 = "IPX/SPX";

// Replaces a store with sections written as "[NAME]|KEY=value|..." ('|' ends a line).
inline void loadInto(CfgStore& store, const std::string& lines) {
    std::string text = "header\n" + lines + "\n";
    std::replace(text.begin(), text.end(), '|', '\n');
    ASSERT_EQ(testing_support::readText(store, text), 0) << lines;
}

class RecordTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(TelaEnvironment::LoadLibraryText("61206\tTCP/IP\n61207\tIPX/SPX\n"
                                                     "2432\tAPPC servers\n"
                                                     "2433\tGlobal settings\n"
                                                     "2452\tMidrange systems\n",
                                                     "test"));
    }
    void TearDown() override { TelaEnvironment::UnloadLibrary(); }

    // The first value of key in section occurrence `section`, or "<missing>".
    std::string value(const std::string& sectionName, int section, const std::string& key) {
        int k = -1;
        std::string v;
        if (cfgGetValue(store, section, sectionName, k, key, v, 100000) != 0)
            return "<missing>";
        return v;
    }

    void load(const std::string& lines) { loadInto(store, lines); }
    // The keys of section i in store order, as load takes them: "KEY=value|KEY=value".
    std::string keys(std::size_t i) {
        std::string out;
        const testing_support::Sections sections = testing_support::snapshot(store);
        for (const auto& [k, v] : sections.at(i).second)
            out += (out.empty() ? "" : "|") + k + "=" + v;
        return out;
    }
    // Runs a family's writer on the store; flag and code then hold what it said.
    template <typename Writer, typename... Args> int write(Writer writer, const Args&... args) {
        flag = 0;
        code = ErrorCode::None;
        return writer(store, args..., flag, code);
    }
    // What a family's list shows of the store.
    template <typename List> std::vector<std::string> listed(List list) {
        std::vector<std::string> names;
        list(store, names);
        return names;
    }
    // The section names in store order, separated by blanks.
    std::string layout() {
        std::string out;
        for (const std::string& name : testing_support::order(store))
            out += (out.empty() ? "" : " ") + name;
        return out;
    }

    CfgStore store;
    int flag = 0;
    ErrorCode code = ErrorCode::None;
};

// The scrambled form computed from the fixed key, independently of the scrambler.
inline std::string scrambledHex(const std::string& plain) {
    static const unsigned char key[10] = {0x3A, 0x7F, 0x12, 0xC4, 0x5B,
                                          0x09, 0xE6, 0x81, 0x2D, 0x70};
    std::string out;
    char buf[3];
    for (std::size_t i = 0; i < plain.size(); ++i) {
        std::snprintf(buf, sizeof buf, "%02X", static_cast<unsigned char>(plain[i]) ^ key[i % 10]);
        out += buf;
    }
    return out;
}
