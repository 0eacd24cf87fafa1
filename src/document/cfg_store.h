// The configuration store: an ordered list of sections, each an ordered list of keys.
// Section and key names repeat; records of one kind are told apart by their occurrence
// index in document order. Every operation's result follows the client's conventions
// (0 success, 1 or 2 for the failures each names).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CfgStore;

// Handles into the store. They stay valid until the section or key is deleted or the
// store is cleared. (No initialisers: node memory is only touched once it is used.)
struct CfgSection {
    std::uint32_t index;
};
struct CfgKey {
    std::uint32_t index;
};

class CfgStore {
public:
    CfgStore();
    ~CfgStore();
    CfgStore(const CfgStore&) = delete;
    CfgStore& operator=(const CfgStore&) = delete;

    // Walk the store in document order.
    const CfgSection* firstSection() const;
    const CfgSection* nextSection(const CfgSection* s) const;
    const CfgKey* firstKey(const CfgSection* s) const;
    const CfgKey* nextKey(const CfgKey* k) const;
    std::string_view sectionName(const CfgSection* s) const;
    std::string_view keyName(const CfgKey* k) const;
    std::string_view keyValue(const CfgKey* k) const;

    bool empty() const { return m_first == kNone; }
    // How many sections carry that name; whether any does (cfgNextSection from -1).
    std::size_t countSections(std::string_view name) const;
    bool hasSection(std::string_view name) const { return countSections(name) > 0; }
    std::size_t sectionCount() const { return m_sectionCount; }

    // Set by the file reader at the end of its input; reset by cfgClear.
    bool endOfInput = false;

    // Appends used by the file reader: a section at the very end, a key at the end of the
    // last section. Both are what cfgAddSection / cfgInsertKey do in those positions.
    void appendSection(std::string_view name);
    void appendKeyToLast(std::string_view name, std::string_view value);

    // Bytes held for names, values and nodes; for memory measurements.
    std::size_t bytesReserved() const;

private:
    friend const CfgSection* cfgFindSection(const CfgStore&, int, int, std::string_view);
    friend const CfgKey* cfgFindKey(const CfgStore&, const CfgSection*, int, int, std::string_view);
    friend int cfgNextSection(const CfgStore&, int&, std::string_view);
    friend int cfgAddSection(CfgStore&, int, std::string_view);
    friend int cfgDeleteSection(CfgStore&, int, std::string_view);
    friend int cfgFindSectionByValue(const CfgStore&, int&, std::string_view, std::string_view,
                                     std::string_view);
    friend int cfgGetValue(const CfgStore&, int, std::string_view, int&, std::string_view,
                           std::string&, std::size_t);
    friend int cfgInsertKey(CfgStore&, int, std::string_view, int, std::string_view,
                            std::string_view);
    friend int cfgDeleteKey(CfgStore&, int, std::string_view, int, std::string_view);
    friend void cfgClear(CfgStore&);

    static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

    struct SectionNode {
        CfgSection handle;
        std::uint32_t next, prev;
        std::uint32_t firstKey, lastKey;
        std::uint32_t name;
    };
    struct KeyNode {
        CfgKey handle;
        std::uint32_t next;
        std::uint32_t name;
        std::uint32_t valueLen;
        const char* value;
    };

    template <typename Node> class Pool;
    class Names;
    class Arena;
    class ValueIndex;

    SectionNode& sec(std::uint32_t i);
    const SectionNode& sec(std::uint32_t i) const;
    KeyNode& key(std::uint32_t i);
    const KeyNode& key(std::uint32_t i) const;

    // Sections of one name in document order, by interned name; this is what makes
    // occurrence lookups constant time instead of a walk from the first section.
    const std::vector<std::uint32_t>* occurrences(std::string_view name) const;
    std::vector<std::uint32_t>& occurrencesOf(std::uint32_t nameId);

    std::uint32_t newSection(std::uint32_t nameId);
    std::uint32_t newKey(std::string_view name, std::string_view value);
    void linkSectionBefore(std::uint32_t s, std::uint32_t before);
    void freeSectionKeys(SectionNode& s);
    std::uint32_t keyAt(const SectionNode& s, std::uint32_t nameId, int occurrence,
                        std::uint32_t* prevOut) const;
    void clear();

    std::unique_ptr<Pool<SectionNode>> m_sections;
    std::unique_ptr<Pool<KeyNode>> m_keys;
    std::unique_ptr<Names> m_names;
    std::unique_ptr<Arena> m_arena;
    std::vector<std::vector<std::uint32_t>> m_byName;
    std::uint32_t m_first = kNone;
    std::uint32_t m_last = kNone;
    std::size_t m_sectionCount = 0;
    // Bumped by every change; the value index is valid only for the generation it was built.
    std::uint64_t m_generation = 0;
    std::unique_ptr<ValueIndex> m_valueIndex;
};

// cfgFindSection: with exact non-zero the section whose index equals occurrence,
// otherwise the one at occurrence + 1. nullptr when there is none.
const CfgSection* cfgFindSection(const CfgStore& store, int exact, int occurrence,
                                 std::string_view name);
const CfgKey* cfgFindKey(const CfgStore& store, const CfgSection* section, int exact,
                         int occurrence, std::string_view name);
// 0 advanced (occurrence set to the next index); 1 no further section.
int cfgNextSection(const CfgStore& store, int& occurrence, std::string_view name);
// 0 added; 1 occurrence below 0.
int cfgAddSection(CfgStore& store, int occurrence, std::string_view name);
// 0 deleted; 1 no such section or occurrence below 0.
int cfgDeleteSection(CfgStore& store, int occurrence, std::string_view name);
// 0 found; 1 no section of that name; 2 none holds the value (occurrence then -1).
int cfgFindSectionByValue(const CfgStore& store, int& occurrence, std::string_view section,
                          std::string_view key, std::string_view value);
// 0 read; 1 no such section; 2 no such key. At most maxLength bytes are copied.
int cfgGetValue(const CfgStore& store, int sectionOccurrence, std::string_view section,
                int& keyOccurrence, std::string_view key, std::string& destination,
                std::size_t maxLength);
// 0 inserted before an existing key; 2 appended at the end; 1 no such section.
int cfgInsertKey(CfgStore& store, int sectionOccurrence, std::string_view section,
                 int keyOccurrence, std::string_view key, std::string_view value);
// 0 deleted; 1 no such section; 2 no such key.
int cfgDeleteKey(CfgStore& store, int sectionOccurrence, std::string_view section,
                 int keyOccurrence, std::string_view key);
void cfgClear(CfgStore& store);
