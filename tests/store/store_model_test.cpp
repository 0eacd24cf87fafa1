// The store keeps an index per section name so that records are found without walking the
// whole list. This test runs long random sequences of operations on the store and on a
// plain list that walks from the first section every time, and demands the same results,
// outputs and order after every step.
#include "cfg_store.h"
#include "test_helpers.h"

#include <gtest/gtest.h>
#include <random>

using namespace testing_support;

namespace {

struct PlainStore {
    Sections sections;

    std::vector<std::size_t> ofName(const std::string& name) const {
        std::vector<std::size_t> at;
        for (std::size_t i = 0; i < sections.size(); ++i)
            if (sections[i].first == name)
                at.push_back(i);
        return at;
    }
    int next(int& occ, const std::string& name) const {
        auto at = ofName(name);
        if (occ + 1 < 0 || static_cast<std::size_t>(occ + 1) >= at.size())
            return 1;
        ++occ;
        return 0;
    }
    int add(int occ, const std::string& name) {
        if (occ < 0)
            return 1;
        auto at = ofName(name);
        auto pos = static_cast<std::size_t>(occ) < at.size() ? at[static_cast<std::size_t>(occ)]
                                                             : sections.size();
        sections.insert(sections.begin() + static_cast<std::ptrdiff_t>(pos), {name, {}});
        return 0;
    }
    int del(int occ, const std::string& name) {
        auto at = ofName(name);
        if (occ < 0 || static_cast<std::size_t>(occ) >= at.size())
            return 1;
        sections.erase(sections.begin() +
                       static_cast<std::ptrdiff_t>(at[static_cast<std::size_t>(occ)]));
        return 0;
    }
    int byValue(int& occ, const std::string& s, const std::string& k, const std::string& v) const {
        occ = -1;
        auto at = ofName(s);
        if (at.empty())
            return 1;
        for (std::size_t i = 0; i < at.size(); ++i)
            for (const auto& [name, value] : sections[at[i]].second)
                if (name == k && value == v) {
                    occ = static_cast<int>(i);
                    return 0;
                }
        return 2;
    }
    // Index of the key of that name with that occurrence in section s, or -1.
    static long keyAt(const Keys& keys, const std::string& k, int occ) {
        int count = 0;
        for (std::size_t i = 0; i < keys.size(); ++i)
            if (keys[i].first == k && count++ == occ)
                return static_cast<long>(i);
        return -1;
    }
    int get(int so, const std::string& s, int& ko, const std::string& k, std::string& out,
            std::size_t max) const {
        out.clear();
        auto at = ofName(s);
        if (so < 0 || static_cast<std::size_t>(so) >= at.size())
            return 1;
        const Keys& keys = sections[at[static_cast<std::size_t>(so)]].second;
        long i = ko + 1 < 0 ? -1 : keyAt(keys, k, ko + 1);
        if (i < 0)
            return 2;
        out = keys[static_cast<std::size_t>(i)].second.substr(0, max);
        ++ko;
        return 0;
    }
    int insert(int so, const std::string& s, int ko, const std::string& k, const std::string& v) {
        auto at = ofName(s);
        if (so < 0 || static_cast<std::size_t>(so) >= at.size())
            return 1;
        Keys& keys = sections[at[static_cast<std::size_t>(so)]].second;
        long i = ko < 0 ? -1 : keyAt(keys, k, ko);
        if (i < 0) {
            keys.emplace_back(k, v);
            return 2;
        }
        keys.insert(keys.begin() + i, {k, v});
        return 0;
    }
    int delKey(int so, const std::string& s, int ko, const std::string& k) {
        auto at = ofName(s);
        if (so < 0 || static_cast<std::size_t>(so) >= at.size())
            return 1;
        Keys& keys = sections[at[static_cast<std::size_t>(so)]].second;
        long i = ko < 0 ? -1 : keyAt(keys, k, ko);
        if (i < 0)
            return 2;
        keys.erase(keys.begin() + i);
        return 0;
    }
};

// One random operation on both stores, its results compared. The draws come in a fixed
// order, so that a failing run repeats.
class RandomSteps {
public:
    void step(CfgStore& store, PlainStore& plain) {
        const std::string& s = kSections[static_cast<std::size_t>(pick(0, 3))];
        const std::string& k = kKeys[static_cast<std::size_t>(pick(0, 2))];
        const std::string& v = kValues[static_cast<std::size_t>(pick(0, 3))];
        int occ = pick(-2, 5);
        int ko = pick(-2, 4);
        switch (pick(0, 7)) {
        case 0:
        case 1:
            ASSERT_EQ(cfgAddSection(store, occ, s), plain.add(occ, s));
            break;
        case 2:
            ASSERT_EQ(cfgDeleteSection(store, occ, s), plain.del(occ, s));
            break;
        case 3: {
            int a = occ, b = occ;
            ASSERT_EQ(cfgNextSection(store, a, s), plain.next(b, s));
            ASSERT_EQ(a, b);
            break;
        }
        case 4:
            findByValue(store, plain, s, k);
            break;
        case 5:
            getValue(store, plain, occ, s, ko, k);
            break;
        case 6:
            ASSERT_EQ(cfgInsertKey(store, occ, s, ko, k, v), plain.insert(occ, s, ko, k, v));
            break;
        case 7:
            ASSERT_EQ(cfgDeleteKey(store, occ, s, ko, k), plain.delKey(occ, s, ko, k));
            break;
        }
    }

private:
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }

    void findByValue(const CfgStore& store, const PlainStore& plain, const std::string& s,
                     const std::string& k) {
        for (int repeat = 0; repeat < 3; ++repeat) {
            int a = 9, b = 9;
            const std::string& value = kValues[static_cast<std::size_t>(pick(0, 3))];
            ASSERT_EQ(cfgFindSectionByValue(store, a, s, k, value), plain.byValue(b, s, k, value));
            ASSERT_EQ(a, b);
        }
    }

    void getValue(const CfgStore& store, const PlainStore& plain, int occ, const std::string& s,
                  int ko, const std::string& k) {
        int a = ko, b = ko;
        std::string va = "x", vb = "y";
        std::size_t max = static_cast<std::size_t>(pick(0, 3));
        ASSERT_EQ(cfgGetValue(store, occ, s, a, k, va, max), plain.get(occ, s, b, k, vb, max));
        ASSERT_EQ(a, b);
        ASSERT_EQ(va, vb);
    }

    inline static const std::vector<std::string> kSections{"CPIC_INFO", "LUX_PROFILE", "GLOBAL",
                                                           "cpic_info"};
    inline static const std::vector<std::string> kKeys{"SYMB_NAME", "SESSION", "MODE"};
    inline static const std::vector<std::string> kValues{"A", "EIGHT__8", "NINE____9", ""};
    std::mt19937 m_rng{7};
};

} // namespace

TEST(StoreModel, RandomOperationSequencesMatchThePlainWalk) {
    RandomSteps steps;
    for (int run = 0; run < 40; ++run) {
        CfgStore store;
        PlainStore plain;
        for (int step = 0; step < 600; ++step) {
            ASSERT_NO_FATAL_FAILURE(steps.step(store, plain));
            ASSERT_EQ(snapshot(store), plain.sections) << "run " << run << " step " << step;
        }
        CfgStore copy;
        copy.appendSection("OLD");
        cfgCopy(store, copy);
        ASSERT_EQ(snapshot(copy), plain.sections);
    }
}
