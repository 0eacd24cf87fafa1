// The configuration store: an ordered list of sections, each an ordered list of keys.
// Section and key names repeat; records of one kind are told apart by their occurrence
// index in document order. Every operation's result follows the client's conventions
// (0 success, 1 or 2 for the failures each names).
#pragma once

#include "packed_name.h"
#include "store_memory.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
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
    struct SectionNode;
    struct KeyNode;

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

    // Appends: a section at the very end, a key at the end of the last section. Both are
    // what cfgAddSection / cfgInsertKey do in those positions.
    void appendSection(std::string_view name);
    void appendKeyToLast(std::string_view name, std::string_view value);

    // The file reader's appends, which keep the last section and key at hand instead of
    // finding them again for every line. Nothing else may change the store meanwhile.
    class Loader {
    public:
        // fileBytes: what the reader is about to read, so that a large file's memory is
        // laid out for its size from the start.
        Loader(CfgStore& store, std::size_t fileBytes);
        ~Loader();
        Loader(const Loader&) = delete;
        Loader& operator=(const Loader&) = delete;
        void section(std::string_view name);
        // Ignored while the store has no section.
        [[gnu::always_inline]] void key(std::string_view name, std::string_view value) {
            if (!m_section)
                return;
            // Keys take fresh nodes one after the other from a run of the pool. (Taking a
            // run counts as the change, for whatever was found in the store before.)
            if (m_runLeft == 0) {
                m_run = m_store.m_keys.takeRun(m_runIndex, m_runLeft);
                ++m_store.m_generation;
            }
            KeyNode& node = *m_run++;
            const std::uint32_t k = m_runIndex++;
            --m_runLeft;
            m_store.fillKey(node, k, nameId(name), value);
            if (m_lastKey)
                m_lastKey->next = k;
            else
                m_section->firstKey = k;
            m_section->lastKey = k;
            m_lastKey = &node;
        }

    private:
        // A key name already met at this place in a section of the same name.
        struct Guess {
            PackedName name;
            std::uint32_t id;
        };

        // Sections of one name mostly list the same keys in the same order, so the name at
        // this place last time is compared first; only a new name is looked up.
        [[gnu::always_inline]] std::uint32_t nameId(std::string_view name) {
            PackedName packed;
            if (!PackedName::pack(name, packed))
                packed = PackedName{};
            if (m_position < m_order->size()) {
                Guess& guess = (*m_order)[m_position++];
                if (guess.name == packed && packed.length != PackedName{}.length)
                    return guess.id;
                guess = {packed, m_store.internName(name)};
                return guess.id;
            }
            ++m_position;
            m_order->push_back({packed, m_store.internName(name)});
            return m_order->back().id;
        }

        CfgStore& m_store;
        SectionNode* m_section = nullptr; // nodes never move while the store grows
        KeyNode* m_lastKey = nullptr;
        KeyNode* m_run = nullptr;
        std::uint32_t m_runIndex = 0;
        std::uint32_t m_runLeft = 0;
        // By section name: the key names of the last section of that name, in order.
        std::vector<std::vector<Guess>> m_keyOrder;
        std::vector<Guess>* m_order = nullptr;
        std::size_t m_position = 0;
        struct RecentName {
            PackedName name;
            std::uint32_t id = kNone;
        };
        std::array<RecentName, 4> m_recentSections{};
        std::size_t m_nextRecent = 0;
    };

    // The first value of `key` in every section named `section`, in document order, each cut
    // to maxLength, appended to out: what cfgNextSection and cfgGetValue give one by one.
    // A section without the key is passed over, and the answer is then false.
    bool firstValues(std::string_view section, std::string_view key, std::size_t maxLength,
                     std::vector<std::string>& out) const;

    // Bytes held for names, values and nodes; for memory measurements.
    std::size_t bytesReserved() const;

    // Grows with every change to the store and never goes back: two equal counts mean that
    // nothing was changed in between (a change may still have put back the same content).
    std::uint64_t changeCount() const { return m_generation; }

private:
    friend class CfgSectionKeys;
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
    // Values as short as most are (names, numbers, flags) sit in the node itself, so that
    // listing names touches one node per record and nothing else.
    static constexpr std::uint32_t kInlineValue = 8;
    struct KeyNode {
        CfgKey handle;
        std::uint32_t next;
        std::uint32_t name;
        std::uint32_t valueLen;
        union {
            const char* far;
            char near[kInlineValue];
        } value;
        std::string_view text() const {
            return {valueLen <= kInlineValue ? value.near : value.far, valueLen};
        }
    };

    class Names;
    class ValueIndex;

    SectionNode& sec(std::uint32_t i) { return m_sections.at(i); }
    const SectionNode& sec(std::uint32_t i) const { return m_sections.at(i); }
    KeyNode& key(std::uint32_t i) { return m_keys.at(i); }
    const KeyNode& key(std::uint32_t i) const { return m_keys.at(i); }

    // Sections of one name in document order, by interned name; this is what makes
    // occurrence lookups constant time instead of a walk from the first section.
    const std::vector<std::uint32_t>* occurrences(std::string_view name) const;
    std::vector<std::uint32_t>& occurrencesOf(std::uint32_t nameId);

    std::uint32_t newSection(std::uint32_t nameId);
    std::uint32_t appendSection(std::uint32_t nameId); // the new section's index
    std::uint32_t newKey(std::string_view name, std::string_view value);
    std::uint32_t newKey(std::uint32_t nameId, std::string_view value) {
        ++m_generation;
        std::uint32_t i = m_keys.allocate();
        fillKey(key(i), i, nameId, value);
        return i;
    }
    [[gnu::always_inline]] void fillKey(KeyNode& k, std::uint32_t i, std::uint32_t nameId,
                                        std::string_view value) {
        k.handle.index = i;
        k.next = kNone;
        k.name = nameId;
        k.valueLen = static_cast<std::uint32_t>(value.size());
        if (value.size() <= kInlineValue)
            copyShort(k.value.near, value.data(), value.size());
        else
            k.value.far = m_arena.copy(value.data(), value.size());
    }
    // Copies up to eight bytes without a call: two overlapping moves cover every length.
    static void copyShort(char* to, const char* from, std::size_t n) {
        if (n >= 4) {
            std::uint32_t head, tail;
            std::memcpy(&head, from, 4);
            std::memcpy(&tail, from + n - 4, 4);
            std::memcpy(to, &head, 4);
            std::memcpy(to + n - 4, &tail, 4);
        } else if (n > 0) {
            to[0] = from[0];
            to[n / 2] = from[n / 2];
            to[n - 1] = from[n - 1];
        }
    }
    std::uint32_t internName(std::string_view name);
    void linkSectionBefore(std::uint32_t s, std::uint32_t before);
    void freeSectionKeys(SectionNode& s);
    std::uint32_t keyAt(const SectionNode& s, std::uint32_t nameId, int occurrence,
                        std::uint32_t* prevOut) const;
    template <int KeyLines, typename Visit>
    std::size_t walk(const std::vector<std::uint32_t>& sections, Visit visit) const;
    void clear();

    static constexpr unsigned kChunkBits = 12;
    StoreBlocks m_blocks;
    StorePool<SectionNode, kChunkBits> m_sections{m_blocks};
    StorePool<KeyNode, kChunkBits> m_keys{m_blocks};
    StoreArena m_arena{m_blocks};
    std::unique_ptr<Names> m_names;
    std::vector<std::vector<std::uint32_t>> m_byName;
    std::uint32_t m_first = kNone;
    std::uint32_t m_last = kNone;
    std::size_t m_sectionCount = 0;
    // Bumped by every change; the value index is valid only for the generation it was built.
    std::uint64_t m_generation = 0;
    std::unique_ptr<ValueIndex> m_valueIndex;
};

// The keys of one section, for a record reader that asks for them one after the other.
// Readers mostly ask in the order the writer stored them, each name once: then the next
// key answers without a walk. Any other order falls back to the walk cfgFindKey makes.
class CfgSectionKeys {
public:
    CfgSectionKeys(const CfgStore& store, const CfgSection* section);
    // As cfgFindKey(store, section, 1, after + 1, name): the key of that name after its
    // occurrence `after` (-1 for the first), or nullptr.
    const CfgKey* find(std::string_view name, int after);

private:
    bool answered(std::uint32_t nameId) const;

    static constexpr std::size_t kMostAnswers = 16;
    const CfgStore& m_store;
    const CfgSection* m_section;
    // While every answer so far was the key after the one before, from the first key on,
    // the keys before the cursor are exactly the answers.
    bool m_inOrder = true;
    std::uint32_t m_cursor;
    std::array<std::uint32_t, kMostAnswers> m_answered{};
    std::size_t m_answerCount = 0;
    int m_lastOccurrence = -1; // of the last answer's name
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
// Makes `to` hold what `from` holds, section for section and key for key (a snapshot to
// restore later, or a scratch copy to change without touching the original).
void cfgCopy(const CfgStore& from, CfgStore& to);
// Whether both hold the same sections with the same keys and values in the same order: what
// a save of either would write.
bool cfgSameContent(const CfgStore& a, const CfgStore& b);
